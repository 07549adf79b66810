// SPDX-License-Identifier: MIT
#include "engine/characters.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

// The bytes at both ends of each range and their neighbours: D digit, L letter, N may begin a
// definable name.
TEST(CharactersTest, DigitsLettersAndNameStarts) {
    const std::pair<char, const char*> cases[] = {
        {'0', "D"},  {'9', "D"},  {'/', ""},   {':', ""},  {'.', ""},    {'A', "LN"},
        {'Z', "LN"}, {'a', "LN"}, {'z', "LN"}, {'@', ""},  {'[', ""},    {'`', ""},
        {'{', ""},   {'_', "N"},  {' ', ""},   {'\0', ""}, {'\xb2', ""}, {'\xe9', ""},
    };
    for (const auto& [c, classes] : cases) {
        const std::string_view expected(classes);
        EXPECT_EQ(is_digit(c), expected.find('D') != expected.npos) << int{c};
        EXPECT_EQ(is_letter(c), expected.find('L') != expected.npos) << int{c};
        EXPECT_EQ(is_definable_start(c), expected.find('N') != expected.npos) << int{c};
    }
}

}  // namespace
}  // namespace zorva
