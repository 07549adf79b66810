#include "engine/postfix.h"

namespace zorva {

int precedence(TokenKind kind) {
    // clang-format off
    switch (kind) {
        case Power:                  return 1;
        case Multiply: case Divide:  return 2;
        case Add: case Subtract:     return 3;
        case CloseParen: case OpenParen: return 4;
        case Assign:                 return 5;
        default:                     return 0;  // Factorial, the functions, the units, Operand
    }
    // clang-format on
}

void PostfixConverter::take_token(std::string_view text, TokenKind kind) {
    if (kind == OpenParen || is_unary_function(kind)) {
        operators_.push_back(kind);
    } else if (kind == CloseParen) {
        while (!operators_.empty()) {
            if (operators_.back() == OpenParen) {
                operators_.pop_back();
                break;
            }
            move_top_to_output();
        }
    } else if (is_operator(kind)) {
        while (!operators_.empty() && precedence(kind) >= precedence(operators_.back())) {
            move_top_to_output();
        }
        operators_.push_back(kind);
    } else {
        output_.take_postfix(text, kind);  // a unit or an Operand
    }
}

void PostfixConverter::finish() {
    while (!operators_.empty()) move_top_to_output();
}

// An Assign (rank 5) pops through a "(" (rank 4): the "(" is dropped and the token beneath
// goes out in the same step, even when that token is another "(".
void PostfixConverter::move_top_to_output() {
    if (operators_.back() == OpenParen) {
        operators_.pop_back();
        if (operators_.empty()) return;
    }
    const TokenKind top = operators_.back();
    output_.take_postfix(keyword_text(top), top);
    operators_.pop_back();
}

}  // namespace zorva
