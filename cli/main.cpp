#include <span>

#include "cli/app.h"
#include "common/output.h"
#include "common/storage.h"

int main(int argc, char** argv) {
    zorva::install_allocation_failure_handler();
    const int status =
        zorva::run_zorva(std::span<const char* const>(argv, static_cast<std::size_t>(argc)));
    zorva::standard_output().flush();
    return status;
}
