// SPDX-License-Identifier: MIT
// Numbers, formats and grouping come out as in the C locale whatever locale the user has, and
// a line typed at the prompt prints what the same line piped prints.
#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "expected_run.h"
#include "typed_lines.h"

namespace zorva::testing {
namespace {

namespace fs = std::filesystem;

const std::string german = "de_DE.UTF-8";

// Whether the locale `name` under `locpath` groups and marks decimals the German way, which is
// what makes it worth testing against.
bool is_comma_decimal(const std::string& locpath, const std::string& name) {
    const RunResult probe = run_program(
        {"/usr/bin/env", "LOCPATH=" + locpath, "LC_ALL=" + name, "printf", "%'.2f", "1234.5"});
    return probe.out == "1.234,50";
}

/// The directory for LOCPATH that holds de_DE.UTF-8, made with localedef from the system's
/// locale sources on first use; empty, with `why` set, when it cannot be made.
std::string german_locales(std::string& why) {
    const fs::path directory = ZORVA_TEST_LOCALES;
    if (is_comma_decimal(directory, german)) return directory;
    // Made aside and then renamed, since tests that run at the same time may make it too.
    const fs::path aside = directory / ("making-" + std::to_string(::getpid()));
    fs::create_directories(aside);
    const RunResult made =
        run_program({"/usr/bin/env", "localedef", "-i", "de_DE", "-f", "UTF-8", aside / german});
    std::error_code ignored;
    fs::rename(aside / german, directory / german, ignored);
    fs::remove_all(aside, ignored);
    if (is_comma_decimal(directory, german)) return directory;
    why = "de_DE.UTF-8 could not be made with localedef (is the locales package installed?): " +
          made.err;
    return {};
}

struct LocaleRow {
    const char* name;
    std::vector<std::string> settings;
    bool needs_german = false;
};

void PrintTo(const LocaleRow& row, std::ostream* out) { *out << row.name; }

const std::vector<LocaleRow> locale_rows = {
    {"Unset", {}},
    {"AllC", {"LC_ALL=C"}},
    {"LangC", {"LANG=C"}},
    {"AllPosix", {"LC_ALL=POSIX"}},
    {"AllCUtf8", {"LC_ALL=C.UTF-8"}},
    {"LangCUtf8", {"LANG=C.UTF-8"}},
    {"CtypeCUtf8", {"LC_CTYPE=C.UTF-8"}},
    {"LangNotInstalled", {"LANG=xx_XX.UTF-8"}},
    {"AllNotInstalled", {"LC_ALL=xx_XX.UTF-8"}},
    {"LangGerman", {"LANG=" + german}, true},
    {"AllGerman", {"LC_ALL=" + german}, true},
    {"NumericGerman", {"LANG=C.UTF-8", "LC_NUMERIC=" + german}, true},
};

struct LinesCase {
    std::vector<std::string> words;
    std::vector<std::string> lines;
    std::string out;  // between the banner and "Bye..."
};

std::string invalid(const std::string& token) {
    return "0\n\nWarning: Invalid token '" + token + "'" + closing;
}

const std::vector<LinesCase> lines_cases = {
    {{},
     {"1.5*2", "1234567.891", "1/3", "-0.5*3", "0.1+0.2", "10^16", "2,5+1"},
     "3\n1234567.891\n0.333333333333333\n-1.5\n0.3\n1e+16\n26\n"},
    // Characters outside ASCII are tokens like any other.
    {{},
     {"2×3", "π", "é=5", "x=1; x*€"},
     invalid("×3") + invalid("π") + "\nWarning: Invalid token 'é'" +
         "\nWarning: Invalid assignment to 'é'." + closing + invalid("€")},
    {{"-f", "%.2f"}, {"1234.5", "1/3", "-0.5"}, "1234.50\n0.33\n-0.50\n"},
    // The grouping flag of printf groups in no locale but C's, which has no grouping.
    {{"-f", "%'.2f"}, {"1234567.5"}, "1234567.50\n"},
    {{"-f", "%e"}, {"1234.5"}, "1.234500e+03\n"},
    {{"-t"}, {"1234567.891", "-9876543.21"}, "1,234,567.891\n-9,876,543.21\n"},
    {{"-t", "-f", "%.3f"}, {"1234567.891"}, "1,234,567.891\n"},
    {{"-p", "3"}, {"1/3", "2/3"}, "0.333\n0.667\n"},
    {{"-r", "2"}, {"1/3", "2/3"}, "0.33\n0.67\n"},
};

class LocaleTest : public ::testing::TestWithParam<LocaleRow> {};

TEST_P(LocaleTest, PrintsAsInTheCLocaleTypedAndPiped) {
    const LocaleRow& row = GetParam();
    std::vector<std::string> settings = row.settings;
    if (row.needs_german) {
        std::string why;
        const std::string locales = german_locales(why);
        if (locales.empty()) GTEST_SKIP() << why;
        settings.push_back("LOCPATH=" + locales);
    }
    const std::vector<std::string> variables = with_locale(settings);
    for (const LinesCase& c : lines_cases) {
        std::string what = "zorva";
        for (const std::string& word : c.words) what += " " + word;
        const std::string expected = banner + c.out + bye;
        expect_run(pipe_lines(c.lines, c.words, variables), expected, 0, what + ", piped");
        const TypedRun typed = type_lines(c.lines, c.words, variables);
        EXPECT_EQ(typed.failure, "") << what;
        expect_run({typed.out, "", typed.status}, expected, 0, what + ", typed");
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleTest, ::testing::ValuesIn(locale_rows),
                         [](const ::testing::TestParamInfo<LocaleRow>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace zorva::testing
