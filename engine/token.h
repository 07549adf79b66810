#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorva {

/// The kinds of token; the numbers are what the predicates and the binding ranks test.
enum TokenKind : std::uint32_t {
    Add,         // "+"
    Subtract,    // "-"
    Multiply,    // "*"
    Divide,      // "/"
    Assign,      // "="
    Power,       // "^"
    Factorial,   // "!"
    Sqrt,        // "sqrt"
    Abs,         // "abs"
    Log,         // "log"
    Floor,       // "floor"
    Ceil,        // "ceil"
    Round,       // "round"
    Rand,        // "rand"
    Megabytes,   // "mb"
    Gigabytes,   // "gb"
    Terabytes,   // "tb"
    Petabytes,   // "pb"
    Sin,         // "sin"
    Cos,         // "cos"
    Tan,         // "tan"
    Asin,        // "asin"
    Acos,        // "acos"
    Atan,        // "atan"
    CloseParen,  // ")"
    OpenParen,   // "("
    Operand,     // every other text: numbers, names, anything unknown
};

/// The kind of a whole token text: exact and case-sensitive; Operand when it is no keyword.
TokenKind kind_of_text(std::string_view text);

/// The text of a keyword kind; empty for Operand.
std::string_view keyword_text(TokenKind kind);

inline bool is_operator(TokenKind kind) { return kind <= Power; }
inline bool is_unary_function(TokenKind kind) {
    return (kind >= Factorial && kind <= Rand) || (kind >= Sin && kind <= Atan);
}
inline bool is_trig(TokenKind kind) { return kind >= Sin && kind <= Atan; }
inline bool is_unit(TokenKind kind) { return kind >= Megabytes && kind <= Petabytes; }

/// Whether a text reads as a number: an optional sign, then digits, points and "e+"/"e-"
/// exponent marks. Says nothing of the value: "1.2.3" is numeric.
bool is_numeric_text(std::string_view text);

struct Token {
    std::string text;  // never empty
    TokenKind kind;

    bool operator==(const Token&) const = default;
};

/// A sequence of tokens; used as the token sequence and the postfix queue of a statement.
using TokenList = std::vector<Token>;

}  // namespace zorva
