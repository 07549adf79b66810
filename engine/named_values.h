// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace zorva {

/// Whether a text may name a value: it begins with an ASCII letter or '_' and is no text that
/// reads whole as a number ("inf", "nan"). Numbers and intermediate results never qualify,
/// so a definition can never change what a number means.
bool is_definable_name(std::string_view text);

/// The table of named values: the constants and every name the user defines.
class NamedValues {
public:
    bool named_value_exists(std::string_view name) const;
    /// Defines `name`, or gives it a new value when it exists.
    void named_value_set(std::string_view name, double value);
    /// The defined value of `name`, or nullptr; one lookup for callers that need both answers.
    const double* find(std::string_view name) const;

private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    std::unordered_map<std::string, double, TextHash, std::equal_to<>> values_;
};

}  // namespace zorva
