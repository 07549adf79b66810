// SPDX-License-Identifier: MIT
#include "engine/token.h"

#include <algorithm>
#include <array>

namespace zorva {
namespace {

constexpr bool rows_follow_kinds() {
    for (std::size_t i = 0; i < token_kinds.size(); ++i) {
        if (token_kinds[i].kind != i) return false;
    }
    return true;
}
static_assert(rows_follow_kinds(), "row i of token_kinds must be the row of TokenKind i");

// A keyword left without its text would never be found; two with one text could not both be.
constexpr bool texts_are_distinct_keywords() {
    for (const TokenKindRow& row : token_kinds) {
        if (row.text.empty() != (row.kind == Operand)) return false;
        for (const TokenKindRow& other : token_kinds) {
            if (other.kind != row.kind && other.text == row.text) return false;
        }
    }
    return true;
}
static_assert(texts_are_distinct_keywords(), "every keyword kind needs a text of its own");

constexpr std::size_t byte_values = 256;

constexpr std::size_t index_of(char c) { return static_cast<unsigned char>(c); }

// The keywords of one character, by their byte; Operand for every other byte.
constexpr std::array<TokenKind, byte_values> single_character_kinds = [] {
    std::array<TokenKind, byte_values> kinds{};
    kinds.fill(Operand);
    for (const TokenKindRow& row : token_kinds) {
        if (row.text.size() == 1) kinds[index_of(row.text[0])] = row.kind;
    }
    return kinds;
}();

constexpr bool is_word(const TokenKindRow& row) { return row.text.size() > 1; }

// The keywords of more than one character, in table order.
constexpr auto words = [] {
    constexpr auto count =
        static_cast<std::size_t>(std::count_if(token_kinds.begin(), token_kinds.end(), is_word));
    std::array<TokenKindRow, count> rows{};
    std::copy_if(token_kinds.begin(), token_kinds.end(), rows.begin(), is_word);
    return rows;
}();

constexpr std::size_t longest_word = [] {
    std::size_t longest = 0;
    for (const TokenKindRow& row : words) longest = std::max(longest, row.text.size());
    return longest;
}();

// The bytes a word begins with. Most tokens are numbers and names, which this turns away
// before any comparison.
constexpr std::array<bool, byte_values> word_starts = [] {
    std::array<bool, byte_values> starts{};
    for (const TokenKindRow& row : words) starts[index_of(row.text[0])] = true;
    return starts;
}();

}  // namespace

TokenKind kind_of_text(std::string_view text) {
    if (text.size() == 1) return single_character_kinds[index_of(text[0])];
    if (text.empty() || text.size() > longest_word || !word_starts[index_of(text[0])]) {
        return Operand;
    }
    for (const TokenKindRow& row : words) {
        if (row.text == text) return row.kind;
    }
    return Operand;
}

}  // namespace zorva
