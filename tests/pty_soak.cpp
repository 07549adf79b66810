// SPDX-License-Identifier: MIT
// Random keys, fragments of escape sequences and of UTF-8, control bytes and window resizes,
// typed into zorva on a pseudo-terminal for a given time. Then "exit" must end it with status
// 0 and the terminal's modes as they were: no crash, no hang, no terminal left raw.
//
// Usage: zorva_pty_soak [--shrink] [SECONDS [SEED]]; a failure prints the seed that repeats the
// run. With --shrink, a run that ends zorva by itself is replayed, shorter and shorter, and the
// fewest actions found that still end it are printed.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <exception>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "pty_session.h"
#include "soak_replay.h"

namespace zorva::testing {
namespace {

using Clock = std::chrono::steady_clock;

const std::vector<std::string> terminal_types = {
    "xterm-256color",        "screen-256color", "tmux-256color", "linux",
    "rxvt-unicode-256color", "vt100",           "xterm",         "dumb",
};

// Keys as terminals send them, in normal and application cursor mode, with modifiers.
const std::vector<std::string> known_keys = {
    "\x1b[A",    "\x1b[B",    "\x1b[C",     "\x1b[D",       "\x1bOA",    "\x1bOB",    "\x1bOC",
    "\x1bOD",    "\x1b[H",    "\x1b[F",     "\x1bOH",       "\x1bOF",    "\x1b[1~",   "\x1b[4~",
    "\x1b[7~",   "\x1b[8~",   "\x1b[3~",    "\x1b[2~",      "\x1b[5~",   "\x1b[6~",   "\x1b[1;5D",
    "\x1b[1;5C", "\x1b[1;3D", "\x1b[1;3C",  "\x1b[1;2D",    "\x1b[1;2A", "\x1b[3;5~", "\x1b[3;2~",
    "\x1b[1;5H", "\x1b[1;2F", "\x1bOP",     "\x1bOQ",       "\x1b[15~",  "\x1b[24~",  "\x1b[[A",
    "\x1b[[E",   "\033b",     "\033f",      "\x1b\x7f",     "\x1b\b",    "\x1b[200~", "\x1b[201~",
    "\x1b[I",    "\x1b[O",    "\x1bOd",     "\x1bOc",       "\x1b[5D",   "\x1b[1;8B", "\x1b[Z",
    "\x1b[2;5~", "\x1b[6;3~", "\x1b[23;2~", "\x1b[<0;5;5M", "\x1b[M !!",
};

const std::vector<std::string> utf8_characters = {"é", "×", "π", "€", "√", "中", "😀", "𝑥"};

// Bytes the stream never holds: those that end the program or stop it (Ctrl-C, Ctrl-D,
// Ctrl-Z, Ctrl-\), flow control (Ctrl-Q, Ctrl-S), which would freeze the output as it does
// for any program, and "x", so that no line can become "exit".
bool is_left_out(char byte) {
    return std::string_view("\x03\x04\x11\x13\x1a\x1cx").find(byte) != std::string_view::npos;
}

std::string one_byte(std::size_t value) {
    std::string byte(1, static_cast<char>(value));
    return byte;
}

class KeyStream {
public:
    explicit KeyStream(unsigned seed) : random_(seed) {}

    std::string next() {
        std::string keys;
        switch (below(6)) {
            case 0: keys = printable(); break;
            case 1: keys = known_keys[below(known_keys.size())]; break;
            case 2: keys = escape_fragment(); break;
            case 3: keys = utf8_piece(); break;
            case 4: keys = one_byte(below(32)); break;
            case 5: keys = below(4) == 0 ? "\r" : "\x7f"; break;
        }
        std::erase_if(keys, is_left_out);
        return keys;
    }

    WindowSize window() {
        if (below(20) == 0) return {0, 0};  // as some terminals report before they know
        return {static_cast<unsigned short>(1 + below(100)),
                static_cast<unsigned short>(1 + below(300))};
    }

    std::size_t below(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
    }

private:
    std::string printable() {
        std::string keys;
        for (std::size_t n = 1 + below(12); n > 0; --n) keys += static_cast<char>(' ' + below(95));
        return keys;
    }

    // A known key cut short, or an introducer with random parameters and any final byte.
    std::string escape_fragment() {
        if (below(2) == 0) {
            const std::string& key = known_keys[below(known_keys.size())];
            return key.substr(0, 1 + below(key.size()));
        }
        std::string keys = below(2) == 0 ? "\x1b[" : "\x1bO";
        for (std::size_t n = below(6); n > 0; --n) keys += "0123456789;:<=>?"[below(16)];
        if (below(3) != 0) keys += static_cast<char>(below(128));
        return keys;
    }

    // A whole character, the start of one, a stray continuation byte, or a byte that never
    // belongs in UTF-8.
    std::string utf8_piece() {
        const std::string& character = utf8_characters[below(utf8_characters.size())];
        switch (below(4)) {
            case 0: return character;
            case 1: return character.substr(0, 1 + below(character.size() - 1));
            case 2: return one_byte(0x80 + below(64));
            default: {
                const std::string invalid = "\xc0\xc1\xf5\xf8\xfe\xff";
                return one_byte(static_cast<unsigned char>(invalid[below(invalid.size())]));
            }
        }
    }

    std::mt19937 random_;
};

std::string shown_tail(const std::string& screen) {
    return ::testing::PrintToString(screen.substr(screen.size() > 8000 ? screen.size() - 8000 : 0));
}

struct Soak {
    int seconds;
    unsigned seed;
    std::deque<std::string> recent;  // the last things done, for the report of a failure
    WindowSize window{};             // the window's size now
    std::string term;
    bool recording = false;        // whether to keep every action, for a replay
    std::vector<SoakAction> done;  // every key typed and resize, in order, when recording

    void note(const std::string& what) {
        recent.push_back(what);
        if (recent.size() > 40) recent.pop_front();
    }

    void act(PtySession& session, const SoakAction& action) {
        note(action.text());
        if (recording) done.push_back(action);
        if (action.resize) {
            session.resize(action.window);
        } else {
            session.type(action.keys);
        }
    }

    int fail(const PtySession& session, const std::string& what) const {
        std::printf("pty soak FAILED (seed %u): %s\nwindow %ux%u; last actions:\n", seed,
                    what.c_str(), window.rows, window.columns);
        for (const std::string& what : recent) std::printf("  %s\n", what.c_str());
        std::printf("screen's end: %s\n", shown_tail(session.screen()).c_str());
        return 1;
    }

    // Whatever state the keys left the editor in (a prefix key, a search, a quoted insert, a
    // paste), two line ends bring it back to an empty prompt.
    void settle(PtySession& session) {
        for (const char* keys : {"\x1b[201~", "\r", "\r", "\x01\x0b"}) {
            session.wait_until_idle();
            session.type(keys);
            note("settle " + ::testing::PrintToString(std::string(keys)));
        }
    }

    int run() {
        KeyStream keys(seed);
        term = terminal_types[keys.below(terminal_types.size())];
        std::printf("pty soak: %d s, seed %u, TERM=%s\n", seconds, seed, term.c_str());
        PtySession session({}, {"TERM=" + term});
        if (!session.expect("> ")) return fail(session, "no prompt");
        const auto end = Clock::now() + std::chrono::seconds(seconds);
        long typed = 0;
        try {
            while (Clock::now() < end) {
                if (keys.below(50) == 0) {
                    window = keys.window();
                    act(session, {true, {}, window});
                } else {
                    const std::string chunk = keys.next();
                    act(session, {false, chunk, {}});
                    typed += static_cast<long>(chunk.size());
                }
                if (!session.running()) {
                    const int status = session.wait_for_exit();
                    return fail(session,
                                "the program ended by itself, status " + std::to_string(status));
                }
                if (session.screen().size() > 1'000'000) session.forget_screen();
            }
            window = {24, 80};
            session.resize(window);
            settle(session);
            session.type("exit\r");
        } catch (const std::exception& error) {
            const int status = session.running() ? -1 : session.wait_for_exit();
            return fail(session, std::string(error.what()) + ", status " + std::to_string(status));
        }
        if (!session.expect("Bye...\r\n")) return fail(session, "no Bye... after exit");
        const int status = session.wait_for_exit();
        if (status != 0) return fail(session, "exit status " + std::to_string(status));
        if (!same_modes(session.modes(), session.modes_at_start())) {
            return fail(session, "the terminal's modes were not restored");
        }
        std::printf("pty soak: %ld bytes typed, ended cleanly\n", typed);
        return 0;
    }
};

}  // namespace
}  // namespace zorva::testing

/// Replays the failed run's actions to the fewest that still end zorva by itself.
int shrink(const zorva::testing::Soak& soak) {
    using namespace zorva::testing;
    if (!replay_ends_program(soak.term, soak.done)) {
        std::printf("pty soak: replayed, the run no longer ends zorva by itself\n");
        return 1;
    }
    std::printf("pty soak: shrinking %zu actions\n", soak.done.size());
    const std::vector<SoakAction> fewest = shrink_actions(soak.term, soak.done);
    std::printf("pty soak: TERM=%s, window 24x80, these actions end zorva by itself:\n",
                soak.term.c_str());
    for (const SoakAction& action : fewest) std::printf("  %s\n", action.text().c_str());
    return 1;
}

int main(int argc, char** argv) {
    const bool shrinking = argc > 1 && std::string_view(argv[1]) == "--shrink";
    const int first = shrinking ? 2 : 1;
    const int seconds = argc > first ? std::atoi(argv[first]) : 10;
    const unsigned seed = argc > first + 1
                              ? static_cast<unsigned>(std::strtoul(argv[first + 1], nullptr, 10))
                              : std::random_device{}();
    zorva::testing::Soak soak{seconds, seed, {}, {}, {}, shrinking, {}};
    const int status = soak.run();
    return status != 0 && shrinking ? shrink(soak) : status;
}
