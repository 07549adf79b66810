#pragma once

namespace zorva {

/// Every way the process can end.
enum ExitStatus : int {
    ExitSuccess = 0,
    ExitInvalidFormat = 1,
    ExitOutOfMemory = 255,
};

}  // namespace zorva
