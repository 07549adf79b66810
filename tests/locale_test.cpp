// The line that reaches the calculator, and the numbers that come out, are the same in every
// locale a user may have: typed at the prompt or piped, characters outside ASCII included.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected_run.h"
#include "process.h"
#include "pty_session.h"

namespace zorva::testing {
namespace {

namespace fs = std::filesystem;

/// A comma-decimal locale (de_DE.UTF-8) built with localedef into a directory of its own, for
/// LOCPATH: no root needed, and the test does not depend on what the machine has installed.
class CommaDecimalLocale {
public:
    CommaDecimalLocale() {
        directory_ = fs::temp_directory_path() / ("zorva-locale-" + std::to_string(::getpid()));
        fs::create_directories(directory_);
        const std::string path = directory_.string();
        const RunResult built = run_program(
            {"/bin/sh", "-c", "localedef -i de_DE -f UTF-8 " + path + "/de_DE.UTF-8 2>&1"});
        // The environment is only of use if it really reads and prints a decimal comma.
        const RunResult point = run_program(
            {"/bin/sh", "-c", "LOCPATH=" + path + " LC_ALL=de_DE.UTF-8 locale decimal_point"});
        ready_ = built.status == 0 && point.out == ",\n";
        why_not_ = built.out + point.out + point.err;
    }
    ~CommaDecimalLocale() {
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    bool ready() const { return ready_; }
    const std::string& why_not() const { return why_not_; }
    std::string locpath() const { return "LOCPATH=" + directory_.string(); }

private:
    fs::path directory_;
    bool ready_ = false;
    std::string why_not_;
};

struct Environment {
    std::string name;
    std::vector<std::string> variables;
};

// The locale variables a user may have; an empty one counts as unset.
std::vector<Environment> user_environments(const CommaDecimalLocale& comma) {
    std::vector<Environment> environments = {
        {"no locale", {"LANG=", "LC_ALL=", "LC_CTYPE=", "LC_NUMERIC="}},
        {"C", {"LANG=", "LC_ALL=C"}},
        {"POSIX", {"LANG=POSIX", "LC_ALL="}},
        {"C.UTF-8", {"LANG=C.UTF-8", "LC_ALL="}},
        {"UTF-8 locale not installed", {"LANG=xx_YY.UTF-8", "LC_ALL="}},
    };
    if (comma.ready()) {
        environments.push_back({"de_DE.UTF-8", {"LANG=de_DE.UTF-8", "LC_ALL=", comma.locpath()}});
        environments.push_back({"LC_ALL de_DE.UTF-8", {"LC_ALL=de_DE.UTF-8", comma.locpath()}});
    }
    return environments;
}

/// Built once for all the tests here.
const CommaDecimalLocale& comma_decimal_locale() {
    static const CommaDecimalLocale locale;
    return locale;
}

std::vector<std::string> with_term(std::vector<std::string> variables) {
    variables.emplace_back("TERM=xterm-256color");
    return variables;
}

/// zorva with `words`, `input` piped in, in the environment changed by `variables`.
RunResult run_in(const std::vector<std::string>& variables, const std::vector<std::string>& words,
                 const std::string& input = {}) {
    std::vector<std::string> command = {"/usr/bin/env"};
    command.insert(command.end(), variables.begin(), variables.end());
    command.emplace_back(zorva_binary());
    command.insert(command.end(), words.begin(), words.end());
    return run_program(command, input);
}

std::string as_shown(const std::string& text) {
    std::string shown;
    for (const char c : text) shown += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return shown;
}

// Lines typed at the prompt: the keys, and the line they leave, whose output must be the
// output of that line piped. Keys that move or delete take a whole character.
struct TypedLine {
    std::string keys;
    std::string line;
};
const std::string backspace = "\x7f";
const std::vector<TypedLine> typed_lines = {
    {"2×3", "2×3"},
    {"π", "π"},
    {"é=5", "é=5"},
    {"1×" + backspace + "+2", "1+2"},      // Backspace takes the whole ×
    {"π\x1b[D2*\x1b[F", "2*π"},            // Left steps over the whole π
    {"中\x01\x1b[3~7", "7"},               // Delete takes the whole wide character
    {"😀1\x1b[D" + backspace + "2", "21"},  // Backspace takes the whole emoji
    {"1\xFF\xFE", "1\xFF\xFE"},            // bytes that are not UTF-8 stay
    {"1\xE2\x82", "1\xE2\x82"},            // so does a character cut short
    {"1234.5*1000", "1234.5*1000"},
    {"1,5+1", "1,5+1"},
    {"1/3", "1/3"},
};

TEST(LocaleTest, TypedLinesGiveWhatTheyGivePipedInEveryLocale) {
    const CommaDecimalLocale& comma = comma_decimal_locale();
    std::vector<std::string> outputs;
    for (const TypedLine& typed : typed_lines) {
        const RunResult piped = run_in({"LANG=", "LC_ALL="}, {"-t"}, typed.line + "\n");
        outputs.push_back(
            piped.out.substr(banner.size(), piped.out.size() - banner.size() - bye.size()));
    }
    if (!comma.ready()) std::cout << "no comma-decimal locale: " << comma.why_not() << "\n";
    for (const Environment& environment : user_environments(comma)) {
        PtySession session({"-t"}, with_term(environment.variables));
        ASSERT_TRUE(session.expect("> ")) << environment.name << "\n" << session.screen();
        for (std::size_t i = 0; i < typed_lines.size(); ++i) {
            const TypedLine& typed = typed_lines[i];
            const std::string& out = outputs[i];
            session.type(typed.keys + "\r");
            EXPECT_TRUE(session.expect("\r\n" + as_shown(out) + "> "))
                << environment.name << ": keys " << ::testing::PrintToString(typed.keys)
                << " should give " << ::testing::PrintToString(out)
                << "\nscreen: " << session.screen();
        }
        session.type("exit\r");
        EXPECT_TRUE(session.expect("Bye...\r\n")) << environment.name;
        EXPECT_EQ(session.wait_for_exit(), 0) << environment.name;
    }
}

TEST(LocaleTest, NumbersFormatsAndGroupingIgnoreTheLocale) {
    const CommaDecimalLocale& comma = comma_decimal_locale();
    if (!comma.ready()) GTEST_SKIP() << "localedef cannot build de_DE.UTF-8: " << comma.why_not();
    const std::vector<Case> cases = {
        {{"1234567.891", "-t"}, "1,234,567.891\n"},
        {{"10^9", "-f", "%.2f", "-t"}, "1,000,000,000.00\n"},
        {{"1/3", "-f", "%'.4f"}, "0.3333\n"},
        {{"1234.5*1000", "-f", "%'.1f"}, "1234500.0\n"},
        {{"1,5+1"}, "16\n"},  // the comma is no decimal point
        {{"0.1+0.2"}, "0.3\n"},
        {{"2^0.5"}, "1.4142135623731\n"},
    };
    for (const Environment& environment : user_environments(comma)) {
        for (const Case& c : cases) {
            const RunResult run = run_in(environment.variables, c.words);
            EXPECT_EQ(run.out, c.out) << environment.name << ": " << c.words[0];
            EXPECT_EQ(run.status, 0) << environment.name;
        }
        // The same at the prompt, where the line editor sets a character locale of its own.
        PtySession session({"-t"}, with_term(environment.variables));
        ASSERT_TRUE(session.expect("> ")) << environment.name << "\n" << session.screen();
        session.type("1234567.891\r");
        EXPECT_TRUE(session.expect("\r\n1,234,567.891\r\n> ")) << environment.name;
        session.type("10^9/3\r");
        EXPECT_TRUE(session.expect("\r\n333,333,333.333333\r\n> ")) << environment.name;
    }
}

}  // namespace
}  // namespace zorva::testing
