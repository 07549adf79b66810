// SPDX-License-Identifier: MIT
#include "cli/process/output.h"

#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace zorva {
namespace {

TEST(OutputTest, RefusedWriteFailsForGood) {
    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    Output out(full);
    out.write("lost\n");
    EXPECT_FALSE(out.failed());  // nothing was handed to the system yet
    out.flush();
    EXPECT_TRUE(out.failed());
    out.write("also lost\n");
    out.flush();
    EXPECT_TRUE(out.failed());
    ::close(full);
}

TEST(OutputTest, ClosedDescriptorFails) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ::close(fds[0]);
    ::close(fds[1]);
    Output out(fds[1]);
    out.write('x');
    out.flush();
    EXPECT_TRUE(out.failed());
}

TEST(OutputTest, NonBlockingPipeGetsEveryByte) {
    int fds[2];
    ASSERT_EQ(::pipe2(fds, O_CLOEXEC), 0);
    ASSERT_EQ(::fcntl(fds[1], F_SETFL, O_NONBLOCK), 0);
    const std::string text(1 << 20, 'x');  // far more than the pipe holds at once
    std::string received;
    std::thread reader([&] {
        char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
            received.append(buffer, static_cast<std::size_t>(n));
    });
    {
        Output out(fds[1]);
        out.write(text);
        out.flush();
        EXPECT_FALSE(out.failed());
    }
    ::close(fds[1]);
    reader.join();
    ::close(fds[0]);
    EXPECT_EQ(received.size(), text.size());
}

}  // namespace
}  // namespace zorva
