// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace zorva {

/// A double as the "%.15g" text the system carries every value as (at most 22 characters).
class NumberText {
public:
    explicit NumberText(double value);
    std::string_view view() const { return {data_, size_}; }

private:
    char data_[32];
    std::size_t size_;
};

/// Whether a text reads as a number: an optional sign, then digits, points and "e+"/"e-"
/// exponent marks. Says nothing of the value: "1.2.3" is numeric.
bool is_numeric_text(std::string_view text);

/// The number that C's strtod reads from the start of `text`: leading white space and a
/// sign accepted, the rest after the number ignored; 0 when the text begins with no number.
double parse_number(std::string_view text);

/// The double that the "%.15g" text of `value` reads back as: every intermediate result of a
/// calculation passes through this, which is what makes "1/3*3" give 0.999999999999999.
double round_to_number_text(double value);

}  // namespace zorva
