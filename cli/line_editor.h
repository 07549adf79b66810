// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "cli/line_reader.h"
#include "cli/process/output.h"

namespace zorva {

/// Where the interactive mode gets its lines. When standard input and output are terminals,
/// each line is edited at a prompt (emacs keys, arrows, Up and Down through this run's last
/// 100 lines); otherwise lines are read as they come, with no prompt and no escape sequences.
class LineEditor {
public:
    /// `out` is flushed before each wait for a line, so results come out before the prompt.
    explicit LineEditor(Output& out);
    ~LineEditor();
    LineEditor(const LineEditor&) = delete;
    LineEditor& operator=(const LineEditor&) = delete;

    /// The next line without its line break, read after showing `prompt` on a terminal; none
    /// at the end of the input, or when the user ends it with Ctrl-D or Ctrl-C.
    std::optional<std::string> read_line(std::string_view prompt);

    /// Keeps `line` for recall with Up and Down (nothing to recall without a terminal).
    void add_history(std::string_view line);

private:
    class Terminal;

    Output& out_;
    std::unique_ptr<Terminal> terminal_;
    LineReader piped_;
};

}  // namespace zorva
