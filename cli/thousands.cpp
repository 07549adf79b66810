// SPDX-License-Identifier: MIT
#include "cli/thousands.h"

#include <algorithm>

#include "engine/characters.h"

namespace zorva {

void insert_thousands_separators(std::string& text) {
    const auto first_digit = std::find_if(text.begin(), text.end(), is_digit);
    if (first_digit == text.end()) return;
    const auto first = static_cast<std::size_t>(first_digit - text.begin());
    if (text.find('.') < first) return;
    std::size_t end = first;
    while (end < text.size() && is_digit(text[end])) ++end;
    const std::size_t digits = end - first;
    if (digits <= 3) return;

    std::string grouped;
    grouped.reserve(text.size() + digits / 3);
    grouped.append(text, 0, first);
    for (std::size_t k = 0; k < digits; ++k) {
        if (k > 0 && (digits - k) % 3 == 0) grouped.push_back(',');
        grouped.push_back(text[first + k]);
    }
    grouped.append(text, end);
    text = std::move(grouped);
}

}  // namespace zorva
