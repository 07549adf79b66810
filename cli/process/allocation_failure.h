// SPDX-License-Identifier: MIT
#pragma once

namespace zorva {

/// Makes every failed allocation print "Error: Could not allocate memory" and end the
/// process with ExitOutOfMemory, so no caller ever sees an allocation fail.
void install_allocation_failure_handler();

}  // namespace zorva
