// SPDX-License-Identifier: MIT
#include "cli/runner.h"

#include <fcntl.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

namespace zorva {
namespace {

std::string repeat(const std::string& text, std::size_t times) {
    std::string all;
    for (std::size_t k = 0; k < times; ++k) all += text;
    return all;
}

TEST(RunnerTest, StopsOnceTheOutputHasFailed) {
    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    Settings settings;
    NamedValues names;
    Output out(full);
    StatementRunner runner(settings, names, out);
    // The results of the first statements fill the buffer, whose flush fails; the
    // definition after them must not be evaluated for nobody.
    runner.run_statements(repeat("1;", 40000) + "y=5");
    EXPECT_TRUE(out.failed());
    EXPECT_FALSE(names.named_value_exists("y"));
    runner.run_statements("z=5");
    EXPECT_FALSE(names.named_value_exists("z"));
    ::close(full);
}

}  // namespace
}  // namespace zorva
