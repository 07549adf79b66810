// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/eval_settings.h"
#include "engine/named_values.h"
#include "engine/postfix.h"
#include "engine/token.h"
#include "engine/token_sink.h"
#include "engine/tokenizer.h"

namespace zorva {

/// What the evaluation of the last statement found.
struct EvalStatus {
    bool division_by_zero = false;
    bool invalid_trig = false;
    bool paren_mismatch = false;
    bool is_definition = false;
    bool invalid_assignment = false;
    // The left text of the first Assign that had no name to store under; none when that
    // Assign had no left operand at all.
    std::optional<std::string> invalid_assignment_left;
};

/// The two lists the trace shows: the tokens in statement order and the postfix queue.
struct StatementLists {
    TokenList tokens;
    TokenList postfix;
};

/// Evaluates statements: tokens, postfix order, then a stack of values, each step carried at
/// the 15 significant digits of its "%.15g" text.
class Evaluator final : private TokenSink {
public:
    Evaluator(const EvalSettings& settings, NamedValues& names);

    /// The value of `statement`, or none when it is a definition. Never fails: problems
    /// become values and flags of status(). Fills `lists` when given.
    std::optional<double> evaluate(std::string_view statement, StatementLists* lists = nullptr);

    const EvalStatus& status() const { return status_; }

    /// The Operand texts of the postfix queue that are not numbers, in postfix order: the
    /// only items whose validity depends on the names. Valid until the next evaluate.
    const std::vector<std::string_view>& name_operands() const { return name_operands_; }

private:
    // An operand is a token text, read only when an operation consumes it (a name may be
    // defined in between), or a computed value, which can never be a name.
    struct StackItem {
        double value;
        std::string_view text;  // empty for a computed value
    };

    void convert(std::string_view statement, TokenSink& postfix, TokenList* tokens);
    // Takes the postfix queue, item by item: pushes operands and applies operations.
    void take_token(std::string_view text, TokenKind kind) override;
    void apply_operation(TokenKind kind);
    double compute(TokenKind kind, double left, double right);
    double trig_argument(double argument) const;
    double inverse_trig(double argument, double (*function)(double));
    void assign(const StackItem* left, const StackItem& right);
    double operand_value(const StackItem& item) const;
    StackItem pop_operand();

    const EvalSettings& settings_;
    NamedValues& names_;
    EvalStatus status_;
    Tokenizer tokenizer_;
    std::vector<StackItem> operands_;
    std::vector<std::string_view> name_operands_;
};

}  // namespace zorva
