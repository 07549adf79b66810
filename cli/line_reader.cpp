// SPDX-License-Identifier: MIT
#include "cli/line_reader.h"

#include <unistd.h>

#include <cerrno>

namespace zorva {
namespace {

constexpr std::size_t block_size = std::size_t{64} * 1024;

}  // namespace

std::optional<std::string> LineReader::read_line() {
    for (;;) {
        // Searching on from where the last search stopped keeps a long line linear.
        const std::size_t end = buffer_.find('\n', line_begin_ + scanned_);
        if (end != std::string::npos) {
            std::string line = buffer_.substr(line_begin_, end - line_begin_);
            line_begin_ = end + 1;
            scanned_ = 0;
            return line;
        }
        scanned_ = buffer_.size() - line_begin_;
        if (!ended_ && read_block()) continue;
        ended_ = true;
        if (line_begin_ == buffer_.size()) return std::nullopt;
        std::string line = buffer_.substr(line_begin_);
        line_begin_ = buffer_.size();
        scanned_ = 0;
        return line;
    }
}

bool LineReader::read_block() {
    // Only the unfinished line is kept, so the buffer never holds more than it and one block.
    buffer_.erase(0, line_begin_);
    line_begin_ = 0;
    pending_.flush();
    // Once the output is lost, reading on would only wait for lines that nobody sees.
    if (pending_.failed()) return false;
    const std::size_t kept = buffer_.size();
    buffer_.resize(kept + block_size);
    ssize_t n = 0;
    do {
        n = ::read(fd_, buffer_.data() + kept, block_size);
    } while (n < 0 && errno == EINTR);
    buffer_.resize(kept + static_cast<std::size_t>(n > 0 ? n : 0));
    return n > 0;
}

}  // namespace zorva
