// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace zorva::testing {

/// What a finished run of the program left.
struct RunResult {
    std::string out;
    std::string err;
    int status;  // the exit status, or 128 + the signal that ended the run
};

/// Where the program's standard output goes.
enum class OutputTarget {
    Captured,      // a pipe, read to its end into RunResult::out
    Closed,        // descriptor 1 is not open at all
    FullDevice,    // /dev/full, where every write fails for want of space
    ReaderLeaves,  // a pipe whose reader takes one byte into RunResult::out and closes it
};

struct RunOptions {
    OutputTarget output = OutputTarget::Captured;
    bool sigpipe_ignored = false;  // otherwise SIGPIPE has its default action, as in a shell
    bool input_closed = false;     // descriptor 0 is not open; the input text is not used
    bool input_left_open = false;  // the input pipe stays open after the input, as a terminal
    int timeout_seconds = 120;     // then the run is killed, and its status shows SIGKILL
};

/// The path of the built zorva, or of the one that ZORVA_BINARY in the environment names (to
/// run the suites against another build).
inline const char* zorva_binary() {
    const char* chosen = std::getenv("ZORVA_BINARY");
    return chosen != nullptr && *chosen != '\0' ? chosen : ZORVA_BINARY;
}

/// Runs `command` (command[0] is the program's path) with `input` on its standard input (a
/// pipe, closed after the input), and the standard descriptors and the signal disposition as
/// `options` say. Standard output and error are captured separately.
RunResult run_program(const std::vector<std::string>& command, std::string_view input = {},
                      const RunOptions& options = {});

/// Runs the built zorva with `words` after its name.
RunResult run_zorva(const std::vector<std::string>& words, std::string_view input = {},
                    const RunOptions& options = {});

}  // namespace zorva::testing
