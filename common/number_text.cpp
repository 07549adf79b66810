#include "common/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace zorva {
namespace {

bool is_decimal_digit(char c) { return c >= '0' && c <= '9'; }

double parse_with_strtod(std::string_view text) {
    const std::string terminated(text);
    return std::strtod(terminated.c_str(), nullptr);
}

}  // namespace

NumberText::NumberText(double value) {
    // to_chars with a precision prints exactly what printf's "%.15g" prints, without locale.
    const auto result =
        std::to_chars(data_, data_ + sizeof data_, value, std::chars_format::general, 15);
    size_ = static_cast<std::size_t>(result.ptr - data_);
}

double parse_number(std::string_view text) {
    // The texts of a calculation are almost always plain decimals, which from_chars reads
    // like strtod but much faster; white space, hexadecimal, inf, nan and out-of-range
    // values are left to strtod itself.
    std::size_t start = 0;
    if (!text.empty() && text[0] == '+') start = 1;
    std::size_t digits = start;
    if (digits < text.size() && text[digits] == '-' && start == 0) ++digits;
    const bool plain_decimal = digits < text.size() &&
                               (is_decimal_digit(text[digits]) || text[digits] == '.') &&
                               !(text[digits] == '0' && digits + 1 < text.size() &&
                                 (text[digits + 1] == 'x' || text[digits + 1] == 'X'));
    if (!plain_decimal) return parse_with_strtod(text);

    double value = 0;
    const auto result = std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (result.ec == std::errc::invalid_argument) return 0;  // "." or "-."
    if (result.ec == std::errc::result_out_of_range) return parse_with_strtod(text);
    return value;
}

double round_to_number_text(double value) {
    if (!std::isfinite(value)) return value;  // inf and nan read back as themselves
    return parse_number(NumberText(value).view());
}

}  // namespace zorva
