// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>

#include "engine/token.h"

namespace zorva {

// The classes of bytes, for the whole system. They are plain byte ranges: the program never
// sets a locale, and a byte of 0x80 or above is neither a digit nor a letter.
//
// - A digit is "0" to "9".
// - A letter is "A" to "Z" or "a" to "z". "_" is no letter.
// - The tokenizer's classes build on these: Number is a digit or ".", Letter a letter, Symbol
//   a byte that is a keyword by itself, Other every other byte, "_" included. The space and
//   the comma get no class: the tokenizer skips them first.
// - A number text (is_numeric_text, number_text.h) is an optional sign, then digits, points
//   and "e+" or "e-" marks: only digits and points, never letters, run together in a token.
// - A definable name (is_definable_name, named_values.h) begins with a letter or "_" and does
//   not read whole as a number ("inf" and "nan" do). "_" may begin a name because a run of
//   Other bytes joins the run after it into one token: "_x" and "_1" are names. "a_b" passes
//   the test as well, yet no statement gives that token: the letters end at the "_", so "a_b"
//   is the two tokens "a" and "_b".

constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }

constexpr bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

/// Whether a text beginning with `c` may be a definable name.
constexpr bool is_definable_start(char c) { return is_letter(c) || c == '_'; }

/// The tokenizer's class of one byte of a statement.
enum CharClass { Number, Symbol, Letter, Other };

/// The class of every byte value.
inline constexpr std::array<CharClass, 256> char_classes = [] {
    std::array<CharClass, 256> classes{};
    for (std::size_t b = 0; b < classes.size(); ++b) {
        const auto c = static_cast<char>(b);
        classes[b] = is_digit(c) || c == '.' ? Number : is_letter(c) ? Letter : Other;
    }
    for (const TokenKindRow& row : token_kinds) {
        if (row.text.size() == 1) classes[static_cast<unsigned char>(row.text[0])] = Symbol;
    }
    return classes;
}();

constexpr CharClass char_class(char c) { return char_classes[static_cast<unsigned char>(c)]; }

}  // namespace zorva
