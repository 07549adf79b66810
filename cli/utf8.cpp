// SPDX-License-Identifier: MIT
#include "cli/utf8.h"

namespace zorva {
namespace {

bool is_escaped_byte(char32_t c) {
    return c >= escaped_byte_base + 0x80 && c <= escaped_byte_base + 0xFF;
}

char32_t escaped(unsigned char byte) { return escaped_byte_base + byte; }

}  // namespace

void Utf8Decoder::push(unsigned char byte, std::u32string& out) {
    if (bytes_.empty()) {
        start(byte, out);
        return;
    }
    if (byte < low_ || byte > high_) {
        // The sequence is broken here: its bytes stand for themselves, and this byte may
        // begin something new.
        flush_escaped(out);
        start(byte, out);
        return;
    }
    bytes_.push_back(static_cast<char>(byte));
    value_ = (value_ << 6) | (byte & 0x3Fu);
    low_ = 0x80;
    high_ = 0xBF;
    if (bytes_.size() < needed_) return;
    out.push_back(value_);
    bytes_.clear();
}

void Utf8Decoder::start(unsigned char byte, std::u32string& out) {
    // The lead byte fixes the length and, for four of them, the range of the second byte
    // that keeps out overlong forms, surrogates and values above U+10FFFF.
    struct Lead {
        std::size_t length;
        unsigned char first, last;
        unsigned char low, high;
    };
    static constexpr Lead leads[] = {
        {2, 0xC2, 0xDF, 0x80, 0xBF}, {3, 0xE0, 0xE0, 0xA0, 0xBF}, {3, 0xE1, 0xEC, 0x80, 0xBF},
        {3, 0xED, 0xED, 0x80, 0x9F}, {3, 0xEE, 0xEF, 0x80, 0xBF}, {4, 0xF0, 0xF0, 0x90, 0xBF},
        {4, 0xF1, 0xF3, 0x80, 0xBF}, {4, 0xF4, 0xF4, 0x80, 0x8F},
    };
    if (byte < 0x80) {
        out.push_back(byte);
        return;
    }
    for (const Lead& lead : leads) {
        if (byte < lead.first || byte > lead.last) continue;
        bytes_.assign(1, static_cast<char>(byte));
        needed_ = lead.length;
        value_ = byte & (0x7Fu >> lead.length);
        low_ = lead.low;
        high_ = lead.high;
        return;
    }
    out.push_back(escaped(byte));
}

void Utf8Decoder::flush_escaped(std::u32string& out) {
    for (const char byte : bytes_) out.push_back(escaped(static_cast<unsigned char>(byte)));
    bytes_.clear();
}

void Utf8Decoder::finish(std::u32string& out) { flush_escaped(out); }

std::u32string decode_utf8(std::string_view bytes) {
    std::u32string text;
    text.reserve(bytes.size());
    Utf8Decoder decoder;
    for (const char byte : bytes) decoder.push(static_cast<unsigned char>(byte), text);
    decoder.finish(text);
    return text;
}

void append_utf8(char32_t c, std::string& out) {
    const auto byte = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
    if (is_escaped_byte(c)) {
        byte(c - escaped_byte_base);
    } else if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | ((c >> 18) & 0x07));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

std::string encode_utf8(std::u32string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text) append_utf8(c, bytes);
    return bytes;
}

}  // namespace zorva
