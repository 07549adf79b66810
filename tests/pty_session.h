// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>
#include <termios.h>

#include <string>
#include <string_view>
#include <vector>

#include "process.h"

namespace zorva::testing {

/// The size of a terminal window in character cells.
struct WindowSize {
    unsigned short rows = 24;
    unsigned short columns = 80;
};

/// The built zorva on a pseudo-terminal of its own, driven like a person at the keyboard.
/// Every wait has a time limit, and a program still running at the end is killed.
///
/// The program runs as a shell would run a foreground job: in a process group of its own, in
/// a session whose leader is a small keeper process that holds the terminal. So the terminal's
/// signals reach the program alone, and job control works: a stop signal stops it (in a
/// process group without such a parent the kernel would discard it).
class PtySession {
public:
    /// Starts `program` (the built zorva unless named) with `words` after its name, in this
    /// process's environment changed by `variables`: "NAME=value" sets, a bare "NAME" unsets.
    explicit PtySession(const std::vector<std::string>& words,
                        const std::vector<std::string>& variables = {"TERM=xterm"},
                        WindowSize size = {}, const std::string& program = zorva_binary());
    ~PtySession();
    PtySession(const PtySession&) = delete;
    PtySession& operator=(const PtySession&) = delete;

    /// Sends `keys` as typed, reading what the program shows meanwhile; throws when the
    /// program takes no key for a few seconds.
    void type(std::string_view keys);
    /// Waits until the terminal shows `text` after the end of the previous match; false when
    /// it does not within a few seconds.
    bool expect(std::string_view text);
    /// Waits for the program to end: its exit status, 128 + the signal that ended it, or -1
    /// when it is still running after a few seconds (it is killed then).
    int wait_for_exit();
    /// Whether the program has not ended yet.
    bool running();
    /// Everything the terminal has shown so far.
    const std::string& screen() const { return screen_; }
    /// Where in screen() the last match of expect ended.
    std::size_t matched_end() const { return matched_; }
    /// Forgets what the terminal has shown, so that a long session keeps little in memory.
    void forget_screen();
    /// The terminal's modes now; the session keeps its own end of the terminal open, so they
    /// can still be read after the program has ended.
    termios modes() const;
    /// The terminal's modes before the program started.
    const termios& modes_at_start() const { return modes_at_start_; }

    /// The program's process id.
    pid_t pid() const { return program_; }
    /// Sends `signal` to the program alone.
    void send_signal(int signal) const;
    /// Waits until the program is stopped by job control; false when it is not within a few
    /// seconds.
    bool wait_until_stopped();
    /// Waits until the program sleeps, as it does while it waits for a key; false when it
    /// does not within a few seconds.
    bool wait_until_idle();
    /// Changes the window's size, as a terminal emulator does: the kernel tells the
    /// foreground job with SIGWINCH.
    void resize(WindowSize size) const;
    /// Closes the terminal, as when its window is closed: the keeper, like a shell, passes
    /// the hangup on to the program.
    void hang_up();

private:
    void start(std::vector<std::string> arguments, std::vector<std::string> environment);
    bool read_some(int timeout_ms);
    bool wait_for_state(char state);

    int controller_ = -1;
    int terminal_ = -1;
    pid_t keeper_ = -1;
    pid_t program_ = -1;
    std::string screen_;
    std::size_t matched_ = 0;
    termios modes_at_start_{};
};

/// Whether two sets of terminal modes are the same in every flag and control character.
bool same_modes(const termios& a, const termios& b);

}  // namespace zorva::testing
