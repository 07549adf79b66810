// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "engine/token.h"

namespace zorva {

/// Receives tokens in order: the tokens of a statement, or the items of its postfix queue.
class TokenSink {
public:
    virtual void take_token(std::string_view text, TokenKind kind) = 0;

protected:
    ~TokenSink() = default;
};

/// Keeps a copy of each token in a list (for the trace), and hands it on to `next` when given.
class RecordingSink final : public TokenSink {
public:
    explicit RecordingSink(TokenList& list, TokenSink* next = nullptr) : list_(list), next_(next) {}
    void take_token(std::string_view text, TokenKind kind) override;

private:
    TokenList& list_;
    TokenSink* next_;
};

}  // namespace zorva
