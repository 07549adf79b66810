// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zorva {

/// Puts a ',' between the groups of three digits of the integer part of a number text:
/// the run of digits from the first digit, unless a '.' comes before it. Signs, padding,
/// exponents and any text of a user format stay: "-123456" gives "-123,456", "1e+20" stays.
void insert_thousands_separators(std::string& text);

}  // namespace zorva
