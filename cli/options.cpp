// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include <cmath>
#include <limits>
#include <string>

#include "engine/number_text.h"

namespace zorva {

// ZORVA_VERSION comes from the project's version in CMakeLists.txt.
const std::string_view version_line = "ZORVA v" ZORVA_VERSION;

const std::string_view help_text =
    "ZORVA: Just an advanced terminal calculator\n"
    "\n"
    "USAGE: operation [options...]\n"
    "\n"
    "OPTIONS:\n"
    "\n"
    "-d --degree          Manage the given angles in degrees.\n"
    "-f --format [%s]     The format to display the result.\n"
    "-h --help            Show help about the software.\n"
    "-i --interactive     Force interactive mode.\n"
    "-p --precision [%i]  The number of decimals used for the internal numbers.\n"
    "-r --round [%i]      The number of decimals to round the result.\n"
    "-t --thousands       Display the result with thousands separators.\n"
    "-vvv --verbose       Display the result with details.\n"
    "-v --version         Show the version.\n"
    "\n"
    "FUNCTIONS:\n"
    "\n"
    "sqrt   Square root.\n"
    "abs    Absolute value (positive).\n"
    "log    Natural logarithm.\n"
    "sin    Sine trigonometric function.\n"
    "cos    Cosine trigonometric function.\n"
    "tan    Tangent trigonometric function.\n"
    "asin   Arc sine trigonometric function.\n"
    "acos   Arc cosine trigonometric function.\n"
    "atan   Arc tangent trigonometric function.\n"
    "rand   Random number between 0 and 1.\n"
    "round  Round to the nearest integer value.\n"
    "floor  Round down.\n"
    "ceil   Round up.\n"
    "\n"
    "AVAILABLE:\n"
    "\n"
    "Constants 'PI' (3.14...), 'E' (2.71...), 'GR' (1.61...) and 'G' (9.80...).\n"
    "Units of measurement for data storage 'mb', 'gb', 'tb' and 'pb' (returned in kb).\n"
    "\n";

std::int32_t read_whole_number(const char* word) {
    if (word == nullptr) return 0;
    const double whole = std::trunc(parse_number(word));
    using limits = std::numeric_limits<std::int32_t>;
    // A NaN fails both comparisons, so it lands on the smallest integer too.
    if (!(whole >= limits::min() && whole <= limits::max())) return limits::min();
    return static_cast<std::int32_t>(whole);
}

namespace {

bool is_option(const char* word, std::string_view short_form, std::string_view long_form) {
    return word != nullptr && (word == short_form || word == long_form);
}

}  // namespace

Options read_options(std::span<const char* const> words) {
    Options options;
    Settings& s = options.settings;
    // The word after the last reads as none: it matches nothing and its number is 0.
    const auto word_at = [&](std::size_t i) { return i < words.size() ? words[i] : nullptr; };

    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto flag = [&](std::string_view short_form, std::string_view long_form,
                              bool& field) {
            if (!is_option(words[i], short_form, long_form)) return;
            field = true;
            ++s.option_words;
        };
        flag("-d", "--degree", s.evaluation.degrees);
        flag("-vvv", "--verbose", s.verbose);
        flag("-i", "--interactive", s.interactive);
        if (is_option(words[i], "-v", "--version")) return {Options::ShowVersion, s};
        if (is_option(words[i], "-h", "--help")) return {Options::ShowHelp, s};
        flag("-t", "--thousands", s.thousands);
        if (i + 1 == words.size()) break;
        // The value-taking tests cascade: each is made on the word the one before moved
        // to, so a format's value "-p" is taken as the precision option.
        if (is_option(word_at(i), "-f", "--format")) {
            s.format = word_at(++i);
            s.option_words += 2;
        }
        if (is_option(word_at(i), "-p", "--precision")) {
            s.evaluation.precision = read_whole_number(word_at(++i));
            s.option_words += 2;
        }
        if (is_option(word_at(i), "-r", "--round")) {
            s.evaluation.round_digits = read_whole_number(word_at(++i));
            s.option_words += 2;
        }
    }
    return options;
}

}  // namespace zorva
