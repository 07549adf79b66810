// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "process.h"

namespace zorva::testing {

// Texts of the interactive mode and the warnings that many expected outputs share.
inline const std::string banner = "Running ZORVA v4.0.0\nType 'exit' to exit the program.\n";
inline const std::string bye = "Bye...\n";
inline const std::string closing = "\nResult may not be correct!\n";

/// Expects a run's whole standard output, its status and an empty standard error; a
/// mismatch of megabytes is shown by its first differing place, not printed whole.
void expect_run(const RunResult& run, const std::string& out, int status, const std::string& what);

/// One run of zorva with `words`, and what it must leave.
struct Case {
    std::vector<std::string> words;
    std::string out;
    int status = 0;
};

void expect_cases(const std::vector<Case>& cases);

}  // namespace zorva::testing
