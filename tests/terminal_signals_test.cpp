// SPDX-License-Identifier: MIT
// The ways out of the prompt, window resizes and job control, on a pseudo-terminal: the line
// being typed survives, and the terminal is left as the program found it.
#include <csignal>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "pty_expect.h"
#include "pty_session.h"

namespace zorva::testing {
namespace {

/// The prompt is up and the editor holds the terminal: its modes are no longer the start's.
void expect_editing(PtySession& session) {
    ASSERT_TRUE(session.expect(tty_banner)) << session.screen();
    expect_line(session, "6*7\r", "42");
    EXPECT_FALSE(same_modes(session.modes(), session.modes_at_start()));
}

void expect_restored(const PtySession& session, const std::string& what) {
    EXPECT_TRUE(same_modes(session.modes(), session.modes_at_start())) << what;
}

struct SignalEnding {
    int signal;
    const char* name;
};

// A signal that ends a process ends zorva the same way, so that its parent learns why, but
// only after the terminal is restored. "Bye..." belongs to the user's own ways out.
TEST(TerminalSignalsTest, AnEndingSignalRestoresTheTerminalFirst) {
    const std::vector<SignalEnding> endings = {
        {SIGTERM, "SIGTERM"},
        {SIGHUP, "SIGHUP"},
    };
    for (const SignalEnding& ending : endings) {
        PtySession session({});
        expect_editing(session);
        session.type("1+");
        ASSERT_TRUE(session.expect("1+")) << session.screen();
        session.send_signal(ending.signal);
        EXPECT_EQ(session.wait_for_exit(), 128 + ending.signal) << ending.name;
        expect_restored(session, ending.name);
        EXPECT_EQ(session.screen().find("Bye..."), std::string::npos) << ending.name;
    }
}

TEST(TerminalSignalsTest, AClosedTerminalEndsTheProgram) {
    PtySession session({});
    expect_editing(session);
    session.type("1+");
    ASSERT_TRUE(session.expect("1+")) << session.screen();
    session.hang_up();
    // The program either reads the end of its input and then cannot write "Bye..." (status
    // 2), or is ended by the hangup; it must not wait or spin on a terminal that is gone.
    const int status = session.wait_for_exit();
    EXPECT_TRUE(status == 2 || status == 128 + SIGHUP) << "status " << status;
}

// The user's ways out, from the middle of a line where a line can be left.
TEST(TerminalSignalsTest, EveryKeyThatEndsRestoresTheTerminal) {
    const std::vector<std::pair<std::string, std::string>> endings = {
        {"1+2\x01\x0b"
         "exit\r",
         "exit\r\nBye...\r\n"},                 // a line cleared, then "exit"
        {"1+2\x03", "1+2\r\nBye...\r\n"},       // Ctrl-C mid-line
        {"1+2\x01\x0b\x04", "\r\nBye...\r\n"},  // Ctrl-D once the line is empty
    };
    for (const auto& [keys, end] : endings) {
        PtySession session({});
        expect_editing(session);
        session.type(keys);
        EXPECT_TRUE(session.expect("Bye...\r\n")) << session.screen();
        EXPECT_EQ(session.wait_for_exit(), 0) << keys;
        EXPECT_TRUE(session.screen().ends_with(end)) << "keys: " << keys << "\n"
                                                     << session.screen();
        expect_restored(session, keys);
    }
}

TEST(TerminalSignalsTest, ALineSurvivesResizes) {
    PtySession session({}, {"TERM=xterm"}, {24, 80});
    expect_editing(session);
    session.type("12+");
    ASSERT_TRUE(session.expect("12+")) << session.screen();
    session.resize({10, 20});
    session.type("3");
    session.resize({40, 132});
    session.resize({5, 8});
    expect_line(session, "0\r", "42");

    // A line longer than the window, cut narrower and then widened while it wraps, and
    // edited after each change.
    std::string sum = "1";
    for (int n = 0; n < 30; ++n) sum += "+1";
    session.resize({24, 20});
    session.type(sum);
    session.resize({24, 7});
    session.type(
        "\x01"
        "1");  // "11+1+..." at the start
    session.resize({50, 200});
    session.type("\x05+9");
    expect_line(session, "\r", "50");
    session.type("exit\r");
    EXPECT_TRUE(session.expect("Bye...\r\n")) << session.screen();
    EXPECT_EQ(session.wait_for_exit(), 0);
    expect_restored(session, "after resizes");
}

// Suspended, the program gives the terminal back as it found it, so the shell can use it; on
// resuming it takes it again and shows the line, which is still there to finish.
void expect_suspend_and_resume(void (*suspend)(PtySession&)) {
    PtySession session({});
    expect_editing(session);
    session.type("12+");
    ASSERT_TRUE(session.expect("12+")) << session.screen();
    suspend(session);
    ASSERT_TRUE(session.wait_until_stopped()) << session.screen();
    expect_restored(session, "suspended");
    const std::size_t shown_before = session.screen().size();
    session.send_signal(SIGCONT);
    EXPECT_TRUE(session.expect("12+")) << "the line is not shown again: " << session.screen();
    EXPECT_GT(session.matched_end(), shown_before);
    expect_line(session, "30\r", "42");
    // And once more in the same run.
    session.type("7");
    suspend(session);
    ASSERT_TRUE(session.wait_until_stopped()) << session.screen();
    session.send_signal(SIGCONT);
    expect_line(session, "*6\r", "42");
    session.type("exit\r");
    EXPECT_TRUE(session.expect("Bye...\r\n")) << session.screen();
    EXPECT_EQ(session.wait_for_exit(), 0);
    expect_restored(session, "after resuming");
}

TEST(TerminalSignalsTest, CtrlZSuspendsAndResumingKeepsTheLine) {
    expect_suspend_and_resume([](PtySession& session) { session.type("\x1a"); });
}

// As from another terminal, while the program waits for a key.
TEST(TerminalSignalsTest, SigtstpSuspendsAndResumingKeepsTheLine) {
    expect_suspend_and_resume([](PtySession& session) {
        ASSERT_TRUE(session.wait_until_idle());
        session.send_signal(SIGTSTP);
    });
}

}  // namespace
}  // namespace zorva::testing
