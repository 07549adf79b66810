#pragma once

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

/// The path of the built zorva.
inline const char* zorva_binary() { return ZORVA_BINARY; }

/// Runs `command` (command[0] is the program's path) with `input` on its standard input (a
/// pipe, closed after the input). Standard output and error are captured separately.
RunResult run_program(const std::vector<std::string>& command, std::string_view input = {});

/// Runs the built zorva with `words` after its name.
RunResult run_zorva(const std::vector<std::string>& words, std::string_view input = {});

}  // namespace zorva::testing
