// SPDX-License-Identifier: MIT
// The interactive mode end to end: lines piped in, and a person at a pseudo-terminal.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected_run.h"
#include "pty_expect.h"
#include "pty_session.h"

namespace zorva::testing {
namespace {

const std::string invalid_exit = "0\n\nWarning: Invalid token 'exit'" + closing;
const std::string nul(1, '\0');

struct PipedCase {
    std::string input;
    std::string out;  // between the banner and "Bye..."
};

TEST(InteractivePipedTest, EvaluatesEachLineAsItComes) {
    const std::vector<PipedCase> cases = {
        {"", ""},
        {"1+1\n2*3\n", "2\n6\n"},
        {"1+1\n2*3", "2\n6\n"},  // the last line has no line break
        {"\n\n4\n", "4\n"},
        {"1+1;2+2\n", "2\n4\n"},
        {"a=5\na*2\n", "10\n"},
        {"PI=3\nPI+1\n", "4\n"},
        {"8/0\n1\n", "0\n\nWarning: Division by zero/undefined." + closing + "1\n"},
        {"exit\n1\n", ""},
        {"1\nexit", "1\n"},
        {" exit\nexit \nexit;\nEXIT\n7\n", invalid_exit + invalid_exit + invalid_exit +
                                               "0\n\nWarning: Invalid token 'EXIT'" + closing +
                                               "7\n"},
        // A NUL byte is part of its line: what follows it still reaches the tokens.
        {"1" + nul + "2\n3\n", "0\n\nWarning: Invalid token '" + nul + "2'" + closing + "3\n"},
    };
    for (const PipedCase& c : cases) {
        const RunResult run = run_zorva({}, c.input);
        EXPECT_EQ(run.out, banner + c.out + bye) << "input: " << c.input;
        EXPECT_EQ(run.status, 0) << "input: " << c.input;
        EXPECT_EQ(run.err, "") << "input: " << c.input;
    }
}

TEST(InteractivePipedTest, ReadsLinesOfAnyLength) {
    const std::string long_line = std::string(std::size_t{10} * 1024 * 1024, ' ') + "6*7";
    const RunResult run = run_zorva({"-i"}, "1\n" + long_line + "\n" + long_line + "\n2");
    EXPECT_EQ(run.out, banner + "1\n42\n42\n2\n" + bye);
    EXPECT_EQ(run.status, 0);
}

void expect_bye(PtySession& session) {
    EXPECT_TRUE(session.expect("Bye...\r\n")) << session.screen();
    EXPECT_EQ(session.wait_for_exit(), 0);
    EXPECT_TRUE(same_modes(session.modes(), session.modes_at_start()));
}

TEST(InteractiveTerminalTest, EvaluatesLinesAndRecallsThem) {
    PtySession session({});
    ASSERT_TRUE(session.expect(tty_banner)) << session.screen();
    expect_line(session, "1+1\r", "2");
    session.type("a=5\r");
    ASSERT_TRUE(session.expect("a=5\r\n> ")) << session.screen();
    expect_line(session, "a*2\r", "10");
    expect_line(session, "\x1b[A\r", "10");  // Up: the line before
    expect_line(session, "1+1;2+2\r", "2\r\n4");
    expect_line(session, "\x1b[A\x1b[A\x1b[B\r", "2\r\n4");  // Up, Up, Down
    // A line run twice in a row is kept once, so two steps back is "a*2" again.
    expect_line(session, "\x1b[A\x1b[A\r", "10");
    session.type("exit\r");
    expect_bye(session);
}

TEST(InteractiveTerminalTest, EditsWithEmacsKeysAndArrows) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"12\x1b[D+\r", "3"},  // Left, then insert
        {"2*3\x01"
         "1\r",
         "36"},                          // Ctrl-A: to the start
        {"2*3\x01\x05+1\r", "7"},        // Ctrl-E: to the end
        {"5+100\x01\x1b[C\x0b\r", "5"},  // Right, then Ctrl-K: cut to the end
        {"123\x7f\r", "12"},             // Backspace
        {"12+3\x01\x04\r", "5"},         // Ctrl-D on a character deletes it
        {"9\x04*2\r", "18"},             // Ctrl-D at the end of a line does nothing
        {"3\x1b[H"
         "1\x1b[F"
         "4\r",
         "134"},  // Home and End
    };
    PtySession session({});
    ASSERT_TRUE(session.expect(tty_banner)) << session.screen();
    for (const auto& [keys, result] : cases) expect_line(session, keys, result);
}

// Ctrl-R searches the history back; a key that acts on the line ends the search and acts on
// the line found, with the cursor where the match starts.
TEST(InteractiveTerminalTest, AKeyEndsTheHistorySearchAndActs) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"\x1b[D", "9345"},  // Left
        {"\x1b[C", "3495"},  // Right
        {"\x1b[H", "9345"},  // Home
        {"\x1bOF", "3459"},  // End
        {"\x1b[3~", "395"},  // Delete
        {"\x01", "9345"},    // Ctrl-A
        {"\x1b"
         "f",
         "3459"},  // Alt-f
    };
    const std::string ctrl_r(1, '\x12');
    PtySession session({});
    ASSERT_TRUE(session.expect(tty_banner)) << session.screen();
    for (const auto& [key, result] : cases) {
        expect_line(session, "345\r", "345");
        expect_line(session, ctrl_r + "4" + key + "9\r", result);
    }
    session.type("exit\r");
    expect_bye(session);
}

std::string plus_ones(std::size_t count) {
    std::string text;
    for (std::size_t n = 0; n < count; ++n) text += "+1";
    return text;
}

// A line that reaches the bottom of a small window, edited at its end after the cursor has been
// moved. libedit's own cursor motions could lose count of the cursor's row: they cannot put
// it on a row below the window, and count a character wider than the window (a byte that is
// not UTF-8 is shown as a code such as \U+DCA4) as one row. The next character typed at the
// end that filled the window's last row wrote through a null pointer.
TEST(InteractiveTerminalTest, EditsALineThatFillsTheWindow) {
    struct Edit {
        WindowSize window;
        std::string keys;
        std::string result;
    };
    const std::string home = "\x1b[H";
    const std::string end = "\x1b[F";
    const std::string delete_key = "\x1b[3~";
    const std::vector<Edit> edits = {
        // Taller than the window, to the start and back to the end, then more rows typed.
        {{2, 3}, "1" + plus_ones(2) + home + end + plus_ones(3), "6"},
        {{3, 10}, "1" + plus_ones(15) + "\x01\x05" + plus_ones(15), "31"},  // Ctrl-A, Ctrl-E
        {{5, 8}, "1" + plus_ones(19) + "\x1bOH\x1bOF" + plus_ones(12), "32"},
        {{4, 20}, "1" + plus_ones(39) + "\x01\x1b[4~" + plus_ones(30), "70"},
        {{1, 40}, "1" + plus_ones(19) + home + end + plus_ones(20), "40"},
        // A code seven columns wide in a window three wide, End, and rows typed after it; the
        // code is then taken out again.
        {{10, 3}, "\xa4" + end + plus_ones(40) + home + delete_key + "0", "40"},
    };
    for (const Edit& edit : edits) {
        PtySession session({}, {"TERM=xterm"}, edit.window);
        ASSERT_TRUE(session.expect(tty_banner)) << session.screen();
        expect_line(session, edit.keys + "\r", edit.result);
        session.type("exit\r");
        expect_bye(session);
    }
}

TEST(InteractiveTerminalTest, ReadsNoEditorConfiguration) {
    std::string home = (std::filesystem::temp_directory_path() / "zorva-home-XXXXXX").string();
    ASSERT_NE(::mkdtemp(home.data()), nullptr);
    const std::string editrc = home + "/.editrc";
    // Were the file read, the key 7 would type "42".
    std::ofstream(editrc) << "bind -s 7 42\nzorva:bind -s 7 42\n";
    {
        PtySession session({}, {"TERM=xterm", "HOME=" + home, "EDITRC=" + editrc});
        ASSERT_TRUE(session.expect(tty_banner)) << session.screen();
        expect_line(session, "7\r", "7");
    }
    std::filesystem::remove_all(home);
}

TEST(InteractiveTerminalTest, HistoryKeepsTheLastHundredLines) {
    PtySession session({});
    ASSERT_TRUE(session.expect(tty_banner)) << session.screen();
    for (int n = 1; n <= 101; ++n)
        expect_line(session, std::to_string(n) + "\r", std::to_string(n));
    std::string up;
    for (int n = 0; n < 101; ++n) up += "\x1b[A";
    expect_line(session, up + "\r", "2");  // "1" has fallen out; Up stops at the oldest line
}

TEST(InteractiveTerminalTest, EndsWithByeAndRestoresTheTerminal) {
    const std::vector<std::pair<std::string, std::string>> endings = {
        {"exit\r", "> exit\r\nBye...\r\n"},
        {"\x04", "> \r\nBye...\r\n"},  // Ctrl-D on an empty line
        {"\x03", "> \r\nBye...\r\n"},  // Ctrl-C
        {"1+\x03", "> 1+\r\nBye...\r\n"},
    };
    for (const auto& [keys, end] : endings) {
        PtySession session({"-i"});
        ASSERT_TRUE(session.expect(tty_banner)) << session.screen();
        expect_line(session, "6*7\r", "42");
        session.type(keys);
        expect_bye(session);
        EXPECT_TRUE(session.screen().ends_with(end)) << "keys: " << keys << "\n"
                                                     << session.screen();
    }
}

}  // namespace
}  // namespace zorva::testing
