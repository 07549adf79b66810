// SPDX-License-Identifier: MIT
#include "cli/key_decoder.h"

#include "engine/characters.h"

namespace zorva {
namespace {

constexpr unsigned char escape = 0x1B;
// Longer sequences are still consumed whole, but not kept: none of them names a key.
constexpr std::size_t longest_sequence = 32;

bool is_parameter(unsigned char byte) { return byte >= 0x30 && byte <= 0x3F; }
bool is_intermediate(unsigned char byte) { return byte >= 0x20 && byte <= 0x2F; }
bool is_final(unsigned char byte) { return byte >= 0x40 && byte <= 0x7E; }

}  // namespace

void KeyDecoder::push(unsigned char byte) {
    switch (state_) {
        case State::Text: push_text(byte); return;
        case State::Escape: push_escape(byte); return;
        case State::Sequence: push_sequence(byte); return;
        case State::ConsoleFKey:
            if (is_final(byte)) {
                state_ = State::Text;  // F1 to F5 there; nothing to do
            } else {
                cut_off(byte);
            }
            return;
        case State::LiteralNext:
            utf8_.push(byte, characters_);
            if (!characters_.empty()) state_ = State::Text;
            emit_characters();
            return;
    }
}

void KeyDecoder::push_text(unsigned char byte) {
    if (byte == escape) {
        utf8_.finish(characters_);
        emit_characters();
        state_ = State::Escape;
        sequence_.assign(1, static_cast<char>(escape));
        alt_ = false;
        intermediates_ = false;
        overlong_ = false;
        return;
    }
    utf8_.push(byte, characters_);
    emit_characters();
    // The editor reads the key after Ctrl-V as it is, an ESC included.
    if (byte == quote_next) state_ = State::LiteralNext;
}

void KeyDecoder::push_escape(unsigned char byte) {
    if (byte == '[' || byte == 'O') {
        sequence_.push_back(static_cast<char>(byte));
        state_ = State::Sequence;
    } else if (byte == escape) {
        alt_ = true;  // ESC ESC [ D is Alt-Left in rxvt
    } else if (byte >= 0x80) {
        state_ = State::Text;  // the ESC alone is dropped; the character stands
        push_text(byte);
    } else {
        // Alt with a key; those that mean nothing here are dropped, control keys included.
        state_ = State::Text;
        if (std::optional<KeyEvent> key = key_of_alt(static_cast<char>(byte))) emit(*key);
    }
}

void KeyDecoder::push_sequence(unsigned char byte) {
    const bool csi = sequence_[1] == '[';
    // rxvt's Shift forms end in '$', which ECMA-48 counts as an intermediate byte.
    const bool rxvt_final = byte == '$' && csi && !intermediates_ && is_digit(sequence_.back());
    if (csi && sequence_.size() == 2 && byte == '[') {
        state_ = State::ConsoleFKey;
    } else if (is_final(byte) || rxvt_final) {
        end_sequence(byte);
    } else if (is_parameter(byte) && !intermediates_) {
        keep(byte);
    } else if (is_intermediate(byte)) {
        intermediates_ = true;
        keep(byte);
    } else {
        cut_off(byte);
    }
}

void KeyDecoder::keep(unsigned char byte) {
    if (sequence_.size() < longest_sequence) {
        sequence_.push_back(static_cast<char>(byte));
    } else {
        overlong_ = true;
    }
}

void KeyDecoder::end_sequence(unsigned char final) {
    state_ = State::Text;
    if (overlong_) return;
    sequence_.push_back(static_cast<char>(final));
    if (std::optional<KeyEvent> key = key_of_sequence(sequence_, alt_)) emit(*key);
}

void KeyDecoder::cut_off(unsigned char byte) {
    state_ = State::Text;
    push_text(byte);
}

void KeyDecoder::emit_characters() {
    for (const char32_t c : characters_) emit(KeyEvent{KeyAction::Type, c});
    characters_.clear();
}

void KeyDecoder::finish() {
    state_ = State::Text;
    utf8_.finish(characters_);
    emit_characters();
}

std::optional<KeyEvent> KeyDecoder::next() {
    if (ready_.empty()) return std::nullopt;
    const KeyEvent event = ready_.front();
    ready_.pop_front();
    return event;
}

}  // namespace zorva
