// SPDX-License-Identifier: MIT
#include "engine/number_text.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "engine/characters.h"

namespace zorva {
namespace {

constexpr int significant_digits = 15;

// Every power of ten up to 1e22 is exact in a double; a product or quotient of one with an
// integer below 2^53 is then a single correctly rounded operation, the same double strtod gives.
constexpr double exact_powers_of_ten[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int max_exact_power = 22;
constexpr std::uint64_t max_exact_integer = std::uint64_t{1} << 53;

// The shortest digits decide the 15-digit text only where a double has its full 53 bits.
bool has_full_precision(double value) {
    return std::isfinite(value) && std::fabs(value) >= std::numeric_limits<double>::min();
}

double parse_with_strtod(std::string_view text) {
    const std::string terminated(text);
    return std::strtod(terminated.c_str(), nullptr);
}

// mantissa × 10^power when that is one exact operation; false otherwise.
bool scale_exactly(std::uint64_t mantissa, int power, double& value) {
    if (mantissa > max_exact_integer || power < -max_exact_power || power > max_exact_power) {
        return false;
    }
    const auto m = static_cast<double>(mantissa);
    value = power < 0 ? m / exact_powers_of_ten[-power] : m * exact_powers_of_ten[power];
    return true;
}

// Reads "[-]digits[.digits]" without an exponent, as strtod would. False when the text is
// anything else, or has more digits than the exact path can take.
bool parse_plain_decimal(std::string_view text, double& value) {
    std::size_t p = 0;
    const bool negative = p < text.size() && text[p] == '-';
    if (negative) ++p;
    if (p == text.size() || (!is_digit(text[p]) && text[p] != '.')) return false;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int fraction_digits = 0;
    bool any_digit = false;
    bool in_fraction = false;
    for (; p < text.size(); ++p) {
        const char c = text[p];
        if (c == '.' && !in_fraction) {
            in_fraction = true;
            continue;
        }
        if (!is_digit(c)) break;
        any_digit = true;
        if (mantissa != 0 || c != '0') ++digits;
        if (digits > 19) return false;
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        if (in_fraction) ++fraction_digits;
    }
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E' || text[p] == 'x' || text[p] == 'X')) {
        return false;  // an exponent or a hexadecimal number: strtod's own business
    }
    if (!any_digit) {
        value = 0;  // "." and "-." hold no number
        return true;
    }
    if (!scale_exactly(mantissa, -fraction_digits, value)) return false;
    if (negative) value = -value;
    return true;
}

// Powers of ten from 1e-9 to 1e23, each the double nearest to it.
constexpr int table_start = -9;
constexpr double nearest_powers_of_ten[] = {1e-9, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1,
                                            1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,
                                            1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17,
                                            1e18, 1e19, 1e20, 1e21, 1e22, 1e23};

// A value rounded to 15 significant digits: mantissa × 10^(exponent - 14).
struct Rounded {
    std::uint64_t mantissa;  // from 1e14 to 1e15 - 1
    int exponent;
};

// The 15-digit rounding of `value` straight from its scaled magnitude, for magnitudes from
// 1e-8 to 1e22 (where the scaling is one exact power): false when the scaled value lies too
// near a rounding midpoint for its one rounding error to be ruled out.
bool round_by_scaling(double value, Rounded& rounded) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-8 && magnitude < 1e22)) return false;
    // floor(log2 × log10(2)) is the decimal exponent or just below it.
    const int binary_exponent =
        static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7ff) - 1023;
    int exponent = (binary_exponent * 78913) >> 18;
    while (magnitude >= nearest_powers_of_ten[exponent + 1 - table_start]) ++exponent;
    const int power = significant_digits - 1 - exponent;
    if (power < -max_exact_power || power > max_exact_power) return false;
    const double scaled = power >= 0 ? magnitude * exact_powers_of_ten[power]
                                     : magnitude / exact_powers_of_ten[-power];
    // The scaled value is below 2^50, so its one rounding is at most 1/16: a fraction this
    // far from one half rounds the same way as the exact value's.
    // Truncation is floor here, and cheaper than a call of it.
    const auto whole = static_cast<std::uint64_t>(scaled);
    const double fraction = scaled - static_cast<double>(whole);
    if (std::fabs(fraction - 0.5) < 0.125) return false;
    const std::uint64_t mantissa = fraction > 0.5 ? whole + 1 : whole;
    if (mantissa < 100000000000000 || mantissa > 1000000000000000) return false;
    rounded = {mantissa, exponent};
    if (rounded.mantissa == 1000000000000000) rounded = {100000000000000, exponent + 1};
    return true;
}

double value_of(const Rounded& rounded, bool negative) {
    double value = 0;
    scale_exactly(rounded.mantissa, rounded.exponent - (significant_digits - 1), value);
    return negative ? -value : value;
}

// A finite non-zero double as significant decimal digits, first digit at 10^exponent.
struct Decimal {
    bool negative = false;
    char digits[20] = {};
    int count = 0;
    int exponent = 0;
};

// The shortest digits that read back as `value` (never ending in 0).
Decimal shortest_decimal(double value) {
    char text[32];
    const char* const end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    Decimal d;
    const char* p = text;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.') d.digits[d.count++] = *p;
    }
    std::from_chars(p[1] == '+' ? p + 2 : p + 1, end, d.exponent);
    return d;
}

Decimal decimal_of(const Rounded& rounded, bool negative) {
    Decimal d;
    d.negative = negative;
    d.count = significant_digits;
    d.exponent = rounded.exponent;
    std::to_chars(d.digits, d.digits + sizeof d.digits, rounded.mantissa);
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
    return d;
}

// Rounds `d` to 15 significant digits, as rounding the exact value would; false in the one
// case the shortest digits cannot decide: a 16th digit 5 that ends them.
bool round_to_significant_digits(Decimal& d) {
    if (d.count <= significant_digits) return true;
    // No 15-digit rounding boundary lies between the exact value and its shortest digits,
    // or those digits would not be the shortest (or nearest) ones.
    if (d.count == significant_digits + 1 && d.digits[significant_digits] == '5') return false;
    const bool up = d.digits[significant_digits] >= '5';
    d.count = significant_digits;
    if (up) {
        int i = d.count - 1;
        while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
        if (i < 0) {
            d.digits[0] = '1';
            d.count = 1;
            ++d.exponent;
        } else {
            ++d.digits[i];
        }
    }
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
    return true;
}

// Scientific notation with at least two exponent digits; returns the end of the text.
char* layout_scientific(const Decimal& d, char* p) {
    *p++ = d.digits[0];
    if (d.count > 1) {
        *p++ = '.';
        for (int i = 1; i < d.count; ++i) *p++ = d.digits[i];
    }
    const int x = d.exponent;
    *p++ = 'e';
    *p++ = x < 0 ? '-' : '+';
    const int magnitude = x < 0 ? -x : x;
    if (magnitude < 10) *p++ = '0';
    return std::to_chars(p, p + 4, magnitude).ptr;
}

// Fixed notation; returns the end of the text.
char* layout_fixed(const Decimal& d, char* p) {
    const int x = d.exponent;
    if (x >= 0) {
        for (int i = 0; i <= x; ++i) *p++ = i < d.count ? d.digits[i] : '0';
        if (d.count > x + 1) {
            *p++ = '.';
            for (int i = x + 1; i < d.count; ++i) *p++ = d.digits[i];
        }
    } else {
        *p++ = '0';
        *p++ = '.';
        for (int i = -1; i > x; --i) *p++ = '0';
        for (int i = 0; i < d.count; ++i) *p++ = d.digits[i];
    }
    return p;
}

// The "%.15g" layout of rounded digits: fixed notation for exponents from -4 to 14, else
// scientific; no trailing zeros either way.
std::size_t layout_g15(const Decimal& d, char* out) {
    char* p = out;
    if (d.negative) *p++ = '-';
    const bool scientific = d.exponent < -4 || d.exponent >= significant_digits;
    p = scientific ? layout_scientific(d, p) : layout_fixed(d, p);
    return static_cast<std::size_t>(p - out);
}

}  // namespace

bool is_numeric_text(std::string_view text) {
    std::size_t p = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        if (text.size() == 1) return false;
        p = 1;
    }
    while (p < text.size()) {
        // The exponent mark is a lower-case "e" with its sign, never at the very start.
        if (p > 0 && text[p] == 'e' && p + 1 < text.size() &&
            (text[p + 1] == '+' || text[p + 1] == '-')) {
            p += 2;
        } else if (text[p] == '.' || is_digit(text[p])) {
            ++p;
        } else {
            return false;
        }
    }
    return true;
}

NumberText::NumberText(double value) {
    if (has_full_precision(value)) {
        Rounded rounded{};
        Decimal d;
        if (round_by_scaling(value, rounded)) {
            d = decimal_of(rounded, std::signbit(value));
        } else {
            d = shortest_decimal(value);
        }
        if (round_to_significant_digits(d)) {
            size_ = layout_g15(d, data_);
            return;
        }
    }
    // to_chars with a precision prints exactly what printf's "%.15g" prints, without locale.
    const auto result = std::to_chars(data_, data_ + sizeof data_, value,
                                      std::chars_format::general, significant_digits);
    size_ = static_cast<std::size_t>(result.ptr - data_);
}

double parse_number(std::string_view text) {
    // The texts of a calculation are almost always short plain decimals, read exactly above;
    // from_chars reads longer ones like strtod but faster; white space, a '+', hexadecimal,
    // inf, nan and out-of-range values are left to strtod itself.
    double value = 0;
    if (parse_plain_decimal(text, value)) return value;
    const bool plain_start =
        !text.empty() && (is_digit(text[0]) || text[0] == '.' || text[0] == '-');
    if (plain_start) {
        const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
        const bool hexadecimal = text.find_first_of("xX") != std::string_view::npos;
        if (result.ec == std::errc() && !hexadecimal) return value;
        if (result.ec == std::errc::invalid_argument) return 0;
    }
    return parse_with_strtod(text);
}

double round_to_number_text(double value) {
    if (!std::isfinite(value) || value == 0) return value;
    if (!has_full_precision(value)) return parse_number(NumberText(value).view());
    Rounded rounded{};
    if (round_by_scaling(value, rounded)) return value_of(rounded, std::signbit(value));
    Decimal d = shortest_decimal(value);
    if (d.count <= significant_digits) return value;  // its text reads back as itself
    if (round_to_significant_digits(d)) {
        std::uint64_t mantissa = 0;
        for (int i = 0; i < d.count; ++i) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(d.digits[i] - '0');
        }
        double scaled = 0;
        if (scale_exactly(mantissa, d.exponent - (d.count - 1), scaled)) {
            return d.negative ? -scaled : scaled;
        }
    }
    return parse_number(NumberText(value).view());
}

}  // namespace zorva
