// SPDX-License-Identifier: MIT
#include "cli/thousands.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

TEST(ThousandsTest, GroupsTheIntegerDigitsOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"1234567.891", "1,234,567.891"},
        {"1234", "1,234"},
        {"123", "123"},
        {"0.5", "0.5"},
        {"123456789012345", "123,456,789,012,345"},
        {"-1234.5", "-1,234.5"},
        {"-12345", "-12,345"},
        {"-123456", "-123,456"},
        {"-123", "-123"},
        {"1e+20", "1e+20"},
        {"1e-05", "1e-05"},
        {"-1e+300", "-1e+300"},
        {"1.5e+20", "1.5e+20"},
        {"inf", "inf"},
        {"-inf", "-inf"},
        {"nan", "nan"},
        {".5", ".5"},
        {"1..2", "1..2"},
        {"", ""},
        {"   1234.50", "   1,234.50"},
        {"1234567e+20", "1,234,567e+20"},
        {"$1234 each", "$1,234 each"},
        {"1000000000000000000.000000", "1,000,000,000,000,000,000.000000"},
    };
    for (const auto& [text, expected] : cases) {
        std::string grouped = text;
        insert_thousands_separators(grouped);
        EXPECT_EQ(grouped, expected) << text;
    }
}

}  // namespace
}  // namespace zorva
