// SPDX-License-Identifier: MIT
#include "pty_session.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <stdexcept>

extern char** environ;  // NOLINT(readability-redundant-declaration): POSIX asks for it

namespace zorva::testing {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto time_limit = std::chrono::seconds(10);

int milliseconds_until(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

std::string_view name_of(std::string_view variable) {
    return variable.substr(0, variable.find('='));
}

std::vector<std::string> environment_with(const std::vector<std::string>& variables) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        bool replaced = false;
        for (const std::string& variable : variables) {
            replaced = replaced || name_of(variable) == name_of(*entry);
        }
        if (!replaced) entries.emplace_back(*entry);
    }
    for (const std::string& variable : variables) {
        if (variable.find('=') != std::string::npos) entries.push_back(variable);
    }
    return entries;
}

std::vector<char*> pointers_to(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    pointers.reserve(texts.size() + 1);
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

winsize winsize_of(WindowSize size) {
    winsize window{};
    window.ws_row = size.rows;
    window.ws_col = size.columns;
    return window;
}

void set_disposition(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
}

// The keeper's record of the program, for its hangup handler.
volatile sig_atomic_t hangup_target = 0;

void pass_hangup_on(int) { ::kill(static_cast<pid_t>(hangup_target), SIGHUP); }

// Everything from here to the exec runs in a forked copy of a process that may have threads,
// so it makes only async-signal-safe calls.

// The job: in a process group of its own, which it makes the terminal's foreground group the
// way a shell's child does, with SIGTTOU held off for that one call.
[[noreturn]] void exec_program(int terminal, char* const* argv, char* const* envp) {
    ::setpgid(0, 0);
    sigset_t ttou;
    sigset_t before;
    sigemptyset(&ttou);
    sigaddset(&ttou, SIGTTOU);
    ::sigprocmask(SIG_BLOCK, &ttou, &before);
    ::tcsetpgrp(terminal, ::getpid());
    ::sigprocmask(SIG_SETMASK, &before, nullptr);
    set_disposition(SIGPIPE, SIG_DFL);  // the test process ignores it; a shell would not
    ::dup2(terminal, STDIN_FILENO);
    ::dup2(terminal, STDOUT_FILENO);
    ::dup2(terminal, STDERR_FILENO);
    if (terminal > STDERR_FILENO) ::close(terminal);
    ::execve(argv[0], argv, envp);
    ::_exit(127);
}

// The session leader: takes the terminal, starts the job, tells the test process its id, and
// ends as the job ends, with its exit status or 128 + the signal that ended it.
[[noreturn]] void keep(int terminal, int report, char* const* argv, char* const* envp) {
    ::setsid();
    ::ioctl(terminal, TIOCSCTTY, 0);
    const pid_t program = ::fork();
    if (program == 0) exec_program(terminal, argv, envp);
    if (program < 0) ::_exit(126);
    ::close(terminal);
    hangup_target = program;
    set_disposition(SIGHUP, &pass_hangup_on);
    const ssize_t written = ::write(report, &program, sizeof program);
    ::close(report);
    if (written != static_cast<ssize_t>(sizeof program)) ::kill(program, SIGKILL);
    int status = 0;
    while (::waitpid(program, &status, 0) < 0) {
        if (errno != EINTR) ::_exit(126);
    }
    ::_exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
}

}  // namespace

PtySession::PtySession(const std::vector<std::string>& words,
                       const std::vector<std::string>& variables, WindowSize size,
                       const std::string& program) {
    winsize window = winsize_of(size);
    if (::openpty(&controller_, &terminal_, nullptr, nullptr, &window) != 0) {
        throw std::runtime_error("openpty failed");
    }
    std::vector<std::string> arguments{program};
    arguments.insert(arguments.end(), words.begin(), words.end());
    try {
        modes_at_start_ = modes();
        start(std::move(arguments), environment_with(variables));
    } catch (...) {
        ::close(controller_);
        ::close(terminal_);
        throw;
    }
}

void PtySession::start(std::vector<std::string> arguments, std::vector<std::string> environment) {
    std::vector<char*> argv = pointers_to(arguments);
    std::vector<char*> envp = pointers_to(environment);
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    keeper_ = ::fork();
    if (keeper_ == 0) {
        ::close(controller_);
        ::close(report[0]);
        keep(terminal_, report[1], argv.data(), envp.data());
    }
    ::close(report[1]);
    if (keeper_ < 0) {
        ::close(report[0]);
        throw std::runtime_error("fork failed");
    }
    ssize_t n = 0;
    do {
        n = ::read(report[0], &program_, sizeof program_);
    } while (n < 0 && errno == EINTR);
    ::close(report[0]);
    if (n != static_cast<ssize_t>(sizeof program_)) {
        program_ = -1;
        throw std::runtime_error("the program did not start");
    }
}

PtySession::~PtySession() {
    if (keeper_ > 0) {
        ::kill(program_, SIGKILL);
        ::kill(keeper_, SIGKILL);
        while (::waitpid(keeper_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    if (controller_ >= 0) ::close(controller_);
    ::close(terminal_);
}

void PtySession::type(std::string_view keys) {
    const auto deadline = Clock::now() + time_limit;
    while (!keys.empty()) {
        // The program may be writing as fast as it reads; left unread, the terminal's output
        // fills and both sides would wait for ever.
        pollfd fd{controller_, POLLIN | POLLOUT, 0};
        const int left = milliseconds_until(deadline);
        if (left == 0) throw std::runtime_error("the program takes no more keys");
        if (::poll(&fd, 1, std::min(left, 100)) <= 0) {
            // The session's own end keeps the terminal open, so keys sent to a program that
            // has ended pile up until the terminal is full; say why instead.
            if (!running()) throw std::runtime_error("the program has ended");
            continue;
        }
        if ((fd.revents & POLLIN) != 0) read_some(0);
        if ((fd.revents & POLLOUT) == 0) continue;
        const ssize_t n = ::write(controller_, keys.data(), keys.size());
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) throw std::runtime_error("cannot type on the terminal");
        keys.remove_prefix(static_cast<std::size_t>(n));
    }
}

bool PtySession::read_some(int timeout_ms) {
    pollfd fd{controller_, POLLIN, 0};
    if (::poll(&fd, 1, timeout_ms) <= 0) return false;
    char buffer[4096];
    const ssize_t n = ::read(controller_, buffer, sizeof buffer);
    if (n <= 0) return false;
    screen_.append(buffer, static_cast<std::size_t>(n));
    return true;
}

bool PtySession::expect(std::string_view text) {
    const auto deadline = Clock::now() + time_limit;
    for (;;) {
        const std::size_t found = screen_.find(text, matched_);
        if (found != std::string::npos) {
            matched_ = found + text.size();
            return true;
        }
        const int left = milliseconds_until(deadline);
        if (left == 0) return false;
        read_some(left);
    }
}

void PtySession::forget_screen() {
    screen_.clear();
    matched_ = 0;
}

bool PtySession::running() {
    if (keeper_ <= 0) return false;
    // Looked at without being collected, so that wait_for_exit still finds the status.
    siginfo_t info{};
    int result = 0;
    do {
        result = ::waitid(P_PID, static_cast<id_t>(keeper_), &info, WEXITED | WNOHANG | WNOWAIT);
    } while (result < 0 && errno == EINTR);
    return result == 0 && info.si_pid == 0;
}

int PtySession::wait_for_exit() {
    const auto deadline = Clock::now() + time_limit;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(keeper_, &status, WNOHANG);
        if (done == keeper_) break;
        if (done < 0 && errno != EINTR) return -1;
        if (milliseconds_until(deadline) == 0) return -1;  // the destructor kills it
        // Reading on keeps a program that still writes from blocking on a full terminal; with
        // the terminal closed, this is only a pause.
        read_some(10);
    }
    keeper_ = -1;
    while (read_some(0)) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

termios PtySession::modes() const {
    termios modes{};
    if (::tcgetattr(terminal_, &modes) != 0) throw std::runtime_error("tcgetattr failed");
    return modes;
}

void PtySession::send_signal(int signal) const {
    if (::kill(program_, signal) != 0) throw std::runtime_error("kill failed");
}

bool PtySession::wait_for_state(char state) {
    const auto deadline = Clock::now() + time_limit;
    const std::string status_file = "/proc/" + std::to_string(program_) + "/stat";
    for (;;) {
        // The state follows the command's name, which is in parentheses and may hold blanks.
        std::ifstream file(status_file);
        const std::string stat((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
        const std::size_t name_end = stat.rfind(") ");
        if (name_end != std::string::npos && name_end + 2 < stat.size() &&
            stat[name_end + 2] == state) {
            return true;
        }
        if (milliseconds_until(deadline) == 0) return false;
        read_some(10);
    }
}

bool PtySession::wait_until_stopped() { return wait_for_state('T'); }

bool PtySession::wait_until_idle() { return wait_for_state('S'); }

void PtySession::resize(WindowSize size) const {
    const winsize window = winsize_of(size);
    if (::ioctl(controller_, TIOCSWINSZ, &window) != 0) throw std::runtime_error("resize failed");
}

void PtySession::hang_up() {
    ::close(controller_);
    controller_ = -1;
}

bool same_modes(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

}  // namespace zorva::testing
