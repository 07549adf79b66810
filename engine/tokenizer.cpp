// SPDX-License-Identifier: MIT
#include "engine/tokenizer.h"

namespace zorva {

namespace {

// The characters after which a sign starts a number rather than being an operator.
constexpr std::string_view sign_openers = "(*+-/=^";

}  // namespace

void Tokenizer::run(std::string_view statement, TokenSink& sink) {
    statement_ = statement;
    sink_ = &sink;
    current_ = Other;
    pending_begin_ = pending_end_ = 0;
    spilled_ = nullptr;
    spilled_texts_.clear();
    last_was_open_paren_ = false;

    for (std::size_t i = 0; i < statement.size(); ++i) {
        const char c = statement[i];
        if (c == ' ' || c == ',') continue;
        const CharClass cls = char_class(c);
        // A run of Other bytes takes on the class of what follows it: "#5" is one token.
        if (current_ == Other) current_ = cls;
        if (current_ == Symbol || cls != current_) {
            end_pending();
            current_ = cls;
        }
        join(i);
        // A sign that starts a number collects the digits after it: "3*-5" gives "-5".
        if ((c == '+' || c == '-') && sign_starts_number(i)) current_ = Number;
        // The rest of an unbroken run of digits or letters joins in one step.
        if ((current_ == Number || current_ == Letter) && spilled_ == nullptr) {
            while (i + 1 < statement.size() && char_class(statement[i + 1]) == current_) {
                ++i;
                ++pending_end_;
            }
        }
    }
    end_pending();
}

bool Tokenizer::sign_starts_number(std::size_t position) const {
    return position == 0 || sign_openers.find(statement_[position - 1]) != std::string_view::npos;
}

void Tokenizer::join(std::size_t position) {
    if (spilled_ == nullptr) {
        if (pending_begin_ == pending_end_) {
            pending_begin_ = position;
            pending_end_ = position + 1;
            return;
        }
        if (pending_end_ == position) {
            ++pending_end_;
            return;
        }
        spilled_ = &spilled_texts_.emplace_back(
            statement_.substr(pending_begin_, pending_end_ - pending_begin_));
    }
    spilled_->push_back(statement_[position]);
}

void Tokenizer::end_pending() {
    if (spilled_ != nullptr) {
        append_token(*spilled_);
    } else if (pending_begin_ != pending_end_) {
        append_token(statement_.substr(pending_begin_, pending_end_ - pending_begin_));
    }
    pending_begin_ = pending_end_ = 0;
    spilled_ = nullptr;
}

void Tokenizer::append_token(std::string_view text) {
    const TokenKind kind = kind_of_text(text);
    // An empty pair of parentheses encloses a zero, so "rand()" has an operand.
    if (kind == CloseParen && last_was_open_paren_) sink_->take_token("0", Operand);
    sink_->take_token(text, kind);
    last_was_open_paren_ = kind == OpenParen;
}

void tokenize(TokenList& list, std::string_view statement) {
    Tokenizer tokenizer;
    RecordingSink sink(list);
    tokenizer.run(statement, sink);
}

}  // namespace zorva
