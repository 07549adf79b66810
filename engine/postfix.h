// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include "engine/token.h"
#include "engine/token_sink.h"

namespace zorva {

/// The binding rank of a kind (see token_kinds).
int precedence(TokenKind kind);

/// Reorders tokens into postfix order by their binding ranks (the shunting-yard method),
/// handing each item of the postfix queue to the output as soon as its place is known.
class PostfixConverter final : public TokenSink {
public:
    explicit PostfixConverter(TokenSink& output) : output_(output) {}

    void take_token(std::string_view text, TokenKind kind) override;
    /// Moves what is left on the operator stack to the output; ends the statement.
    void finish();

private:
    void close_parenthesis();
    void move_top_to_output();

    TokenSink& output_;
    // Only keyword kinds wait here, so their texts follow from their kinds.
    std::vector<TokenKind> operators_;
};

}  // namespace zorva
