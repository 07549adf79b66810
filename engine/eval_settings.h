// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zorva {

/// The options that change how a statement evaluates; set once at start-up, only read
/// afterwards.
struct EvalSettings {
    bool degrees = false;  // trigonometric functions take and give degrees
    // A negative precision or round_digits switches that rounding off.
    std::int32_t precision = -1;
    std::int32_t round_digits = -1;
};

}  // namespace zorva
