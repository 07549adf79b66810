// SPDX-License-Identifier: MIT
#pragma once

#include "cli/process/output.h"
#include "cli/runner.h"

namespace zorva {

/// The interactive mode: the banner, then one line after another through `runner` until the
/// line "exit" or the end of the input, then "Bye...".
void run_interactive_mode(StatementRunner& runner, Output& out);

}  // namespace zorva
