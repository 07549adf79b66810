// SPDX-License-Identifier: MIT
#pragma once

namespace zorva {

/// Every way the process can end.
enum ExitStatus : int {
    ExitSuccess = 0,
    ExitInvalidFormat = 1,
    // Standard output refused a write (closed, full, or a pipe whose reader left while
    // SIGPIPE was ignored): results were lost, so nothing more was evaluated. A reader that
    // leaves while SIGPIPE has its default action ends the process by that signal instead.
    ExitOutputFailed = 2,
    ExitOutOfMemory = 255,
};

}  // namespace zorva
