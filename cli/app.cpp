// SPDX-License-Identifier: MIT
#include "cli/app.h"

#include <string>

#include "cli/interactive.h"
#include "cli/options.h"
#include "cli/process/exit_status.h"
#include "cli/process/output.h"
#include "cli/runner.h"
#include "cli/user_format.h"
#include "engine/constants.h"

namespace zorva {

namespace {

int run_options(std::span<const char* const> words, Output& out) {
    const Options options = read_options(words);
    switch (options.action) {
        case Options::ShowVersion:
            out.write(version_line);
            out.write('\n');
            return ExitSuccess;
        case Options::ShowHelp: out.write(help_text); return ExitSuccess;
        case Options::Calculate: break;
    }
    const Settings& settings = options.settings;
    // Checked before anything runs: printf must never see a conversion it has no value for.
    if (!is_valid_user_format(settings.format)) {
        out.write("Error: Invalid format '");
        out.write(settings.format);
        out.write("'.\n");
        return ExitInvalidFormat;
    }

    NamedValues names;
    define_constants(names);
    StatementRunner runner(settings, names, out);
    const auto operation_words = static_cast<std::int32_t>(words.size()) - 1;
    if (settings.interactive || settings.option_words >= operation_words) {
        run_interactive_mode(runner, out);
    } else {
        runner.run_statements(words[1]);
    }
    return ExitSuccess;
}

}  // namespace

int run_zorva(std::span<const char* const> words) {
    Output& out = standard_output();
    const int status = run_options(words, out);
    out.flush();
    // A run whose results were lost has not succeeded, whatever it computed.
    return status == ExitSuccess && out.failed() ? ExitOutputFailed : status;
}

}  // namespace zorva
