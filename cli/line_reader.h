// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "cli/process/output.h"

namespace zorva {

/// The lines of a file descriptor, read in big blocks as they come. A last line without a line
/// break counts; a line may be of any length and hold any byte, NUL included.
class LineReader {
public:
    /// `pending` is flushed whenever the reader is about to wait for more input, so that what
    /// the earlier lines printed is out before the next line is read.
    LineReader(int fd, Output& pending) : fd_(fd), pending_(pending) {}

    /// The next line without its line break; none at the end of the input, on a read error,
    /// or once `pending` has failed.
    std::optional<std::string> read_line();

private:
    bool read_block();

    int fd_;
    Output& pending_;
    std::string buffer_;
    std::size_t line_begin_ = 0;
    std::size_t scanned_ = 0;  // bytes from line_begin_ on already known to hold no line break
    bool ended_ = false;
};

}  // namespace zorva
