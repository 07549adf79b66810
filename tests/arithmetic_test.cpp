// SPDX-License-Identifier: MIT
#include "engine/arithmetic.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace zorva {
namespace {

TEST(ArithmeticTest, RoundToDecimalsRoundsHalvesUp) {
    EXPECT_EQ(round_to_decimals(0, 2.5), 3);
    EXPECT_EQ(round_to_decimals(0, -2.5), -2);
    EXPECT_TRUE(std::signbit(round_to_decimals(0, -0.5)));
    EXPECT_EQ(round_to_decimals(2, 1.005 * 1000), 1005);
    EXPECT_DOUBLE_EQ(round_to_decimals(2, 3.14159), 3.14);
}

TEST(ArithmeticTest, RoundToDecimalsNeverMakesInfOrNan) {
    EXPECT_EQ(round_to_decimals(400, 1.5), 1.5);
    EXPECT_EQ(round_to_decimals(10, 1e300), 1e300);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(round_to_decimals(2, inf), inf);
}

TEST(ArithmeticTest, FactorialMultipliesTowardZero) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(factorial(0), 1);
    EXPECT_EQ(factorial(1), 1);
    EXPECT_EQ(factorial(-0.5), 1);
    EXPECT_EQ(factorial(-1), -1);
    EXPECT_EQ(factorial(-3), -6);
    EXPECT_EQ(factorial(-4), 24);
    EXPECT_EQ(factorial(20), 2432902008176640000.0);
    EXPECT_EQ(factorial(171), inf);
    EXPECT_EQ(factorial(-171), -inf);
    EXPECT_EQ(factorial(-1e300), inf);
    EXPECT_EQ(factorial(inf), inf);
    EXPECT_TRUE(std::isnan(factorial(-inf)));
    EXPECT_TRUE(std::isnan(factorial(std::nan(""))));
    double product = 170;
    for (double k = 169; k >= 2; --k) product *= k;
    EXPECT_EQ(factorial(170), product);
}

TEST(ArithmeticTest, RandomFractionsAreFreshAndInRange) {
    double previous = -1;
    int repeats = 0;
    for (int i = 0; i < 1000; ++i) {
        const double fraction = random_fraction();
        ASSERT_GE(fraction, 0);
        ASSERT_LT(fraction, 1);
        if (fraction == previous) ++repeats;
        previous = fraction;
    }
    EXPECT_EQ(repeats, 0);
}

}  // namespace
}  // namespace zorva
