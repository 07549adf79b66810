// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace zorva {
namespace {

Options read(std::vector<const char*> words) {
    words.insert(words.begin(), "zorva");
    return read_options(words);
}

TEST(OptionsTest, FlagsAreCountedAndOnlyExactFormsMatch) {
    const Settings s = read({"2+2", "-d", "--verbose", "-t", "-i"}).settings;
    EXPECT_TRUE(s.evaluation.degrees && s.verbose && s.thousands && s.interactive);
    EXPECT_EQ(s.option_words, 4);
    for (const char* word : {"-vv", "-V", "--Degree", "-dt", "--format=x"}) {
        EXPECT_EQ(read({"1", word}).settings.option_words, 0) << word;
    }
    EXPECT_EQ(read({"1", "-d", "-d"}).settings.option_words, 2);
}

TEST(OptionsTest, VersionAndHelpEndTheLoop) {
    EXPECT_EQ(read({"2+2", "-v"}).action, Options::ShowVersion);
    EXPECT_EQ(read({"2+2", "--help", "-v"}).action, Options::ShowHelp);
    EXPECT_EQ(read({"-f", "-v"}).action, Options::Calculate);  // a value word is no option
}

TEST(OptionsTest, ValueOptionsCascade) {
    Settings s = read({"1/3", "-f", "-p", "2"}).settings;
    EXPECT_EQ(s.format, "-p");
    EXPECT_EQ(s.evaluation.precision, 2);
    EXPECT_EQ(s.option_words, 4);
    s = read({"1", "-p", "-r", "3"}).settings;
    EXPECT_EQ(s.evaluation.precision, 0);
    EXPECT_EQ(s.evaluation.round_digits, 3);
    s = read({"1", "-f", "-r"}).settings;  // the round value lies past the last word
    EXPECT_EQ(s.format, "-r");
    EXPECT_EQ(s.evaluation.round_digits, 0);
    EXPECT_EQ(s.option_words, 4);
    s = read({"2+2", "-p"}).settings;  // last word: not recognised
    EXPECT_EQ(s.evaluation.precision, -1);
    EXPECT_EQ(s.option_words, 0);
    s = read({"1", "-p", "1", "-p", "5"}).settings;
    EXPECT_EQ(s.evaluation.precision, 5);
    EXPECT_EQ(s.option_words, 4);
}

TEST(OptionsTest, WholeNumbers) {
    constexpr auto smallest = std::numeric_limits<std::int32_t>::min();
    const std::pair<const char*, std::int32_t> cases[] = {
        {"2.9", 2},
        {"-0.5", 0},
        {"abc", 0},
        {"-1", -1},
        {"2147483647", 2147483647},
        {"2147483648", smallest},
        {"-1e99", smallest},
        {"nan", smallest},
        {"inf", smallest},
        {" 7x", 7},
        {"", 0},
    };
    for (const auto& [word, expected] : cases) EXPECT_EQ(read_whole_number(word), expected) << word;
}

}  // namespace
}  // namespace zorva
