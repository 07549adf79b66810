#include "cli/interactive.h"

namespace zorva {

void run_interactive_mode(StatementRunner& runner, Output& out) {
    (void)runner;
    out.write("Running ZORVA v4.0.0\nType 'exit' to exit the program.\n");
    out.write("Bye...\n");
}

}  // namespace zorva
