// SPDX-License-Identifier: MIT
#include <span>

#include "cli/app.h"
#include "cli/process/allocation_failure.h"
#include "cli/process/output.h"
#include "cli/process/standard_descriptors.h"

int main(int argc, char** argv) {
    zorva::install_allocation_failure_handler();
    if (!zorva::reserve_standard_descriptors()) zorva::standard_output().fail();
    const int status =
        zorva::run_zorva(std::span<const char* const>(argv, static_cast<std::size_t>(argc)));
    zorva::standard_output().flush();
    return status;
}
