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

/// Runs the built zorva with `words` after its name and `input` on its standard input
/// (a pipe, closed after the input). Standard output and error are captured separately.
RunResult run_zorva(const std::vector<std::string>& words, std::string_view input = {});

}  // namespace zorva::testing
