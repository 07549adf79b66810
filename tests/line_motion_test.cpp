// SPDX-License-Identifier: MIT
#include "cli/line_motion.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace zorva {
namespace {

// A line with the cursor shown as '|': where the motion starts, and where it ends.
struct MotionCase {
    Motion motion;
    std::wstring before;
    std::wstring after;
};

std::wstring without_cursor(const std::wstring& shown) {
    std::wstring line = shown;
    line.erase(shown.find(L'|'), 1);
    return line;
}

std::wstring with_cursor(const std::wstring& line, std::size_t cursor) {
    return line.substr(0, cursor) + L"|" + line.substr(cursor);
}

TEST(LineMotionTest, EachMotionLandsWhereTheKeySays) {
    const std::vector<MotionCase> cases = {
        {Motion::CharLeft, L"12+3|4", L"12+|34"},
        {Motion::CharLeft, L"|12", L"|12"},
        {Motion::CharRight, L"1|2", L"12|"},
        {Motion::CharRight, L"12|", L"12|"},
        {Motion::LineStart, L"12+3|4", L"|12+34"},
        {Motion::LineEnd, L"1|2+34", L"12+34|"},
        {Motion::LineEnd, L"|", L"|"},
        // Words as the editor's word deletions take them: signs and blanks part them, the
        // characters of names and numbers, and * ? _ - . [ ] ~ =, do not.
        {Motion::WordLeft, L"12+34|56+78", L"12+|3456+78"},
        {Motion::WordLeft, L"12+|3456", L"|12+3456"},
        {Motion::WordLeft, L"a_b = x.5  |", L"a_b = |x.5  "},
        {Motion::WordLeft, L"  |12", L"|  12"},
        {Motion::WordLeft, L"a-b|", L"|a-b"},
        {Motion::WordRight, L"12+34|56+78", L"12+3456|+78"},
        {Motion::WordRight, L"12|+3456", L"12+3456|"},
        {Motion::WordRight, L"|  x.5=2 ", L"  x.5=2| "},
        {Motion::WordRight, L"12 |  ", L"12   |"},
        {Motion::WordRight, L"12|", L"12|"},
    };
    for (const MotionCase& c : cases) {
        const std::wstring line = without_cursor(c.before);
        const std::size_t target = motion_target(c.motion, line, c.before.find(L'|'));
        EXPECT_EQ(with_cursor(line, target), c.after)
            << "from " << ::testing::PrintToString(c.before) << ", motion "
            << static_cast<int>(c.motion);
    }
}

}  // namespace
}  // namespace zorva
