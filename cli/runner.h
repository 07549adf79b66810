// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "cli/process/output.h"
#include "cli/settings.h"
#include "engine/evaluator.h"
#include "engine/named_values.h"

namespace zorva {

/// Evaluates lines of statements and prints each statement's result, trace and warnings.
class StatementRunner {
public:
    StatementRunner(const Settings& settings, NamedValues& names, Output& out);

    /// Cuts `line` into statements at ';' (empty pieces are skipped) and runs each in turn;
    /// stops at the first statement after the output has failed.
    void run_statements(std::string_view line);

private:
    void run_statement(std::string_view statement);

    const Settings& settings_;
    NamedValues& names_;
    Output& out_;
    Evaluator evaluator_;
    StatementLists lists_;
    std::string result_text_;
};

}  // namespace zorva
