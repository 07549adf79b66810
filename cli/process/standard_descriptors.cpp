// SPDX-License-Identifier: MIT
#include "cli/process/standard_descriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace zorva {
namespace {

bool is_open(int fd) { return ::fcntl(fd, F_GETFD) != -1 || errno != EBADF; }

void open_null_on(int fd) {
    // The lowest free number is taken, which is `fd` when all below it are open.
    const int null = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    if (null < 0 || null == fd) return;
    ::dup2(null, fd);
    ::close(null);
}

}  // namespace

bool reserve_standard_descriptors() {
    bool output_open = true;
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (is_open(fd)) continue;
        if (fd == STDOUT_FILENO) output_open = false;
        open_null_on(fd);
    }
    return output_open;
}

}  // namespace zorva
