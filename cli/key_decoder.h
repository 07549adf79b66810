// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "cli/key_bindings.h"
#include "cli/utf8.h"

namespace zorva {

/// Ctrl-V: the key after it is typed as it is, by the decoder and by the editor alike.
inline constexpr unsigned char quote_next = 0x16;

/// The keys in the bytes that a terminal sends. Text comes out as its characters (UTF-8, with
/// escaped bytes where it is not well-formed, see utf8.h); an escape sequence comes out as the
/// key it names, or, when it names none here, is dropped whole, so that no part of it ever
/// turns into text. Sequences follow ECMA-48: CSI (ESC '[') or SS3 (ESC 'O'), parameter bytes,
/// intermediate bytes, one final byte. A control byte inside a sequence cuts it off and then
/// counts as itself, so a stray ESC costs at most the key that follows it.
class KeyDecoder {
public:
    /// Takes the next byte from the terminal.
    void push(unsigned char byte);
    /// Ends the input: an unfinished character comes out as escaped bytes, an unfinished
    /// sequence is dropped.
    void finish();
    /// The next key decoded, if any.
    std::optional<KeyEvent> next();

private:
    enum class State {
        Text,
        Escape,       // after ESC
        Sequence,     // after ESC '[' or ESC 'O', before the final byte
        ConsoleFKey,  // after the Linux console's ESC '[' '[', which one more byte ends
        LiteralNext,  // after Ctrl-V: the next key is typed as it is
    };

    void push_text(unsigned char byte);
    void push_escape(unsigned char byte);
    void push_sequence(unsigned char byte);
    void keep(unsigned char byte);
    void end_sequence(unsigned char final);
    void cut_off(unsigned char byte);
    void emit(KeyEvent event) { ready_.push_back(event); }
    void emit_characters();

    State state_ = State::Text;
    Utf8Decoder utf8_;
    std::u32string characters_;   // decoded, not yet emitted
    std::string sequence_;        // the escape sequence so far
    bool alt_ = false;            // an extra ESC came before the sequence
    bool intermediates_ = false;  // the sequence has intermediate bytes
    bool overlong_ = false;       // the sequence outgrew sequence_, which stopped growing
    std::deque<KeyEvent> ready_;
};

}  // namespace zorva
