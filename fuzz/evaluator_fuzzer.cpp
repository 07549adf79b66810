// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the tokenizer and the evaluator as one statement, under settings
// drawn from the input, and checks what the tokens must satisfy whatever the statement.
//
// Input: one byte of flags (bit 0 degrees, bit 1 the trace lists), the precision and the
// round digits as 16-bit little-endian numbers, then the statement. Missing bytes read as 0.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "engine/constants.h"
#include "engine/evaluator.h"
#include "engine/token.h"
#include "engine/tokenizer.h"

namespace {

using zorva::Token;
using zorva::TokenList;

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : bytes_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t byte() {
        if (bytes_.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return b;
    }

    // Most values are small, as options are; the ends of the 16-bit range stand for the ends
    // of the 32-bit one, where the scaling of the rounding overflows.
    std::int32_t digits() {
        const auto low = byte();
        const auto value = static_cast<std::int16_t>(low | byte() << 8);
        using limits16 = std::numeric_limits<std::int16_t>;
        using limits32 = std::numeric_limits<std::int32_t>;
        if (value == limits16::max()) return limits32::max();
        if (value == limits16::min()) return limits32::min();
        return value;
    }

    std::string_view rest() const { return bytes_; }

private:
    std::string_view bytes_;
};

void check(bool condition) {
    if (!condition) std::abort();
}

// Every byte but the skipped spaces and commas lands in exactly one token, in order; the only
// text of no byte is the "0" between an empty pair of parentheses.
void check_tokens(std::string_view statement, const TokenList& tokens) {
    std::string kept;
    for (const char c : statement) {
        if (c != ' ' && c != ',') kept.push_back(c);
    }
    std::size_t at = 0;
    const Token* previous = nullptr;
    for (const Token& token : tokens) {
        check(!token.text.empty() && token.kind == zorva::kind_of_text(token.text));
        check(!(previous != nullptr && previous->kind == zorva::OpenParen &&
                token.kind == zorva::CloseParen));
        if (kept.compare(at, token.text.size(), token.text) == 0) {
            at += token.text.size();
        } else {
            check(token.text == "0" && previous != nullptr && previous->kind == zorva::OpenParen &&
                  at < kept.size() && kept[at] == ')');
        }
        previous = &token;
    }
    check(at == kept.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    const std::uint8_t flags = input.byte();
    zorva::EvalSettings settings;
    settings.degrees = (flags & 1) != 0;
    const bool traced = (flags & 2) != 0;
    settings.precision = input.digits();
    settings.round_digits = input.digits();
    const std::string_view statement = input.rest();

    zorva::NamedValues names;
    zorva::define_constants(names);
    zorva::Evaluator evaluator(settings, names);
    zorva::StatementLists lists;
    evaluator.evaluate(statement, traced ? &lists : nullptr);

    TokenList tokens;
    zorva::tokenize(tokens, statement);
    check_tokens(statement, tokens);
    if (traced) {
        check(lists.tokens == tokens);
        check(!evaluator.status().paren_mismatch || lists.postfix.empty());
    }
    return 0;
}
