// SPDX-License-Identifier: MIT
#include "cli/interactive.h"

#include "cli/line_editor.h"
#include "cli/options.h"

namespace zorva {

void run_interactive_mode(StatementRunner& runner, Output& out) {
    out.write("Running ");
    out.write(version_line);
    out.write("\nType 'exit' to exit the program.\n");
    LineEditor editor(out);
    while (std::optional<std::string> line = editor.read_line("> ")) {
        if (*line == "exit") break;
        editor.add_history(*line);
        runner.run_statements(*line);
    }
    out.write("Bye...\n");
}

}  // namespace zorva
