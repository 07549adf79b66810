#include "engine/token.h"

#include <array>

namespace zorva {
namespace {

// Indexed by TokenKind; Operand has no keyword.
constexpr std::array<std::string_view, Operand + 1> keywords = {
    "+",   "-",     "*",    "/",     "=",    "^",    "!",  "sqrt", "abs",
    "log", "floor", "ceil", "round", "rand", "mb",   "gb", "tb",   "pb",
    "sin", "cos",   "tan",  "asin",  "acos", "atan", ")",  "(",    "",
};

bool is_decimal_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

TokenKind kind_of_text(std::string_view text) {
    if (text.size() == 1) {
        // clang-format off
        switch (text[0]) {
            case '+': return Add;       case '-': return Subtract;  case '*': return Multiply;
            case '/': return Divide;    case '=': return Assign;    case '^': return Power;
            case '!': return Factorial; case ')': return CloseParen; case '(': return OpenParen;
            default: return Operand;
        }
        // clang-format on
    }
    // The word keywords are all short and lower case; most tokens are numbers.
    if (text.size() > 5 || text[0] < 'a' || text[0] > 'z') return Operand;
    for (std::uint32_t kind = Sqrt; kind <= Atan; ++kind) {
        if (keywords[kind] == text) return static_cast<TokenKind>(kind);
    }
    return Operand;
}

std::string_view keyword_text(TokenKind kind) { return keywords[kind]; }

bool is_numeric_text(std::string_view text) {
    std::size_t p = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        if (text.size() == 1) return false;
        p = 1;
    }
    while (p < text.size()) {
        // The exponent mark is a lower-case "e" with its sign, never at the very start.
        if (p > 0 && text[p] == 'e' && p + 1 < text.size() &&
            (text[p + 1] == '+' || text[p + 1] == '-')) {
            p += 2;
        } else if (text[p] == '.' || is_decimal_digit(text[p])) {
            ++p;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace zorva
