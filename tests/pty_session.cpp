#include "pty_session.h"

#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
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

std::vector<std::string> environment_with(const std::vector<std::string>& variables) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view name(*entry, std::strcspn(*entry, "="));
        bool replaced = false;
        for (const std::string& variable : variables) {
            replaced = replaced || (variable.starts_with(name) && variable[name.size()] == '=');
        }
        if (!replaced) entries.emplace_back(*entry);
    }
    entries.insert(entries.end(), variables.begin(), variables.end());
    return entries;
}

std::vector<char*> pointers_to(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    pointers.reserve(texts.size() + 1);
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

PtySession::PtySession(const std::vector<std::string>& words,
                       const std::vector<std::string>& variables) {
    winsize size{};
    size.ws_row = 24;
    size.ws_col = 80;
    if (::openpty(&controller_, &terminal_, nullptr, nullptr, &size) != 0) {
        throw std::runtime_error("openpty failed");
    }
    std::vector<std::string> arguments{ZORVA_BINARY};
    arguments.insert(arguments.end(), words.begin(), words.end());
    std::vector<std::string> environment = environment_with(variables);
    std::vector<char*> argv = pointers_to(arguments);
    std::vector<char*> envp = pointers_to(environment);

    pid_ = ::fork();
    if (pid_ < 0) {
        ::close(controller_);
        ::close(terminal_);
        throw std::runtime_error("fork failed");
    }
    if (pid_ == 0) {
        // Only async-signal-safe calls between fork and exec.
        ::setsid();
        ::ioctl(terminal_, TIOCSCTTY, 0);
        ::dup2(terminal_, STDIN_FILENO);
        ::dup2(terminal_, STDOUT_FILENO);
        ::dup2(terminal_, STDERR_FILENO);
        ::close(controller_);
        ::close(terminal_);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
}

PtySession::~PtySession() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    ::close(controller_);
    ::close(terminal_);
}

void PtySession::type(std::string_view keys) {
    while (!keys.empty()) {
        const ssize_t n = ::write(controller_, keys.data(), keys.size());
        if (n < 0 && errno == EINTR) continue;
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

int PtySession::wait_for_exit() {
    const auto deadline = Clock::now() + time_limit;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid_, &status, WNOHANG);
        if (done == pid_) break;
        if (done < 0 && errno != EINTR) return -1;
        if (milliseconds_until(deadline) == 0) return -1;  // the destructor kills it
        // Reading on keeps a program that still writes from blocking on a full terminal.
        read_some(10);
    }
    pid_ = -1;
    while (read_some(0)) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

termios PtySession::modes() const {
    termios modes{};
    if (::tcgetattr(terminal_, &modes) != 0) throw std::runtime_error("tcgetattr failed");
    return modes;
}

bool same_modes(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

}  // namespace zorva::testing
