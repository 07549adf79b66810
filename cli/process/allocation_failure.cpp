// SPDX-License-Identifier: MIT
#include "cli/process/allocation_failure.h"

#include <unistd.h>

#include <cstdlib>
#include <new>

#include "cli/process/exit_status.h"
#include "cli/process/output.h"

namespace zorva {
namespace {

[[noreturn]] void exit_out_of_memory() {
    // Results already buffered come first, so the message stands where the failure happened.
    // Appending the message could itself allocate, so it is written straight through.
    Output& output = standard_output();
    output.flush();
    static constexpr std::string_view message = "Error: Could not allocate memory\n";
    [[maybe_unused]] const ssize_t n = ::write(STDOUT_FILENO, message.data(), message.size());
    std::_Exit(ExitOutOfMemory);
}

}  // namespace

void install_allocation_failure_handler() { std::set_new_handler(exit_out_of_memory); }

}  // namespace zorva
