#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>

extern char** environ;  // NOLINT(readability-redundant-declaration): POSIX asks for it

namespace zorva::testing {
namespace {

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

// Writes what the pipe takes of the rest of `input`; closes the pipe after the last byte.
void write_some(int& fd, std::string_view input, std::size_t& written) {
    const ssize_t n = ::write(fd, input.data() + written, input.size() - written);
    if (n > 0) written += static_cast<std::size_t>(n);
    if (n < 0 || written == input.size()) close_fd(fd);
}

// Appends what the pipe holds to `text`; closes the pipe at its end.
void read_some(int& fd, std::string& text) {
    char buffer[65536];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) {
        close_fd(fd);
    } else {
        text.append(buffer, static_cast<std::size_t>(n));
    }
}

// Writes `input` to the child and reads both of its outputs until they close.
RunResult exchange(Pipe& in, Pipe& out, Pipe& err, std::string_view input) {
    RunResult result{};
    std::size_t written = 0;
    if (input.empty()) close_fd(in.write);
    while (out.read >= 0 || err.read >= 0) {
        std::array<pollfd, 3> fds{
            {{out.read, POLLIN, 0}, {err.read, POLLIN, 0}, {in.write, POLLOUT, 0}}};
        if (::poll(fds.data(), fds.size(), 30000) <= 0) break;  // never hang a test
        if (fds[2].revents != 0) write_some(in.write, input, written);
        if (fds[0].revents != 0) read_some(out.read, result.out);
        if (fds[1].revents != 0) read_some(err.read, result.err);
    }
    close_fd(in.write);
    close_fd(out.read);
    close_fd(err.read);
    return result;
}

// The exit status, or 128 + the signal that ended the child.
int wait_for(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

RunResult run_zorva(const std::vector<std::string>& words, std::string_view input) {
    std::vector<std::string> argv{zorva_binary()};
    argv.insert(argv.end(), words.begin(), words.end());
    return run_program(argv, input);
}

RunResult run_program(const std::vector<std::string>& command, std::string_view input) {
    std::signal(SIGPIPE, SIG_IGN);  // a child that stops reading must not end the test
    Pipe in;
    Pipe out;
    Pipe err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.read, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);

    std::vector<std::string> copies(command);
    std::vector<char*> argv;
    argv.reserve(copies.size() + 1);
    for (std::string& word : copies) argv.push_back(word.data());
    argv.push_back(nullptr);
    const std::string& name = copies.at(0);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, name.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close_fd(in.read);
    close_fd(out.write);
    close_fd(err.write);
    if (spawned != 0) throw std::runtime_error("cannot start " + name);

    RunResult result = exchange(in, out, err, input);
    result.status = wait_for(pid);
    return result;
}

}  // namespace zorva::testing
