// SPDX-License-Identifier: MIT
#include "engine/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace zorva {
namespace {

std::string printf_g15(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

TEST(NumberTextTest, PrintsWhatPrintfPrints) {
    const double fixed[] = {0,
                            -0.0,
                            1,
                            -1,
                            0.1,
                            1.0 / 3,
                            2.0 / 3,
                            1e15,
                            1e16,
                            123456789012345678.0,
                            1e-5,
                            1e-4,
                            1e21,
                            1e300,
                            5e-324,
                            2.2250738585072014e-308,
                            HUGE_VAL,
                            -HUGE_VAL,
                            NAN,
                            0.5,
                            999999999999999.5,
                            1.5e-7};
    for (const double value : fixed) EXPECT_EQ(NumberText(value).view(), printf_g15(value));
    std::mt19937_64 generator(7);
    for (int i = 0; i < 20000; ++i) {
        double value;
        const std::uint64_t bits = generator();
        std::memcpy(&value, &bits, sizeof value);
        ASSERT_EQ(NumberText(value).view(), printf_g15(value)) << bits;
    }
}

// What a calculation produces most: results of short decimals, and exact 16-digit ties.
std::vector<double> typical_values() {
    std::mt19937_64 generator(11);
    std::uniform_int_distribution<int> small(1, 99999);
    std::vector<double> values;
    for (int i = 0; i < 20000; ++i) {
        const double a = small(generator) / 100.0;
        const double b = small(generator) / 1000.0;
        for (const double v : {a * b, a / b, std::sqrt(a), a - b, a * 1e10 / b, b / a / 1e9}) {
            values.push_back(v);
            values.push_back(-v);
        }
        values.push_back(static_cast<double>(1000000000000000 + 10L * small(generator) + 5));
    }
    return values;
}

TEST(NumberTextTest, PrintsWhatPrintfPrintsForTypicalValues) {
    for (const double value : typical_values()) {
        ASSERT_EQ(NumberText(value).view(), printf_g15(value)) << value;
    }
}

TEST(NumberTextTest, RoundsLikeReadingThePrintedText) {
    std::mt19937_64 generator(5);
    std::vector<double> values = typical_values();
    for (int i = 0; i < 20000; ++i) {
        double value;
        const std::uint64_t bits = generator();
        std::memcpy(&value, &bits, sizeof value);
        values.push_back(value);
    }
    for (const double value : values) {
        const double expected = std::strtod(printf_g15(value).c_str(), nullptr);
        const double rounded = round_to_number_text(value);
        if (std::isnan(expected)) continue;
        ASSERT_EQ(rounded, expected) << printf_g15(value);
    }
}

TEST(NumberTextTest, ParsesWhatStrtodParses) {
    const std::vector<std::string> texts = {"12",
                                            "-5",
                                            "+5",
                                            ".5",
                                            "-.5",
                                            "1.2.3",
                                            ".",
                                            "-.",
                                            "-",
                                            "+",
                                            "+-5",
                                            "abc",
                                            "",
                                            "\t7",
                                            " 8",
                                            "\f9x",
                                            "0x1p3",
                                            "inf",
                                            "-Infinity",
                                            "nan",
                                            "1e5",
                                            "1e",
                                            "1e+",
                                            "-0",
                                            "#5",
                                            "(",
                                            "1" + std::string(400, '0'),
                                            "0." + std::string(400, '0') + "1",
                                            "4.9e-324",
                                            "2e-320",
                                            "0.1",
                                            "123456789012345678",
                                            "1234567890123456789012",
                                            "9007199254740993",
                                            "0.0000000000000000000000001",
                                            "1.5e300",
                                            "-.e5",
                                            "1.7976931348623157e309",
                                            "000000000000000000012.5",
                                            "-inf",
                                            "-x",
                                            "-",
                                            "- 5"};
    for (const std::string& text : texts) {
        const double expected = std::strtod(text.c_str(), nullptr);
        const double parsed = parse_number(text);
        if (std::isnan(expected)) {
            EXPECT_TRUE(std::isnan(parsed)) << text;
        } else {
            EXPECT_EQ(parsed, expected) << text;
            EXPECT_EQ(std::signbit(parsed), std::signbit(expected)) << text;
        }
    }
}

TEST(NumberTextTest, ParsesOnlyItsSlice) {
    const std::string_view text = "12345";
    EXPECT_EQ(parse_number(text.substr(0, 2)), 12);
}

TEST(NumberTextTest, RoundsToTheDigitsOfTheText) {
    EXPECT_EQ(round_to_number_text(1.0 / 3), 0.333333333333333);
    EXPECT_EQ(round_to_number_text(0.1 + 0.2), 0.3);
    EXPECT_EQ(round_to_number_text(INFINITY), INFINITY);
    EXPECT_TRUE(std::isnan(round_to_number_text(NAN)));
    EXPECT_EQ(round_to_number_text(5e-324), 5e-324);
}

TEST(NumberTextTest, NumericText) {
    for (const char* text :
         {"", "5", "-5", "+5", ".", "-.", "1.2.3", "1e+5", "1e-5", "1e+", "-e+5"}) {
        EXPECT_TRUE(is_numeric_text(text)) << text;
    }
    for (const char* text :
         {"-", "+", "--5", "+-5", "1e5", "1E+5", "e+5", "1e", "5x", " 5", "\xb5"}) {
        EXPECT_FALSE(is_numeric_text(text)) << text;
    }
}

}  // namespace
}  // namespace zorva
