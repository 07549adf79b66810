// SPDX-License-Identifier: MIT
// zorva_measure RUNS INPUT PROGRAM [WORDS...]
//
// Runs PROGRAM RUNS times, one run after another, with INPUT streamed into its standard input
// through a pipe ("-" gives /dev/null) and its standard output and error on /dev/null. Prints
// one line: the wall time and the processor time (user and system) of all runs in nanoseconds,
// the largest peak resident memory of a run in kilobytes, and the exit status of the first run
// that failed (0 when none did).
//
// A child's peak memory as the kernel reports it is never below its parent's at the moment of
// spawning, so the timing is done by this small static program rather than by the script.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    int get() const { return fd_; }
    void reset(int fd = -1) {
        if (fd_ >= 0) close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

struct RunFigures {
    std::int64_t cpu_ns = 0;
    long max_rss_kb = 0;
    int status = 0;
};

[[noreturn]] void fail(const std::string& what) {
    std::perror(what.c_str());
    std::exit(2);
}

std::int64_t nanoseconds(const timeval& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_usec * 1'000;
}

int exit_status(int wait_status) {
    if (WIFEXITED(wait_status)) return WEXITSTATUS(wait_status);
    return 128 + WTERMSIG(wait_status);
}

// Copies in small pieces, so that this process stays small whatever the input's size. A child
// that ends before reading everything closes the pipe; the rest is dropped.
void stream_input(const std::string& path, int pipe_fd) {
    Fd file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) fail(path);
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const ssize_t got = read(file.get(), buffer.data(), buffer.size());
        if (got < 0) fail(path);
        if (got == 0) return;
        for (ssize_t sent = 0; sent < got;) {
            const ssize_t put =
                write(pipe_fd, buffer.data() + sent, static_cast<size_t>(got - sent));
            if (put < 0 && errno == EPIPE) return;
            if (put < 0) fail("write to child");
            sent += put;
        }
    }
}

RunFigures run_once(const std::string& input, std::vector<char*>& words) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    Fd pipe_read;
    Fd pipe_write;
    if (input == "-") {
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    } else {
        std::array<int, 2> ends{};
        if (pipe2(ends.data(), O_CLOEXEC) != 0) fail("pipe");
        pipe_read.reset(ends[0]);
        pipe_write.reset(ends[1]);
        posix_spawn_file_actions_adddup2(&actions, pipe_read.get(), 0);
    }
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    // This process ignores SIGPIPE to survive an early end of the child; the child must not.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

    pid_t child = 0;
    const int spawned = posix_spawn(&child, words[0], &actions, &attributes, words.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0) {
        errno = spawned;
        fail(words[0]);
    }
    pipe_read.reset();
    if (pipe_write.get() >= 0) stream_input(input, pipe_write.get());
    pipe_write.reset();

    int wait_status = 0;
    rusage usage{};
    if (wait4(child, &wait_status, 0, &usage) != child) fail("wait4");
    return {nanoseconds(usage.ru_utime) + nanoseconds(usage.ru_stime), usage.ru_maxrss,
            exit_status(wait_status)};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: zorva_measure RUNS INPUT PROGRAM [WORDS...]\n", stderr);
        return 2;
    }
    const long runs = std::strtol(argv[1], nullptr, 10);
    const std::string input = argv[2];
    std::vector<char*> words(argv + 3, argv + argc);
    words.push_back(nullptr);
    signal(SIGPIPE, SIG_IGN);

    RunFigures total;
    const auto start = std::chrono::steady_clock::now();
    for (long run = 0; run < runs; ++run) {
        const RunFigures figures = run_once(input, words);
        total.cpu_ns += figures.cpu_ns;
        if (figures.max_rss_kb > total.max_rss_kb) total.max_rss_kb = figures.max_rss_kb;
        if (total.status == 0) total.status = figures.status;
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const auto wall = std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count();
    std::printf("%lld %lld %ld %d\n", static_cast<long long>(wall),
                static_cast<long long>(total.cpu_ns), total.max_rss_kb, total.status);
    return 0;
}
