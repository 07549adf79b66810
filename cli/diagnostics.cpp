// SPDX-License-Identifier: MIT
#include "cli/diagnostics.h"

#include "engine/number_text.h"

namespace zorva {

bool is_valid_token(const Token& token, const NamedValues& names) {
    return token.kind != Operand || names.named_value_exists(token.text) ||
           is_numeric_text(token.text);
}

void print_trace(const StatementLists& lists, const NamedValues& names, Output& out) {
    out.write("Tokens > ");
    for (const Token& token : lists.tokens) {
        out.write('\'');
        out.write(token.text);
        out.write(is_valid_token(token, names) ? "' " : "'? ");
    }
    out.write("\nPosfix > ");
    for (const Token& token : lists.postfix) {
        out.write(token.text);
        out.write(' ');
    }
    out.write("\nResult > ");
}

void report_warnings(const std::vector<std::string_view>& name_operands, const EvalStatus& status,
                     const NamedValues& names, Output& out) {
    bool warned = false;
    const auto warn = [&](std::string_view text) {
        out.write(text);
        warned = true;
    };
    // Judged now, after the evaluation, so a name the statement itself defined is valid.
    for (const std::string_view text : name_operands) {
        if (names.named_value_exists(text)) continue;
        warn("\nWarning: Invalid token '");
        out.write(text);
        out.write('\'');
    }
    if (status.division_by_zero) warn("\nWarning: Division by zero/undefined.");
    if (status.invalid_trig) warn("\nWarning: Invalid trigonometric value.");
    if (status.paren_mismatch) warn("\nWarning: Invalid number of parenthesis.");
    if (status.invalid_assignment) {
        if (status.invalid_assignment_left) {
            warn("\nWarning: Invalid assignment to '");
            out.write(*status.invalid_assignment_left);
            out.write("'.");
        } else {
            warn("\nWarning: Invalid assignment.");
        }
    }
    if (warned) out.write("\nResult may not be correct!\n");
}

}  // namespace zorva
