// SPDX-License-Identifier: MIT
#pragma once

#include <csignal>

namespace zorva {

/// The signals that concern the terminal while the line editor owns it. A signal that ends
/// the process (SIGHUP, SIGINT, SIGQUIT, SIGTERM) first puts the terminal's modes back as they
/// were when this object was made; a stop (SIGTSTP) does the same before the process stops. A
/// resize (SIGWINCH) and a continue (SIGCONT) are only noted: they are blocked except while
/// wait_for_input waits, so that the editor acts on them between two keys. Signals that were
/// ignored stay ignored. One object at a time; its end restores the handlers and the mask.
class TerminalSignals {
public:
    enum class Wait { Ready, Interrupted, Failed };

    explicit TerminalSignals(int terminal);
    ~TerminalSignals();
    TerminalSignals(const TerminalSignals&) = delete;
    TerminalSignals& operator=(const TerminalSignals&) = delete;

    /// Waits until the terminal has input (Ready) or a signal has come (Interrupted).
    Wait wait_for_input() const;
    /// Whether the window has changed its size since the last call.
    static bool take_resized();
    /// Whether the process has been continued after a stop since the last call.
    static bool take_resumed();
    /// Stops the process group as Ctrl-Z does with a shell's job control, and returns once
    /// the process continues (at once when nothing stops it).
    static void suspend();

private:
    sigset_t previous_mask_{};
};

}  // namespace zorva
