// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <numbers>
#include <string_view>

#include "engine/named_values.h"

namespace zorva {

/// A value that every run starts with under its name; a statement may redefine it.
struct Constant {
    std::string_view name;
    double value;
};

inline constexpr std::array<Constant, 4> constants = {{
    {"PI", std::numbers::pi},
    {"E", 2.718281828459045},
    {"G", 9.80665},             // standard gravity in m/s²
    {"GR", 1.618033988749895},  // the golden ratio
}};

/// Defines every constant in `names`.
void define_constants(NamedValues& names);

}  // namespace zorva
