// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <string>
#include <string_view>

#include "engine/characters.h"
#include "engine/token.h"
#include "engine/token_sink.h"

namespace zorva {

/// Splits statements into tokens. Never refuses input: every byte but the skipped spaces and
/// commas lands in some token, and texts that are no keyword become Operand tokens.
class Tokenizer {
public:
    /// Hands the tokens of `statement` to `sink`. Each text stays valid while `statement`
    /// does and until the next call of run.
    void run(std::string_view statement, TokenSink& sink);

private:
    void join(std::size_t position);
    void end_pending();
    void append_token(std::string_view text);
    bool sign_starts_number(std::size_t position) const;

    std::string_view statement_;
    TokenSink* sink_ = nullptr;
    CharClass current_ = Other;
    // The pending text is a slice of the statement until a skipped space or comma splits
    // it; only then is it copied, into storage that outlives the token.
    std::size_t pending_begin_ = 0;
    std::size_t pending_end_ = 0;
    std::string* spilled_ = nullptr;
    std::deque<std::string> spilled_texts_;
    bool last_was_open_paren_ = false;
};

/// The tokens of `statement`, appended to `list`.
void tokenize(TokenList& list, std::string_view statement);

}  // namespace zorva
