// SPDX-License-Identifier: MIT
#include "engine/named_values.h"

#include <cstdlib>

#include "engine/characters.h"

namespace zorva {

bool is_definable_name(std::string_view text) {
    if (text.empty() || !is_definable_start(text[0])) return false;
    const std::string terminated(text);
    char* end = nullptr;
    std::strtod(terminated.c_str(), &end);
    return end != terminated.c_str() + terminated.size();
}

const double* NamedValues::find(std::string_view name) const {
    if (values_.empty()) return nullptr;
    const auto entry = values_.find(name);
    return entry == values_.end() ? nullptr : &entry->second;
}

bool NamedValues::named_value_exists(std::string_view name) const { return find(name) != nullptr; }

void NamedValues::named_value_set(std::string_view name, double value) {
    const auto entry = values_.find(name);
    if (entry != values_.end()) {
        entry->second = value;
    } else {
        values_.emplace(name, value);
    }
}

}  // namespace zorva
