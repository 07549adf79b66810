#pragma once

#include <sys/types.h>
#include <termios.h>

#include <string>
#include <string_view>
#include <vector>

namespace zorva::testing {

/// The built zorva on a pseudo-terminal of its own, driven like a person at the keyboard.
/// Every wait has a time limit, and a program still running at the end is killed.
class PtySession {
public:
    /// Starts zorva with `words` after its name, in this process's environment changed by
    /// `variables` ("NAME=value" each).
    explicit PtySession(const std::vector<std::string>& words,
                        const std::vector<std::string>& variables = {"TERM=xterm"});
    ~PtySession();
    PtySession(const PtySession&) = delete;
    PtySession& operator=(const PtySession&) = delete;

    /// Sends `keys` as typed.
    void type(std::string_view keys);
    /// Waits until the terminal shows `text` after the end of the previous match; false when
    /// it does not within a few seconds.
    bool expect(std::string_view text);
    /// Waits for the program to end: its exit status, 128 + the signal that ended it, or -1
    /// when it is still running after a few seconds (it is killed then).
    int wait_for_exit();
    /// Everything the terminal has shown so far.
    const std::string& screen() const { return screen_; }
    /// The terminal's modes now; the session keeps its own end of the terminal open, so they
    /// can still be read after the program has ended.
    termios modes() const;

private:
    bool read_some(int timeout_ms);

    int controller_ = -1;
    int terminal_ = -1;
    pid_t pid_ = -1;
    std::string screen_;
    std::size_t matched_ = 0;
};

/// Whether two sets of terminal modes are the same in every flag and control character.
bool same_modes(const termios& a, const termios& b);

}  // namespace zorva::testing
