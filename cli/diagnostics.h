// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include "cli/process/output.h"
#include "engine/evaluator.h"
#include "engine/named_values.h"
#include "engine/token.h"

namespace zorva {

/// Whether the system understands a token: every keyword kind does; an Operand must be a
/// defined name or read as a number.
bool is_valid_token(const Token& token, const NamedValues& names);

/// The verbose trace: "Tokens > " with each token quoted (a '?' marks an invalid one),
/// "Posfix > " with the postfix queue, and "Result > ", which the result line completes.
void print_trace(const StatementLists& lists, const NamedValues& names, Output& out);

/// The warnings of the statement evaluated last, and the closing line when there are any.
/// `name_operands` are the postfix queue's Operand texts that are not numbers.
void report_warnings(const std::vector<std::string_view>& name_operands, const EvalStatus& status,
                     const NamedValues& names, Output& out);

}  // namespace zorva
