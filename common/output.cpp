#include "common/output.h"

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

}  // namespace

void Output::flush() {
    std::size_t written = 0;
    while (written < buffer_.size() && !failed_) {
        const ssize_t n = ::write(fd_, buffer_.data() + written, buffer_.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && wait_until_writable(fd_)) {
            continue;
        } else {
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
