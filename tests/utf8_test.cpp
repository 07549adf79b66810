// SPDX-License-Identifier: MIT
#include "cli/utf8.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

constexpr char32_t escaped(unsigned char byte) { return escaped_byte_base + byte; }

TEST(Utf8Test, DecodesWellFormedTextAndEscapesEveryOtherByte) {
    const std::pair<std::string, std::u32string> cases[] = {
        {"", U""},
        {"2*3", U"2*3"},
        {"2\xC3\x97"
         "3",
         U"2\u00D73"},
        {"\xCF\x80", U"\u03C0"},
        {"\xE4\xB8\xAD", U"\u4E2D"},
        {"\xF0\x9F\x98\x80", U"\U0001F600"},
        {"\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
        {std::string(1, '\0'), std::u32string(1, U'\0')},
        {"\x1b\x7f", U"\x1b\x7f"},
        // Bytes that never start a character.
        {"\xFF\xFE", {escaped(0xFF), escaped(0xFE)}},
        {"\x80"
         "1",
         {escaped(0x80), U'1'}},
        // Overlong forms, surrogates and values above U+10FFFF.
        {"\xC0\xAF", {escaped(0xC0), escaped(0xAF)}},
        {"\xE0\x80\xAF", {escaped(0xE0), escaped(0x80), escaped(0xAF)}},
        {"\xED\xA0\x80", {escaped(0xED), escaped(0xA0), escaped(0x80)}},
        {"\xF4\x90\x80\x80", {escaped(0xF4), escaped(0x90), escaped(0x80), escaped(0x80)}},
        // A sequence cut off by the next character, or by the end.
        {"\xE2\x82"
         "1",
         {escaped(0xE2), escaped(0x82), U'1'}},
        {"\xE2\xC3\x97", {escaped(0xE2), U'\u00D7'}},
        {"1\xF0\x9F\x98", {U'1', escaped(0xF0), escaped(0x9F), escaped(0x98)}},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(decode_utf8(bytes), text) << bytes;
        EXPECT_EQ(encode_utf8(text), bytes) << bytes;
    }
}

TEST(Utf8Test, EveryByteStringComesBackExactly) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
    for (int first = 0x80; first < 0x100; ++first) {
        for (int second = 0x00; second < 0x100; second += 0x0F) {
            all += {static_cast<char>(first), static_cast<char>(second), '\x80', '\xBF'};
        }
    }
    EXPECT_EQ(encode_utf8(decode_utf8(all)), all);
}

}  // namespace
}  // namespace zorva
