// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorva {

/// The kinds of token. Each has a row of its own in token_kinds, in this order.
enum TokenKind : std::uint32_t {
    Add,
    Subtract,
    Multiply,
    Divide,
    Assign,
    Power,
    Factorial,
    Sqrt,
    Abs,
    Log,
    Floor,
    Ceil,
    Round,
    Rand,
    Megabytes,
    Gigabytes,
    Terabytes,
    Petabytes,
    Sin,
    Cos,
    Tan,
    Asin,
    Acos,
    Atan,
    CloseParen,
    OpenParen,
    Operand,  // every other text: numbers, names, anything unknown
};

/// What a kind of token does in a statement.
enum class TokenClass : std::uint8_t {
    Operator,       // between two operands
    UnaryFunction,  // applies to the one value next to it
    Unit,           // scales the value before it to kilobytes
    Trig,           // a unary function of an angle, or one giving an angle
    Paren,
    Operand,
};

/// The facts of one kind of token.
struct TokenKindRow {
    TokenKind kind;
    std::string_view text;  // the one text of the kind; empty for Operand, which has all others
    // The binding rank: a lower rank binds tighter, and equal ranks pop, so every operator is
    // left-associative ("2^3^2" is 64). Only operators and parentheses compare ranks.
    int rank;
    TokenClass token_class;
};

/// Every kind of token, row i for kind i: its text, its binding rank and its class.
// clang-format off
inline constexpr std::array<TokenKindRow, Operand + 1> token_kinds = {{
    // kind       text     rank  class
    {Add,        "+",      3,    TokenClass::Operator},
    {Subtract,   "-",      3,    TokenClass::Operator},
    {Multiply,   "*",      2,    TokenClass::Operator},
    {Divide,     "/",      2,    TokenClass::Operator},
    {Assign,     "=",      5,    TokenClass::Operator},  // pops through "(" (rank 4)
    {Power,      "^",      1,    TokenClass::Operator},
    {Factorial,  "!",      0,    TokenClass::UnaryFunction},
    {Sqrt,       "sqrt",   0,    TokenClass::UnaryFunction},
    {Abs,        "abs",    0,    TokenClass::UnaryFunction},
    {Log,        "log",    0,    TokenClass::UnaryFunction},
    {Floor,      "floor",  0,    TokenClass::UnaryFunction},
    {Ceil,       "ceil",   0,    TokenClass::UnaryFunction},
    {Round,      "round",  0,    TokenClass::UnaryFunction},
    {Rand,       "rand",   0,    TokenClass::UnaryFunction},
    {Megabytes,  "mb",     0,    TokenClass::Unit},
    {Gigabytes,  "gb",     0,    TokenClass::Unit},
    {Terabytes,  "tb",     0,    TokenClass::Unit},
    {Petabytes,  "pb",     0,    TokenClass::Unit},
    {Sin,        "sin",    0,    TokenClass::Trig},
    {Cos,        "cos",    0,    TokenClass::Trig},
    {Tan,        "tan",    0,    TokenClass::Trig},
    {Asin,       "asin",   0,    TokenClass::Trig},
    {Acos,       "acos",   0,    TokenClass::Trig},
    {Atan,       "atan",   0,    TokenClass::Trig},
    {CloseParen, ")",      4,    TokenClass::Paren},
    {OpenParen,  "(",      4,    TokenClass::Paren},
    {Operand,    "",       0,    TokenClass::Operand},
}};
// clang-format on

constexpr TokenClass token_class(TokenKind kind) { return token_kinds[kind].token_class; }

/// The text of a keyword kind; empty for Operand.
constexpr std::string_view keyword_text(TokenKind kind) { return token_kinds[kind].text; }

/// The kind of a whole token text: exact and case-sensitive; Operand when it is no keyword.
TokenKind kind_of_text(std::string_view text);

constexpr bool is_operator(TokenKind kind) { return token_class(kind) == TokenClass::Operator; }
constexpr bool is_unary_function(TokenKind kind) {
    return token_class(kind) == TokenClass::UnaryFunction || token_class(kind) == TokenClass::Trig;
}
constexpr bool is_trig(TokenKind kind) { return token_class(kind) == TokenClass::Trig; }
constexpr bool is_unit(TokenKind kind) { return token_class(kind) == TokenClass::Unit; }

struct Token {
    std::string text;  // never empty
    TokenKind kind;

    bool operator==(const Token&) const = default;
};

/// A sequence of tokens; used as the token sequence and the postfix queue of a statement.
using TokenList = std::vector<Token>;

}  // namespace zorva
