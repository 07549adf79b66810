// SPDX-License-Identifier: MIT
#include "typed_lines.h"

namespace zorva::testing {
namespace {

std::string without_carriage_returns(const std::string& text) {
    std::string lines;
    for (std::size_t p = 0; p < text.size(); ++p) {
        if (text.compare(p, 2, "\r\n") != 0) lines += text[p];
    }
    return lines;
}

std::string failure(const PtySession& session, const std::string& what) {
    return what + "\nscreen: " + session.screen();
}

}  // namespace

std::vector<std::string> with_locale(const std::vector<std::string>& settings) {
    std::vector<std::string> variables = {"TERM=xterm", "LANG",       "LANGUAGE",    "LC_ALL",
                                          "LC_CTYPE",   "LC_NUMERIC", "LC_MESSAGES", "LOCPATH"};
    variables.insert(variables.end(), settings.begin(), settings.end());
    return variables;
}

TypedRun type_lines(const std::vector<std::string>& lines, const std::vector<std::string>& words,
                    const std::vector<std::string>& variables) {
    // Long enough for any test line, so that no line wraps and its echo holds no line break.
    PtySession session(words, variables, {24, 400});
    TypedRun run;
    if (!session.expect("Type 'exit' to exit the program.\r\n> ")) {
        run.failure = failure(session, "no prompt");
        return run;
    }
    std::string shown = session.screen().substr(0, session.matched_end() - 2);
    for (const std::string& line : lines) {
        const std::size_t from = session.matched_end();
        session.type(line + "\r");
        // The echo ends at the first line break; what the line printed ends before the next
        // prompt, and it can hold no prompt itself, since no output line begins with "> ".
        if (!session.expect("\r\n> ")) {
            run.failure = failure(session, "no prompt after the line: " + line);
            return run;
        }
        const std::string echo_and_out =
            session.screen().substr(from, session.matched_end() - 4 - from);
        const std::size_t echo_end = echo_and_out.find("\r\n");
        if (echo_end != std::string::npos) shown += echo_and_out.substr(echo_end + 2) + "\r\n";
    }
    session.type("exit\r");
    if (!session.expect("exit\r\nBye...\r\n")) {
        run.failure = failure(session, "no Bye... after exit");
        return run;
    }
    shown += "Bye...\r\n";
    run.status = session.wait_for_exit();
    if (!same_modes(session.modes(), session.modes_at_start())) {
        run.failure = failure(session, "the terminal's modes were not restored");
    }
    run.out = without_carriage_returns(shown);
    return run;
}

RunResult pipe_lines(const std::vector<std::string>& lines, const std::vector<std::string>& words,
                     const std::vector<std::string>& variables) {
    // env takes its unsettings before its settings.
    std::vector<std::string> command{"/usr/bin/env"};
    for (const std::string& variable : variables) {
        if (variable.find('=') == std::string::npos)
            command.insert(command.end(), {"-u", variable});
    }
    for (const std::string& variable : variables) {
        if (variable.find('=') != std::string::npos) command.push_back(variable);
    }
    command.emplace_back(zorva_binary());
    command.insert(command.end(), words.begin(), words.end());
    std::string input;
    for (const std::string& line : lines) input += line + "\n";
    return run_program(command, input + "exit\n");
}

}  // namespace zorva::testing
