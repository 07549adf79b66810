// SPDX-License-Identifier: MIT
#include "engine/postfix.h"

namespace zorva {

int precedence(TokenKind kind) { return token_kinds[kind].rank; }

// Tests in this order rather than a switch over the class: this runs for every token, and
// the jump table of a switch made the conversion a third slower (bench/run, BM_Postfix).
void PostfixConverter::take_token(std::string_view text, TokenKind kind) {
    if (kind == OpenParen || is_unary_function(kind)) {
        operators_.push_back(kind);
    } else if (kind == CloseParen) {
        close_parenthesis();
    } else if (is_operator(kind)) {
        while (!operators_.empty() && precedence(kind) >= precedence(operators_.back())) {
            move_top_to_output();
        }
        operators_.push_back(kind);
    } else {
        output_.take_token(text, kind);  // a unit or an Operand
    }
}

// Moves operators out up to the nearest "(", which is dropped; with none, the stack empties.
void PostfixConverter::close_parenthesis() {
    while (!operators_.empty()) {
        if (operators_.back() == OpenParen) {
            operators_.pop_back();
            return;
        }
        move_top_to_output();
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
    output_.take_token(keyword_text(top), top);
    operators_.pop_back();
}

}  // namespace zorva
