// SPDX-License-Identifier: MIT
#include "cli/runner.h"

#include "cli/diagnostics.h"
#include "cli/thousands.h"
#include "cli/user_format.h"
#include "engine/number_text.h"

namespace zorva {

StatementRunner::StatementRunner(const Settings& settings, NamedValues& names, Output& out)
    : settings_(settings), names_(names), out_(out), evaluator_(settings.evaluation, names) {}

void StatementRunner::run_statements(std::string_view line) {
    bool first = true;
    // Once the output is lost, further results would be computed for nobody.
    while (!line.empty() && !out_.failed()) {
        const std::size_t end = line.find(';');
        const std::string_view statement = line.substr(0, end);
        line = end == std::string_view::npos ? std::string_view() : line.substr(end + 1);
        if (statement.empty()) continue;
        // In verbose mode an empty line separates the outputs of two statements.
        if (!first && settings_.verbose) out_.write('\n');
        first = false;
        run_statement(statement);
    }
}

void StatementRunner::run_statement(std::string_view statement) {
    const bool verbose = settings_.verbose;
    if (verbose) {
        lists_.tokens.clear();
        lists_.postfix.clear();
    }
    const std::optional<double> value = evaluator_.evaluate(statement, verbose ? &lists_ : nullptr);

    if (value) {
        if (settings_.format.empty()) {
            result_text_.assign(NumberText(*value).view());
        } else {
            // The format sees the value as its 15-digit text reads back.
            result_text_ = apply_user_format(settings_.format, round_to_number_text(*value));
        }
    }
    if (verbose) print_trace(lists_, names_, out_);
    if (value && settings_.thousands) insert_thousands_separators(result_text_);
    if (value) {
        out_.write(result_text_);
        out_.write('\n');
    } else if (verbose) {
        out_.write("(definition)\n");
    }
    report_warnings(evaluator_.name_operands(), evaluator_.status(), names_, out_);
}

}  // namespace zorva
