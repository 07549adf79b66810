// SPDX-License-Identifier: MIT
#include "cli/process/output.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace zorva {
namespace {

// A non-blocking descriptor (shared with a parent that set O_NONBLOCK) is not full for
// good: wait until it takes more instead of dropping the text.
bool wait_until_writable(int fd) {
    pollfd entry{fd, POLLOUT, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, -1);
        if (ready > 0) return (entry.revents & (POLLERR | POLLNVAL)) == 0;
        if (ready < 0 && errno != EINTR) return false;
    }
}

// Whether a write that returned `n` failed only for the moment: interrupted, or refused by a
// non-blocking descriptor that has become writable again.
bool may_retry(ssize_t n, int fd) {
    if (n >= 0) return false;  // 0 bytes for a non-empty write: nothing more will go
    if (errno == EINTR) return true;
    return (errno == EAGAIN || errno == EWOULDBLOCK) && wait_until_writable(fd);
}

}  // namespace

void Output::flush() {
    std::size_t written = 0;
    while (written < buffer_.size() && !failed_) {
        const ssize_t n = ::write(fd_, buffer_.data() + written, buffer_.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
        } else if (!may_retry(n, fd_)) {
            failed_ = true;  // closed, full or gone: it takes nothing more
        }
    }
    buffer_.clear();
}

Output& standard_output() {
    static Output output(STDOUT_FILENO);
    return output;
}

}  // namespace zorva
