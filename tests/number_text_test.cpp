#include "common/number_text.h"

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
                            INFINITY,
                            -INFINITY,
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
                                            "2e-320"};
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

}  // namespace
}  // namespace zorva
