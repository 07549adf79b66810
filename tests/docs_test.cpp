// SPDX-License-Identifier: MIT
// The documentation against the built binary: every "$ " example of README.md and of the
// manual page must print exactly the lines shown under it, and the page must render cleanly.
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "process.h"

namespace zorva::testing {
namespace {

const std::filesystem::path source_dir = ZORVA_SOURCE_DIR;
const std::filesystem::path man_page = source_dir / "doc" / "zorva.1";

struct Example {
    std::string command;
    std::string output;  // the lines under the command, each with its line break
};

std::vector<std::string> read_lines(const std::filesystem::path& path) {
    std::ifstream file(path);
    EXPECT_TRUE(file) << "cannot read " << path;
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

// How a document marks its blocks of examples, and how a line in them reads as plain text.
struct ExampleBlocks {
    std::function<bool(const std::string&)> opens;
    std::function<bool(const std::string&)> closes;
    std::function<std::string(const std::string&)> plain_text;
};

// Inside the blocks, a line "$ COMMAND" starts an example and the lines after it, up to the
// next command or the end of the block, are its output.
std::vector<Example> find_examples(const std::vector<std::string>& lines,
                                   const ExampleBlocks& blocks) {
    std::vector<Example> examples;
    bool in_block = false;
    bool in_example = false;
    for (const std::string& raw : lines) {
        if (!in_block) {
            in_block = blocks.opens(raw);
            continue;
        }
        if (blocks.closes(raw)) {
            in_block = in_example = false;
            continue;
        }
        const std::string line = blocks.plain_text(raw);
        if (line.starts_with("$ ")) {
            examples.push_back({line.substr(2), {}});
            in_example = true;
        } else if (in_example) {
            examples.back().output += line + '\n';
        }
    }
    return examples;
}

// The escapes that the page's examples use; any other is a failure, not a silent guess.
std::string unescape_roff(const std::string& line) {
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\') {
            text += line[i];
        } else if (line.compare(i, 4, "\\(aq") == 0) {
            text += '\'';
            i += 3;
        } else if (line.compare(i, 4, "\\(dq") == 0) {
            text += '"';
            i += 3;
        } else if (line.compare(i, 2, "\\-") == 0) {
            text += '-';
            ++i;
        } else if (line.compare(i, 2, "\\e") == 0) {
            text += '\\';
            ++i;
        } else if (line.compare(i, 2, "\\&") == 0) {
            ++i;
        } else {
            ADD_FAILURE() << "unknown escape in the manual page's example line: " << line;
        }
    }
    return text;
}

// Runs the command as a shell would from the README, with the built zorva first on the PATH.
void expect_examples_hold(const std::vector<Example>& examples) {
    ASSERT_FALSE(examples.empty()) << "no \"$ \" example was found";
    const std::string binary_dir = std::filesystem::path(ZORVA_BINARY).parent_path();
    for (const Example& example : examples) {
        const RunResult run = run_program(
            {"/bin/sh", "-c", "PATH=\"$1:$PATH\"; " + example.command, "sh", binary_dir});
        EXPECT_EQ(run.out, example.output) << "$ " << example.command;
        EXPECT_EQ(run.err, "") << "$ " << example.command;
        EXPECT_EQ(run.status, 0) << "$ " << example.command;
    }
}

TEST(ReadmeTest, ExamplesPrintWhatTheyShow) {
    const auto fence = [](const std::string& line) { return line.starts_with("```"); };
    const auto as_is = [](const std::string& line) { return line; };
    expect_examples_hold(
        find_examples(read_lines(source_dir / "README.md"), {fence, fence, as_is}));
}

TEST(ManPageTest, ExamplesPrintWhatTheyShow) {
    const ExampleBlocks blocks{[](const std::string& line) { return line == ".EX"; },
                               [](const std::string& line) { return line == ".EE"; },
                               unescape_roff};
    expect_examples_hold(find_examples(read_lines(man_page), blocks));
}

TEST(ManPageTest, RendersWithoutWarnings) {
    const std::string groff = ZORVA_GROFF;
    if (groff.empty()) GTEST_SKIP() << "groff is not installed";
    const RunResult run = run_program({groff, "-man", "-Tutf8", "-ww", "-z", man_page});
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
}

}  // namespace
}  // namespace zorva::testing
