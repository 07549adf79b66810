#include "common/output.h"

#include <unistd.h>

#include <cerrno>

namespace zorva {

void Output::flush() {
    std::size_t written = 0;
    while (written < buffer_.size() && !failed_) {
        const ssize_t n = ::write(fd_, buffer_.data() + written, buffer_.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
        } else if (n < 0 && errno != EINTR) {
            failed_ = true;  // a closed or full output takes nothing more
        }
    }
    buffer_.clear();
}

Output& standard_output() {
    static Output output(STDOUT_FILENO);
    return output;
}

}  // namespace zorva
