// SPDX-License-Identifier: MIT
#include "cli/line_history.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

using Step = LineHistory::Step;

struct Walk {
    Step step;
    std::string shown;                  // the line on the screen before the step
    std::optional<std::string> result;  // what the step puts there, none to leave it
};

void expect_walk(LineHistory& history, const std::vector<Walk>& walks) {
    history.start_walk();
    int index = 0;
    for (const Walk& walk : walks) {
        EXPECT_EQ(history.walk(walk.step, walk.shown), walk.result) << "step " << index;
        ++index;
    }
}

LineHistory history_of(const std::vector<std::string>& lines) {
    LineHistory history;
    for (const std::string& line : lines) history.add(line);
    return history;
}

TEST(LineHistoryTest, UpAndDownKeepTheLineBeingTyped) {
    LineHistory history = history_of({"1+1", "a=5", "a*2"});
    expect_walk(history, {
                             {Step::Newer, "typed", std::nullopt},  // Down at the newest
                             {Step::Older, "typed", "a*2"},
                             {Step::Older, "a*2", "a=5"},
                             {Step::Older, "a=5", "1+1"},
                             {Step::Older, "1+1", std::nullopt},  // Up at the oldest
                             {Step::Newer, "1+1", "a=5"},
                             {Step::Newer, "a=5", "a*2"},
                             {Step::Newer, "a*2", "typed"},
                             {Step::Newer, "typed", std::nullopt},
                         });
}

TEST(LineHistoryTest, PageKeysJumpToTheEnds) {
    LineHistory history = history_of({"1", "2", "3"});
    expect_walk(history, {
                             {Step::Newest, "x", "3"},
                             {Step::Newest, "3", std::nullopt},
                             {Step::Oldest, "3", "1"},
                             {Step::Oldest, "1", std::nullopt},
                             {Step::Newer, "1", "2"},
                             {Step::Newest, "2", "3"},
                             {Step::Newer, "3", "x"},
                         });
    LineHistory empty;
    expect_walk(empty, {
                           {Step::Older, "x", std::nullopt},
                           {Step::Newer, "x", std::nullopt},
                           {Step::Oldest, "x", std::nullopt},
                           {Step::Newest, "x", std::nullopt},
                       });
}

TEST(LineHistoryTest, KeepsTheLastHundredLinesAndNoRepeatInARow) {
    LineHistory history;
    for (int n = 1; n <= 101; ++n) history.add(std::to_string(n));
    history.add("101");
    history.add("");
    history.add("");
    expect_walk(history, {
                             {Step::Older, "", ""},
                             {Step::Older, "", "101"},
                             {Step::Older, "101", "100"},
                             {Step::Oldest, "100", "3"},  // "1" and "2" have fallen out
                         });
}

TEST(LineHistoryTest, LinesAreKeptByteForByte) {
    const std::string line = std::string(
                                 "2\xC3\x97"
                                 "3 \xFF\t") +
                             '\0' + "1 ";
    LineHistory history = history_of({line});
    expect_walk(history, {{Step::Older, "", line}});
}

}  // namespace
}  // namespace zorva
