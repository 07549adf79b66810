// SPDX-License-Identifier: MIT
#include "expected_run.h"

#include <gtest/gtest.h>

namespace zorva::testing {
namespace {

std::string first_difference(const std::string& got, const std::string& expected) {
    std::size_t at = 0;
    while (at < got.size() && at < expected.size() && got[at] == expected[at]) ++at;
    const auto around = [at](const std::string& text) {
        const std::size_t from = at < 20 ? 0 : at - 20;
        return ::testing::PrintToString(text.substr(from, 60));
    };
    return "sizes " + std::to_string(got.size()) + " and " + std::to_string(expected.size()) +
           ", first difference at byte " + std::to_string(at) + ": got " + around(got) +
           ", expected " + around(expected);
}

}  // namespace

void expect_run(const RunResult& run, const std::string& out, int status, const std::string& what) {
    EXPECT_TRUE(run.out == out) << what << ": " << first_difference(run.out, out);
    EXPECT_EQ(run.status, status) << what;
    EXPECT_EQ(run.err, "") << what;
}

void expect_cases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        std::string shown = "zorva";
        for (const std::string& word : c.words) {
            shown += " " + ::testing::PrintToString(word.substr(0, 40));
        }
        expect_run(run_zorva(c.words), c.out, c.status, shown);
    }
}

}  // namespace zorva::testing
