// SPDX-License-Identifier: MIT
#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <stdexcept>

extern char** environ;  // NOLINT(readability-redundant-declaration): POSIX asks for it

namespace zorva::testing {
namespace {

using Clock = std::chrono::steady_clock;

struct Pipe {
    int read = -1;
    int write = -1;
    Pipe() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
        read = fds[0];
        write = fds[1];
    }
};

void close_fd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// The child's descriptors: the three pipes, unless the options replace one of them.
class Spawning {
public:
    Spawning(const Pipe& in, const Pipe& out, const Pipe& err, const RunOptions& options) {
        posix_spawn_file_actions_init(&actions_);
        if (options.input_closed) {
            posix_spawn_file_actions_addclose(&actions_, STDIN_FILENO);
        } else {
            posix_spawn_file_actions_adddup2(&actions_, in.read, STDIN_FILENO);
        }
        switch (options.output) {
            case OutputTarget::Closed:
                posix_spawn_file_actions_addclose(&actions_, STDOUT_FILENO);
                break;
            case OutputTarget::FullDevice:
                posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/full", O_WRONLY,
                                                 0);
                break;
            case OutputTarget::Captured:
            case OutputTarget::ReaderLeaves:
                posix_spawn_file_actions_adddup2(&actions_, out.write, STDOUT_FILENO);
                break;
        }
        posix_spawn_file_actions_adddup2(&actions_, err.write, STDERR_FILENO);
        // The test process ignores SIGPIPE, and an ignored signal stays ignored across exec.
        posix_spawnattr_init(&attributes_);
        sigset_t defaults;
        sigemptyset(&defaults);
        if (!options.sigpipe_ignored) sigaddset(&defaults, SIGPIPE);
        posix_spawnattr_setsigdefault(&attributes_, &defaults);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGDEF);
    }
    ~Spawning() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    Spawning(const Spawning&) = delete;
    Spawning& operator=(const Spawning&) = delete;

    pid_t start(const std::string& path, std::vector<char*>& argv) {
        pid_t pid = 0;
        if (posix_spawn(&pid, path.c_str(), &actions_, &attributes_, argv.data(), environ) != 0)
            throw std::runtime_error("cannot start " + path);
        return pid;
    }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

int milliseconds_until(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Writes what the pipe takes of the rest of `input`; closes the pipe after the last byte,
// unless it is to stay open.
void write_some(int& fd, std::string_view input, std::size_t& written, bool left_open) {
    const ssize_t n = ::write(fd, input.data() + written, input.size() - written);
    if (n > 0) written += static_cast<std::size_t>(n);
    if (n < 0 || (written == input.size() && !left_open)) close_fd(fd);
}

// Appends what the pipe holds to `text`; closes the pipe at its end, or after one byte when
// the reader is to leave early.
void read_some(int& fd, std::string& text, bool one_byte) {
    char buffer[65536];
    const ssize_t n = ::read(fd, buffer, one_byte ? 1 : sizeof buffer);
    if (n > 0) text.append(buffer, static_cast<std::size_t>(n));
    if (n <= 0 || one_byte) close_fd(fd);
}

// Writes `input` to the child and reads both of its outputs until they close or the
// deadline passes.
RunResult exchange(Pipe& in, Pipe& out, Pipe& err, std::string_view input,
                   const RunOptions& options, Clock::time_point deadline) {
    RunResult result{};
    std::size_t written = 0;
    const bool left_open = options.input_left_open;
    if ((input.empty() && !left_open) || options.input_closed) close_fd(in.write);
    const bool reader_leaves = options.output == OutputTarget::ReaderLeaves;
    while (out.read >= 0 || err.read >= 0) {
        const int input_fd = written < input.size() ? in.write : -1;
        std::array<pollfd, 3> fds{
            {{out.read, POLLIN, 0}, {err.read, POLLIN, 0}, {input_fd, POLLOUT, 0}}};
        if (::poll(fds.data(), fds.size(), milliseconds_until(deadline)) <= 0) break;
        if (fds[2].revents != 0) write_some(in.write, input, written, left_open);
        if (fds[0].revents != 0) read_some(out.read, result.out, reader_leaves);
        if (fds[1].revents != 0) read_some(err.read, result.err, false);
    }
    close_fd(in.write);
    close_fd(out.read);
    close_fd(err.read);
    return result;
}

// Waits for the child until the deadline, then kills it: a test never hangs on a child.
int wait_for(pid_t pid, Clock::time_point deadline) {
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) throw std::runtime_error("waitpid failed");
        if (Clock::now() >= deadline) ::kill(pid, SIGKILL);
        ::usleep(1000);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

RunResult run_zorva(const std::vector<std::string>& words, std::string_view input,
                    const RunOptions& options) {
    std::vector<std::string> argv{zorva_binary()};
    argv.insert(argv.end(), words.begin(), words.end());
    return run_program(argv, input, options);
}

RunResult run_program(const std::vector<std::string>& command, std::string_view input,
                      const RunOptions& options) {
    std::signal(SIGPIPE, SIG_IGN);  // a child that stops reading must not end the test
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(options.timeout_seconds);
    Pipe in;
    Pipe out;
    Pipe err;
    std::vector<std::string> copies(command);
    std::vector<char*> argv;
    argv.reserve(copies.size() + 1);
    for (std::string& word : copies) argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    {
        Spawning spawning(in, out, err, options);
        pid = spawning.start(copies.at(0), argv);
    }
    close_fd(in.read);
    close_fd(out.write);
    close_fd(err.write);
    if (options.output == OutputTarget::Closed || options.output == OutputTarget::FullDevice)
        close_fd(out.read);

    RunResult result = exchange(in, out, err, input, options, deadline);
    result.status = wait_for(pid, deadline);
    return result;
}

}  // namespace zorva::testing
