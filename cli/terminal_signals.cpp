// SPDX-License-Identifier: MIT
#include "cli/terminal_signals.h"

#include <sys/select.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <ctime>

namespace zorva {
namespace {

// The handlers can reach nothing but these; only one TerminalSignals exists at a time.
int terminal_fd = -1;
termios original_modes{};
volatile sig_atomic_t resized = 0;
volatile sig_atomic_t resumed = 0;

constexpr std::array handled_signals = {SIGHUP,  SIGINT,   SIGQUIT, SIGTERM,
                                        SIGTSTP, SIGWINCH, SIGCONT};
std::array<struct sigaction, handled_signals.size()> previous_actions{};
std::array<bool, handled_signals.size()> installed{};

void restore_modes() { ::tcsetattr(terminal_fd, TCSANOW, &original_modes); }

void set_action(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a signal must cut the wait for input short
    ::sigaction(signal, &action, nullptr);
}

void on_ending_signal(int signal) {
    restore_modes();
    // Blocked while this handler runs, the signal ends the process with the default action
    // as soon as the handler returns.
    set_action(signal, SIG_DFL);
    ::raise(signal);
}

void on_stop(int signal) {
    const int saved_errno = errno;
    restore_modes();
    set_action(signal, SIG_DFL);
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, signal);
    ::sigprocmask(SIG_UNBLOCK, &stop, nullptr);
    ::raise(signal);  // stops here, or does nothing in an orphaned process group
    set_action(signal, &on_stop);
    errno = saved_errno;
}

void on_resize(int) { resized = 1; }
void on_continue(int) { resumed = 1; }

using Handler = void (*)(int);
Handler handler_of(int signal) {
    switch (signal) {
        case SIGTSTP: return &on_stop;
        case SIGWINCH: return &on_resize;
        case SIGCONT: return &on_continue;
        default: return &on_ending_signal;
    }
}

sigset_t noted_signals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGWINCH);
    sigaddset(&set, SIGCONT);
    return set;
}

}  // namespace

TerminalSignals::TerminalSignals(int terminal) {
    terminal_fd = terminal;
    ::tcgetattr(terminal, &original_modes);
    resized = 0;
    resumed = 0;
    const sigset_t noted = noted_signals();
    ::sigprocmask(SIG_BLOCK, &noted, &previous_mask_);
    for (std::size_t i = 0; i < handled_signals.size(); ++i) {
        ::sigaction(handled_signals[i], nullptr, &previous_actions[i]);
        installed[i] = previous_actions[i].sa_handler != SIG_IGN;
        if (installed[i]) set_action(handled_signals[i], handler_of(handled_signals[i]));
    }
}

TerminalSignals::~TerminalSignals() {
    for (std::size_t i = 0; i < handled_signals.size(); ++i) {
        if (installed[i]) ::sigaction(handled_signals[i], &previous_actions[i], nullptr);
    }
    ::sigprocmask(SIG_SETMASK, &previous_mask_, nullptr);
}

TerminalSignals::Wait TerminalSignals::wait_for_input() const {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(terminal_fd, &readable);
    // Unblocks the noted signals for the time of the wait only, with no gap in which one
    // could come and be missed.
    const int ready =
        ::pselect(terminal_fd + 1, &readable, nullptr, nullptr, nullptr, &previous_mask_);
    if (ready > 0) return Wait::Ready;
    return ready < 0 && errno == EINTR ? Wait::Interrupted : Wait::Failed;
}

bool TerminalSignals::take_resized() {
    const bool was = resized != 0;
    resized = 0;
    return was;
}

bool TerminalSignals::take_resumed() {
    const bool was = resumed != 0;
    resumed = 0;
    return was;
}

void TerminalSignals::suspend() {
    ::kill(0, SIGTSTP);
    // The continue is handled here, by the caller; the SIGCONT that is still pending (it is
    // blocked) must not make the editor redraw a second time.
    const sigset_t continued = [] {
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, SIGCONT);
        return set;
    }();
    const timespec no_wait{};
    ::sigtimedwait(&continued, nullptr, &no_wait);
    resumed = 0;
}

}  // namespace zorva
