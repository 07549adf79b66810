// SPDX-License-Identifier: MIT
// The shell completions of zorva, each driven through its shell's own machinery on the files
// that `cmake --install` puts under a fresh prefix, in a working directory whose files must
// never be offered. Every test compares the whole list of candidates: options against the
// OPTIONS section of `zorva --help` (forms and descriptions), formats against the handful that
// the completions offer, each of which zorva must accept.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "process.h"
#include "temporary_directory.h"

namespace zorva::testing {
namespace {

namespace fs = std::filesystem;

const fs::path completion_drivers = fs::path(ZORVA_SOURCE_DIR) / "tests" / "completion";

struct Candidate {
    std::string word;
    std::string description;
};

const std::vector<Candidate> offered_formats = {
    {"%.2f", "Two decimals"},
    {"%.4f", "Four decimals"},
    {"%.6e", "Scientific notation, six decimals"},
    {"%g", "Six significant digits"},
    {"%.15g", "15 significant digits, as without a format"},
    {"%a", "Hexadecimal floating point"},
};

// "-f --format [%s]     The format to display the result." gives -f and --format, each with
// the description, which stands after the first run of two blanks or more.
std::vector<Candidate> options_of_help() {
    const RunResult help = run_zorva({"--help"});
    std::istringstream lines(help.out);
    std::vector<Candidate> options;
    bool in_options = false;
    for (std::string line; std::getline(lines, line);) {
        if (line == "OPTIONS:" || line == "FUNCTIONS:") in_options = line == "OPTIONS:";
        std::istringstream forms(line);
        std::string short_form;
        std::string long_form;
        forms >> short_form >> long_form;
        const std::size_t gap = line.find("  ");
        if (!in_options || !long_form.starts_with("--") || gap == std::string::npos) continue;
        const std::string description = line.substr(line.find_first_not_of(' ', gap));
        options.push_back({short_form, description});
        options.push_back({long_form, description});
    }
    return options;
}

// The prefix that zorva is installed into once for all the tests, and a working directory
// holding files whose names a file-name completion would offer for the words of the cases.
struct Installation {
    TemporaryDirectory prefix{"zorva-completion-prefix"};
    TemporaryDirectory home{"zorva-completion-home"};
    TemporaryDirectory files{"zorva-completion-files"};
    RunResult install;

    Installation() {
        install =
            run_program({ZORVA_CMAKE, "--install", ZORVA_BUILD_DIR, "--prefix", prefix.path()});
        for (const char* name : {"2+2.txt", "-dfile", "--format-notes", "%.2f-list", "xfile"}) {
            std::ofstream(files.path() / name) << "not to be offered\n";
        }
    }

    // The command's environment: the installed zorva first in PATH, a home of its own.
    std::vector<std::string> in_files_directory(const std::vector<std::string>& command) const {
        std::vector<std::string> words{
            "/usr/bin/env", "-C", files.path(), "HOME=" + home.path().string(),
            "PATH=" + (prefix.path() / "bin").string() + ":/usr/bin:/bin"};
        words.insert(words.end(), command.begin(), command.end());
        return words;
    }
};

const Installation& installation() {
    static const Installation installed;
    return installed;
}

enum class Offer { Options, Formats, Nothing };

struct Case {
    std::vector<std::string> words;  // the command line; the last word is being completed
    Offer offer;                     // what the candidates are, among those the word begins
};

const std::vector<Case> cases = {
    // Options, wherever a word begins with "-" and is no option's value.
    {{"zorva", "-"}, Offer::Options},
    {{"zorva", "2+2", "-"}, Offer::Options},
    {{"zorva", "2+2", "--"}, Offer::Options},
    {{"zorva", "2+2", "-v"}, Offer::Options},
    {{"zorva", "2+2", "--p"}, Offer::Options},
    {{"zorva", "-d", "-i", "-"}, Offer::Options},
    {{"zorva", "1/3", "-f", "%g", "-"}, Offer::Options},
    {{"zorva", "1/3", "-f", "''", "-"}, Offer::Options},
    {{"zorva", "1/3", "-p", "2", "--r"}, Offer::Options},
    {{"zorva", "1/3", "-r", "2", "-t"}, Offer::Options},
    // The -f here is the precision's value, so the next word is free again.
    {{"zorva", "1/3", "-p", "-f", "-"}, Offer::Options},
    {{"zorva", "1/3", "-f", "-p", "2", "-"}, Offer::Options},
    // The operation, and the words zorva passes over, are free text.
    {{"zorva", ""}, Offer::Nothing},
    {{"zorva", "2"}, Offer::Nothing},
    {{"zorva", "x"}, Offer::Nothing},
    {{"zorva", "2+2", ""}, Offer::Nothing},
    {{"zorva", "2+2", "x"}, Offer::Nothing},
    {{"zorva", "2+2", "-x"}, Offer::Nothing},
    // A number follows -p and -r, also where a format's value is -p or -r.
    {{"zorva", "2+2", "-p", ""}, Offer::Nothing},
    {{"zorva", "2+2", "--precision", "-"}, Offer::Nothing},
    {{"zorva", "2+2", "-r", ""}, Offer::Nothing},
    {{"zorva", "2+2", "--round", "-"}, Offer::Nothing},
    {{"zorva", "1/3", "-f", "-p", ""}, Offer::Nothing},
    {{"zorva", "1/3", "-f", "--round", ""}, Offer::Nothing},
    {{"zorva", "1/3", "-p", "-r", ""}, Offer::Nothing},
    // Formats follow -f.
    {{"zorva", "2+2", "-f", ""}, Offer::Formats},
    {{"zorva", "-f", ""}, Offer::Formats},
    {{"zorva", "2+2", "--format", "%.2"}, Offer::Formats},
    {{"zorva", "2+2", "-f", "%"}, Offer::Formats},
    {{"zorva", "2+2", "-f", "-"}, Offer::Formats},
};

std::string command_line(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& word : words) line += (line.empty() ? "" : " ") + word;
    return line;
}

std::vector<std::string> sorted_lines(const std::string& text) {
    std::istringstream lines(text);
    std::vector<std::string> result;
    for (std::string line; std::getline(lines, line);) result.push_back(line);
    std::sort(result.begin(), result.end());
    return result;
}

// The candidates that a case should get, as the shell prints them.
std::vector<std::string> expected(const Case& c, bool with_descriptions) {
    static const std::vector<Candidate> options = options_of_help();
    const std::vector<Candidate> none;
    const std::vector<Candidate>& pool = c.offer == Offer::Options   ? options
                                         : c.offer == Offer::Formats ? offered_formats
                                                                     : none;
    std::vector<std::string> result;
    for (const Candidate& candidate : pool) {
        if (!candidate.word.starts_with(c.words.back())) continue;
        result.push_back(with_descriptions ? candidate.word + '\t' + candidate.description
                                           : candidate.word);
    }
    std::sort(result.begin(), result.end());
    return result;
}

struct Shell {
    const char* name;
    const char* program;  // empty when the build found no such shell
    bool with_descriptions;
    std::vector<std::string> (*command)(const Case&);
};

std::vector<std::string> bash_command(const Case& c) {
    std::vector<std::string> command{ZORVA_BASH,
                                     "--norc",
                                     "--noprofile",
                                     completion_drivers / "complete.bash",
                                     ZORVA_BASH_COMPLETION,
                                     installation().prefix.path() / "share"};
    command.insert(command.end(), c.words.begin(), c.words.end());
    return command;
}

std::vector<std::string> zsh_command(const Case& c) {
    return {ZORVA_ZSH, "-f", completion_drivers / "complete.zsh",
            installation().prefix.path() / "share" / "zsh" / "vendor-completions",
            command_line(c.words)};
}

std::vector<std::string> fish_command(const Case& c) {
    return {"XDG_DATA_DIRS=" + (installation().prefix.path() / "share").string(), ZORVA_FISH, "-c",
            "complete -C $argv[1]", command_line(c.words)};
}

void expect_completions(const Shell& shell) {
    if (std::string(shell.program).empty()) {
        GTEST_SKIP() << shell.name << " is not installed; scripts/test installs it with apt-get";
    }
    const Installation& installed = installation();
    ASSERT_EQ(installed.install.status, 0) << installed.install.out << installed.install.err;
    for (const Case& c : cases) {
        SCOPED_TRACE(shell.name + std::string(": ") + command_line(c.words) + "<Tab>");
        RunOptions options;
        options.timeout_seconds = 30;
        const RunResult run =
            run_program(installed.in_files_directory(shell.command(c)), {}, options);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(sorted_lines(run.out), expected(c, shell.with_descriptions));
    }
}

TEST(CompletionTest, BashCompletesTheOptionsAndFormatsAndNothingElse) {
    if (std::string(ZORVA_BASH_COMPLETION).empty()) {
        GTEST_SKIP() << "bash-completion is not installed; scripts/test installs it with apt-get";
    }
    expect_completions({"bash", ZORVA_BASH, false, bash_command});
}

TEST(CompletionTest, ZshCompletesTheOptionsAndFormatsWithTheirDescriptions) {
    expect_completions({"zsh", ZORVA_ZSH, true, zsh_command});
}

TEST(CompletionTest, FishCompletesTheOptionsAndFormatsWithTheirDescriptions) {
    expect_completions({"fish", ZORVA_FISH, true, fish_command});
}

TEST(CompletionTest, HelpListsTheNineOptions) {
    // The other tests take their options from here: an empty list would make them vacuous.
    EXPECT_EQ(options_of_help().size(), 18U);
}

TEST(CompletionTest, EveryFormatOfferedIsOneZorvaAccepts) {
    for (const Candidate& format : offered_formats) {
        SCOPED_TRACE(format.word);
        const RunResult run = run_zorva({"1234.5678", "-f", format.word});
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find_first_of("0123456789"), std::string::npos) << run.out;
    }
}

}  // namespace
}  // namespace zorva::testing
