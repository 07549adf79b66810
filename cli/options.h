// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "cli/settings.h"

namespace zorva {

extern const std::string_view version_line;  // without its line break
extern const std::string_view help_text;     // printed as it stands

/// What the command line asks for.
struct Options {
    enum Action { Calculate, ShowVersion, ShowHelp };
    Action action = Calculate;
    Settings settings;
};

/// Reads the command-line words, word 0 (the program's name) included, into Options.
/// Words that match no option are passed over.
Options read_options(std::span<const char* const> words);

/// A value word's number, cut toward zero; the smallest 32-bit integer, which leaves the
/// rounding off, when it does not fit or is no number at all.
std::int32_t read_whole_number(const char* word);

}  // namespace zorva
