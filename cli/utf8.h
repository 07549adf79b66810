// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zorva {

/// A byte that is no part of well-formed UTF-8 stands for itself as the code point
/// `escaped_byte_base` + byte (U+DC80..U+DCFF). No UTF-8 text can hold these surrogates, so
/// decoding and encoding again gives back any byte string exactly.
inline constexpr char32_t escaped_byte_base = 0xDC00;

/// Code points from a stream of bytes, taken as UTF-8 strictly (no overlong forms, no
/// surrogates, nothing above U+10FFFF); every other byte comes out escaped.
class Utf8Decoder {
public:
    /// Takes one byte; appends to `out` the code points it completes (none, one, or the
    /// escaped bytes of a broken sequence followed by what the byte itself gives).
    void push(unsigned char byte, std::u32string& out);
    /// Ends the stream: the bytes of an unfinished sequence come out escaped.
    void finish(std::u32string& out);

private:
    void start(unsigned char byte, std::u32string& out);
    void flush_escaped(std::u32string& out);

    std::string bytes_;          // the sequence read so far
    std::size_t needed_ = 0;     // its length when complete
    char32_t value_ = 0;         // the code point decoded so far
    unsigned char low_ = 0x80;   // range of the next continuation byte, which narrows
    unsigned char high_ = 0xBF;  // after E0, ED, F0 and F4
};

/// The code points of `bytes`, decoded as by Utf8Decoder.
std::u32string decode_utf8(std::string_view bytes);

/// Appends the UTF-8 bytes of `c` to `out`; an escaped byte becomes that byte again.
void append_utf8(char32_t c, std::string& out);

/// The bytes of `text`, the reverse of decode_utf8.
std::string encode_utf8(std::u32string_view text);

}  // namespace zorva
