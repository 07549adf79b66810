// SPDX-License-Identifier: MIT
#include "cli/user_format.h"

#include <cstdio>

#include "engine/characters.h"

namespace zorva {
namespace {

constexpr std::size_t max_width_or_precision = 1000;

// Reads a run of digits at `p`; false when its number exceeds the limit.
bool skip_bounded_number(std::string_view format, std::size_t& p) {
    std::size_t number = 0;
    while (p < format.size() && is_digit(format[p])) {
        number = number * 10 + static_cast<std::size_t>(format[p] - '0');
        if (number > max_width_or_precision) return false;
        ++p;
    }
    return true;
}

// Checks the conversion that starts after the '%' at `p`, and moves `p` past it.
bool skip_conversion(std::string_view format, std::size_t& p) {
    while (p < format.size() &&
           std::string_view("-+ #0'").find(format[p]) != std::string_view::npos) {
        ++p;
    }
    if (!skip_bounded_number(format, p)) return false;
    if (p < format.size() && format[p] == '.') {
        ++p;
        if (!skip_bounded_number(format, p)) return false;
    }
    if (p < format.size() && format[p] == 'l') ++p;
    if (p >= format.size() ||
        std::string_view("fFeEgGaA").find(format[p]) == std::string_view::npos) {
        return false;
    }
    ++p;
    return true;
}

}  // namespace

bool is_valid_user_format(std::string_view format) {
    bool converted = false;
    for (std::size_t p = 0; p < format.size();) {
        if (format[p] != '%') {
            ++p;
        } else if (p + 1 < format.size() && format[p + 1] == '%') {
            p += 2;
        } else {
            ++p;
            if (converted || !skip_conversion(format, p)) return false;
            converted = true;
        }
    }
    return true;
}

std::string apply_user_format(const std::string& format, double value) {
    char small[256];
    const int size = std::snprintf(small, sizeof small, format.c_str(), value);
    if (size < 0) return {};
    if (static_cast<std::size_t>(size) < sizeof small)
        return {small, static_cast<std::size_t>(size)};
    std::string text(static_cast<std::size_t>(size), '\0');
    std::snprintf(text.data(), text.size() + 1, format.c_str(), value);
    return text;
}

}  // namespace zorva
