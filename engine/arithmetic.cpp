// SPDX-License-Identifier: MIT
#include "engine/arithmetic.h"

#include <cmath>
#include <limits>
#include <random>

namespace zorva {

double round_to_decimals(std::int32_t decimals, double x) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = x * scale;
    if (!std::isfinite(scale) || !std::isfinite(scaled)) return x;
    const double down = std::floor(scaled);
    return scaled >= down + 0.5 ? std::ceil(scaled) / scale : down / scale;
}

double factorial(double r) {
    if (std::isnan(r) || r == -std::numeric_limits<double>::infinity()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double n = std::trunc(r);
    if (n == 0 || n == 1) return 1;
    // Beyond these the product leaves the doubles; the bound also keeps every loop short.
    // Every double of this size is even, so the sign of a negative product is known.
    constexpr double first_overflow = 171;
    const double infinity = std::numeric_limits<double>::infinity();
    if (n >= first_overflow) return infinity;
    if (n <= -first_overflow) return std::fmod(n, 2.0) == 0 ? infinity : -infinity;

    // The order of the factors, from n toward zero, decides the last digit of 170!.
    double product = n;
    if (n > 0) {
        for (double factor = n - 1; factor >= 2; --factor) product *= factor;
    } else {
        for (double factor = n + 1; factor <= -1; ++factor) product *= factor;
    }
    return product;
}

double random_fraction() {
    static std::mt19937_64 generator{std::random_device{}()};
    // The top 53 bits make every double of [0, 1) with that spacing equally likely, and
    // never 1, which a floating-point distribution can round up to.
    return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}

}  // namespace zorva
