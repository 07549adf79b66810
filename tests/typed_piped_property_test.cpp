// SPDX-License-Identifier: MIT
// Random lines typed at the prompt print the same bytes as the same lines piped in.
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected_run.h"
#include "typed_lines.h"

namespace zorva::testing {
namespace {

// What a line is made of: every printable ASCII character alone, the pieces of statements,
// and characters of two, three and four bytes in UTF-8.
std::vector<std::string> line_pieces() {
    std::vector<std::string> pieces;
    for (char c = ' '; c <= '~'; ++c) pieces.emplace_back(1, c);
    for (const char* piece : {"12", "3.5",   "1e3",  "0.1",  "+",      "-",    "*",  "/",  "^",
                              "!",  "(",     ")",    "=",    ";",      " ",    "a",  "b1", "PI",
                              "E",  "sqrt(", "abs(", "sin(", "floor(", "log(", "mb", "gb"}) {
        pieces.emplace_back(piece);
    }
    for (const char* piece : {"é", "×", "π",    "ß", "ñ",  "Ω",  "µ",  "÷",  // two bytes
                              "€", "√", "≤",    "…", "中", "日", "あ", "→",  // three bytes
                              "😀", "𝑥", "🙂", "𝔸", "🎉"}) {                 // four bytes
        pieces.emplace_back(piece);
    }
    return pieces;
}

std::vector<std::string> random_lines(std::mt19937& random, int count) {
    const std::vector<std::string> pieces = line_pieces();
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 24);
    std::vector<std::string> lines;
    while (static_cast<int>(lines.size()) < count) {
        std::string line;
        for (int n = length(random); n > 0; --n) line += pieces[piece(random)];
        // "exit" would end the run early, and rand gives another number in each run.
        if (line != "exit" && line.find("rand") == std::string::npos) lines.push_back(line);
    }
    return lines;
}

unsigned seed_to_use() {
    const char* chosen = std::getenv("ZORVA_TEST_SEED");
    return chosen != nullptr ? static_cast<unsigned>(std::strtoul(chosen, nullptr, 10))
                             : std::random_device{}();
}

int line_count() {
    const char* chosen = std::getenv("ZORVA_TEST_LINES");
    return chosen != nullptr ? std::atoi(chosen) : 150;
}

TEST(TypedPipedPropertyTest, RandomLinesPrintTheSameTypedAsPiped) {
    const unsigned seed = seed_to_use();
    SCOPED_TRACE("ZORVA_TEST_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    const std::vector<std::string> lines = random_lines(random, line_count());
    for (const char* locale : {"LC_ALL=C.UTF-8", "LANG"}) {
        const std::vector<std::string> variables = with_locale({locale});
        const RunResult piped = pipe_lines(lines, {}, variables);
        const TypedRun typed = type_lines(lines, {}, variables);
        ASSERT_EQ(typed.failure, "") << locale;
        expect_run({typed.out, "", typed.status}, piped.out, piped.status,
                   std::string("typed lines, ") + locale);
    }
}

}  // namespace
}  // namespace zorva::testing
