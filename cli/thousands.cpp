#include "cli/thousands.h"

namespace zorva {

void insert_thousands_separators(std::string& text) {
    const std::size_t first = text.find_first_of("0123456789");
    if (first == std::string::npos || text.find('.') < first) return;
    std::size_t end = first;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
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
