// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zorva {

/// `x` rounded to `decimals` decimals, halves towards +infinity (-2.5 gives -2); `x` itself
/// when the scaling leaves the finite doubles, so rounding never makes inf or nan.
double round_to_decimals(std::int32_t decimals, double x);

/// The factorial of `r` truncated toward zero, negative arguments included (-3 gives -6), in
/// double arithmetic: inf with the product's sign on overflow, nan for nan and -inf.
double factorial(double r);

/// A new fraction, uniform in [0, 1), from one generator seeded once per run.
double random_fraction();

}  // namespace zorva
