// SPDX-License-Identifier: MIT
// Checks the number texts against the C library calls they stand in for, on the same
// doubles and texts: NumberText against snprintf's "%.15g", round_to_number_text against
// strtod of that text, and parse_number against strtod itself.
//
// Input: a text for parse_number; its first 8 bytes are also the bits of a double, and the
// number it reads as is a second double to print and round.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/number_text.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// Bit for bit, except that NaNs compare by their sign alone: their payloads print nowhere.
bool same_double(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
    }
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

void check_text_and_rounding(double value) {
    char expected[32];
    const int size = std::snprintf(expected, sizeof expected, "%.15g", value);
    check(size > 0 && zorva::NumberText(value).view() == std::string_view(expected, size));
    check(same_double(zorva::round_to_number_text(value), std::strtod(expected, nullptr)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string terminated(text);  // strtod stops at a NUL, and so must parse_number
    const double parsed = zorva::parse_number(text);
    check(same_double(parsed, std::strtod(terminated.c_str(), nullptr)));
    check_text_and_rounding(parsed);
    if (size >= sizeof(double)) {
        double bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        check_text_and_rounding(bits);
    }
    return 0;
}
