// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "pty_session.h"

namespace zorva::testing {

/// An environment change that unsets every locale variable and then makes `settings`
/// ("LC_ALL=C", ...), so that the test's own environment cannot leak in.
std::vector<std::string> with_locale(const std::vector<std::string>& settings);

/// What zorva printed for lines typed at its prompt, put in the shape of a piped run's output.
struct TypedRun {
    std::string out;      // the echoes of the typed lines and the prompts left out, "\r\n" as "\n"
    int status = -1;      // as PtySession::wait_for_exit gives it
    std::string failure;  // empty, or what went wrong, with the terminal's screen
};

/// Types each of `lines` and then "exit" at the prompt of zorva started with `words` on a
/// pseudo-terminal of `variables`, each line once the prompt for it is shown, as a person does.
/// The lines must fit the window and hold no control characters.
TypedRun type_lines(const std::vector<std::string>& lines, const std::vector<std::string>& words,
                    const std::vector<std::string>& variables);

/// The same lines piped to zorva with `words` in the environment changed by `variables`,
/// ending with the line "exit".
RunResult pipe_lines(const std::vector<std::string>& lines, const std::vector<std::string>& words,
                     const std::vector<std::string>& variables);

}  // namespace zorva::testing
