// SPDX-License-Identifier: MIT
// Every key a terminal sends, typed at the prompt on a pseudo-terminal: each one either acts
// on the line or is dropped whole, under the key lists of several terminal types.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected_run.h"
#include "process.h"
#include "pty_session.h"

namespace zorva::testing {
namespace {

// Every key is pressed in the line "12+3456+78" with the cursor after "12+34", then the key
// "9" is typed and the line entered. Where the "9" lands, and what is left of the line, tells
// what the key did; every effect leaves a line of its own.
const std::string line_typed = "12+3456+78";
const std::string cursor_placed = "\x01\x06\x06\x06\x06\x06";  // Ctrl-A, then Ctrl-F five times
// The first line of every session, so the oldest in its history, and the line entered just
// before a history key, so the newest.
const std::string oldest_line = "100";
const std::string newest_line = "7";

enum class Effect {
    None,  // the key is dropped: "9" lands where the cursor was
    Left,
    Right,
    WordLeft,
    WordRight,
    Start,
    End,
    Delete,
    Backspace,
    DeleteWordBefore,
    DeleteWordAfter,
    Older,  // Up: the newest line of the history
    Newer,  // Down at the line being typed: nothing
    Oldest,
    Newest,
    Keypad,  // types its character, given with the key
    Enter,   // enters the line as it is; the "9" makes a line of its own
};

/// The line that a key with `effect` leaves, once "9" is typed after it and it has typed
/// `character`.
std::string line_after(Effect effect, char character = '\0') {
    switch (effect) {
        case Effect::None: return "12+34956+78";
        case Effect::Left: return "12+39456+78";
        case Effect::Right: return "12+34596+78";
        case Effect::WordLeft: return "12+93456+78";
        case Effect::WordRight: return "12+34569+78";
        case Effect::Start: return "912+3456+78";
        case Effect::End: return "12+3456+789";
        case Effect::Delete: return "12+3496+78";
        case Effect::Backspace: return "12+3956+78";
        case Effect::DeleteWordBefore: return "12+956+78";
        case Effect::DeleteWordAfter: return "12+349+78";
        case Effect::Older: return newest_line + "9";
        case Effect::Newer: return "12+34956+78";
        case Effect::Oldest: return oldest_line + "9";
        case Effect::Newest: return newest_line + "9";
        case Effect::Keypad: return "12+34" + std::string(1, character) + "956+78";
        case Effect::Enter: return line_typed;
    }
    return "";
}

bool uses_history(Effect effect) {
    return effect == Effect::Older || effect == Effect::Oldest || effect == Effect::Newest;
}

struct KeyRow {
    std::string name;
    std::string bytes;
    Effect effect;
    char character = '\0';  // for Effect::Keypad
};

/// What zorva prints for `line` when it is piped in, as the terminal shows it (each line
/// break as "\r\n"), without the banner and "Bye...".
std::string piped_output(const std::string& line) {
    static std::map<std::string, std::string> outputs;
    const auto known = outputs.find(line);
    if (known != outputs.end()) return known->second;
    const RunResult run = run_zorva({}, line + "\n");
    std::string out = run.out.substr(banner.size(), run.out.size() - banner.size() - bye.size());
    std::string shown;
    for (const char c : out) shown += c == '\n' ? std::string("\r\n") : std::string(1, c);
    outputs[line] = shown;
    return shown;
}

/// Presses each key of `rows` in the line, in sessions of a few dozen keys each, so that the
/// history never reaches its 100 lines, and expects each line to print what it prints piped.
void expect_keys(const std::string& term, const std::vector<KeyRow>& rows) {
    constexpr std::size_t keys_a_session = 40;
    for (std::size_t first = 0; first < rows.size(); first += keys_a_session) {
        PtySession session({}, {"TERM=" + term, "LANG=C.UTF-8"});
        ASSERT_TRUE(session.expect("> ")) << session.screen();
        session.type(oldest_line + "\r");
        ASSERT_TRUE(session.expect("\r\n" + oldest_line + "\r\n> ")) << session.screen();
        const std::size_t end = std::min(rows.size(), first + keys_a_session);
        for (std::size_t i = first; i < end; ++i) {
            const KeyRow& row = rows[i];
            if (uses_history(row.effect)) {
                session.type(newest_line + "\r");
                ASSERT_TRUE(session.expect("\r\n" + newest_line + "\r\n> ")) << session.screen();
            }
            session.type(line_typed + cursor_placed + row.bytes + "9\r");
            const std::string line = line_after(row.effect, row.character);
            std::string shown = "\r\n" + piped_output(line) + "> ";
            if (row.effect == Effect::Enter) shown += "9\r\n" + piped_output("9") + "> ";
            EXPECT_TRUE(session.expect(shown))
                << "TERM=" << term << ", key " << row.name << " "
                << ::testing::PrintToString(row.bytes) << " should leave the line " << line
                << "\nscreen: " << session.screen();
        }
        session.type("exit\r");
        EXPECT_TRUE(session.expect("Bye...\r\n"));
        EXPECT_EQ(session.wait_for_exit(), 0);
    }
}

// Keys as every terminal sends them in normal cursor mode and with modifiers, beside what
// terminfo lists, which is mostly application mode: xterm (also iTerm2 and Terminal.app over
// ssh), rxvt, the Linux console.
const std::vector<KeyRow> common_keys = {
    {"Left", "\x1b[D", Effect::Left},
    {"Right", "\x1b[C", Effect::Right},
    {"Up", "\x1b[A", Effect::Older},
    {"Down", "\x1b[B", Effect::Newer},
    {"Home", "\x1b[H", Effect::Start},
    {"End", "\x1b[F", Effect::End},
    {"Home (VT220)", "\x1b[1~", Effect::Start},
    {"End (VT220)", "\x1b[4~", Effect::End},
    {"Home (rxvt)", "\x1b[7~", Effect::Start},
    {"End (rxvt)", "\x1b[8~", Effect::End},
    {"Home (application)", "\x1bOH", Effect::Start},
    {"End (application)", "\x1bOF", Effect::End},
    {"Delete", "\x1b[3~", Effect::Delete},
    {"Backspace", "\x7f", Effect::Backspace},
    {"Ctrl-H", "\b", Effect::Backspace},
    {"PageUp", "\x1b[5~", Effect::Oldest},
    {"PageDown", "\x1b[6~", Effect::Newest},
    {"Ctrl-Left", "\x1b[1;5D", Effect::WordLeft},
    {"Ctrl-Right", "\x1b[1;5C", Effect::WordRight},
    {"Alt-Left", "\x1b[1;3D", Effect::WordLeft},
    {"Alt-Right", "\x1b[1;3C", Effect::WordRight},
    {"Alt-Left (rxvt)", "\x1b\x1b[D", Effect::WordLeft},
    {"Alt-Right (rxvt)", "\x1b\x1b[C", Effect::WordRight},
    {"Ctrl-Left (rxvt)", "\x1bOd", Effect::WordLeft},
    {"Meta-Left (iTerm2)", "\x1b[1;9D", Effect::WordLeft},
    {"Alt-b",
     "\x1b"
     "b",
     Effect::WordLeft},
    {"Alt-f",
     "\x1b"
     "f",
     Effect::WordRight},
    {"Shift-Left", "\x1b[1;2D", Effect::Left},
    {"Shift-Right", "\x1b[1;2C", Effect::Right},
    {"Ctrl-W", "\x17", Effect::DeleteWordBefore},
    {"Alt-Backspace", "\x1b\x7f", Effect::DeleteWordBefore},
    {"Alt-d",
     "\x1b"
     "d",
     Effect::DeleteWordAfter},
    {"Ctrl-Delete", "\x1b[3;5~", Effect::DeleteWordAfter},
    {"Ctrl-Delete (rxvt)", "\x1b[3^", Effect::DeleteWordAfter},
    {"Ctrl-A", "\x01", Effect::Start},
    {"Ctrl-E", "\x05", Effect::End},
    {"Ctrl-B", "\x02", Effect::Left},
    {"Ctrl-F", "\x06", Effect::Right},
    {"Ctrl-P", "\x10", Effect::Older},
    {"Ctrl-N", "\x0e", Effect::Newer},
    {"Ctrl-T", "\x14", Effect::None},
    {"Ctrl-X", "\x18", Effect::None},
    {"Ctrl-X Ctrl-X", "\x18\x18", Effect::None},
    {"Ctrl-Y", "\x19", Effect::None},
    {"Ctrl-V Ctrl-X", "\x16\x18", Effect::Keypad, '\x18'},  // quoted, it is typed
    {"F1 (Linux console)", "\x1b[[A", Effect::None},
    {"F5 (Linux console)", "\x1b[[E", Effect::None},
    {"F5", "\x1b[15~", Effect::None},
    {"F12", "\x1b[24~", Effect::None},
    {"Insert", "\x1b[2~", Effect::None},
    {"Shift-Tab", "\x1b[Z", Effect::None},
    {"Ctrl-Up", "\x1b[1;5A", Effect::None},
    {"Ctrl-PageUp", "\x1b[5;5~", Effect::None},
    {"paste start", "\x1b[200~", Effect::None},
    {"paste end", "\x1b[201~", Effect::None},
    {"focus in", "\x1b[I", Effect::None},
    {"focus out", "\x1b[O", Effect::None},
    {"Alt-x",
     "\x1b"
     "x",
     Effect::None},
    {"keypad 1 (application)", "\x1bOq", Effect::Keypad, '1'},
    {"keypad + (application)", "\x1bOk", Effect::Keypad, '+'},
};

// What the keys that terminfo names do. Keys by the modifier suffix: 2 Shift, 3 Alt, 4 Alt and
// Shift, 5 Ctrl, 6 Ctrl and Shift, 7 Ctrl and Alt.
struct CapabilityEffect {
    std::string_view name;
    Effect effect;
};
constexpr CapabilityEffect capability_effects[] = {
    {"kcub1", Effect::Left},
    {"kLFT", Effect::Left},
    {"kcuf1", Effect::Right},
    {"kRIT", Effect::Right},
    {"kcuu1", Effect::Older},
    {"kUP", Effect::Older},
    {"kri", Effect::Older},
    {"kcud1", Effect::Newer},
    {"kDN", Effect::Newer},
    {"kind", Effect::Newer},
    {"khome", Effect::Start},
    {"kHOM", Effect::Start},
    {"kend", Effect::End},
    {"kEND", Effect::End},
    {"kdch1", Effect::Delete},
    {"kDC", Effect::Delete},
    {"kpp", Effect::Oldest},
    {"kPRV", Effect::Oldest},
    {"knp", Effect::Newest},
    {"kNXT", Effect::Newest},
    {"kbs", Effect::Backspace},
    // The Find and Select keys of the VT220 send what Home and End send elsewhere; rxvt's
    // kel is its Ctrl-End.
    {"kfnd", Effect::Start},
    {"kFND", Effect::Start},
    {"kslt", Effect::End},
    {"kel", Effect::End},
};

std::optional<Effect> effect_of_modified(std::string_view base, char modifier) {
    const bool word_modifier = modifier >= '3' && modifier <= '7';
    if (base == "kLFT") return word_modifier ? Effect::WordLeft : Effect::Left;
    if (base == "kRIT") return word_modifier ? Effect::WordRight : Effect::Right;
    if (base == "kHOM" || base == "kFND") return Effect::Start;
    if (base == "kEND") return Effect::End;
    if (base == "kDC") return word_modifier ? Effect::DeleteWordAfter : Effect::Delete;
    return std::nullopt;
}

// The numeric keypad in application mode: SS3 and a letter, on every terminal of the VT100 line.
constexpr std::pair<char, char> keypad_letters[] = {
    {'p', '0'}, {'q', '1'}, {'r', '2'}, {'s', '3'}, {'t', '4'}, {'u', '5'}, {'v', '6'}, {'w', '7'},
    {'x', '8'}, {'y', '9'}, {'k', '+'}, {'m', '-'}, {'j', '*'}, {'o', '/'}, {'n', '.'}, {'l', ','},
};

KeyRow row_of_capability(const std::string& name, const std::string& bytes) {
    if (bytes == "\x1bOM") return {name, bytes, Effect::Enter};  // the keypad's Enter
    if (bytes.size() == 3 && bytes.starts_with("\x1bO")) {
        for (const auto& [letter, character] : keypad_letters) {
            if (bytes[2] == letter) return {name, bytes, Effect::Keypad, character};
        }
    }
    for (const CapabilityEffect& capability : capability_effects) {
        if (capability.name == name) return {name, bytes, capability.effect};
    }
    const char last = name.back();
    if (last >= '3' && last <= '7') {
        const std::string_view base = std::string_view(name).substr(0, name.size() - 1);
        if (std::optional<Effect> effect = effect_of_modified(base, last)) {
            return {name, bytes, *effect};
        }
    }
    return {name, bytes, Effect::None};  // F-keys, Insert, the other modified keys
}

/// A terminfo string as infocmp prints it, decoded.
std::string decode_terminfo(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '^' && i + 1 < text.size()) {
            const char next = text[++i];
            bytes += next == '?' ? '\x7f' : static_cast<char>(next & 0x1F);
        } else if (c == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            switch (next) {
                case 'E':
                case 'e': bytes += '\x1b'; break;
                case 'n':
                case 'l': bytes += '\n'; break;
                case 'r': bytes += '\r'; break;
                case 't': bytes += '\t'; break;
                case 'b': bytes += '\b'; break;
                case 'f': bytes += '\f'; break;
                case 's': bytes += ' '; break;
                default:
                    if (next >= '0' && next <= '7' && i + 2 < text.size()) {
                        const int value =
                            (next - '0') * 64 + (text[i + 1] - '0') * 8 + (text[i + 2] - '0');
                        bytes += static_cast<char>(value == 0 ? 0x80 : value);
                        i += 2;
                    } else {
                        bytes += next;  // \^ \\ \, \:
                    }
            }
        } else {
            bytes += c;
        }
    }
    return bytes;
}

/// The keys that terminfo lists for `term`, by `infocmp -x`; none when the type is unknown.
std::optional<std::vector<KeyRow>> terminfo_keys(const std::string& term) {
    const RunResult run = run_program({"/bin/sh", "-c", "infocmp -x -1 " + term});
    if (run.status != 0) return std::nullopt;
    std::vector<KeyRow> rows;
    std::size_t begin = 0;
    while (begin < run.out.size()) {
        std::size_t end = run.out.find('\n', begin);
        if (end == std::string::npos) end = run.out.size();
        std::string_view entry(run.out.data() + begin, end - begin);
        begin = end + 1;
        if (!entry.starts_with("\tk") || !entry.ends_with(",")) continue;
        entry.remove_prefix(1);
        entry.remove_suffix(1);
        const std::size_t equals = entry.find('=');
        if (equals == std::string_view::npos) continue;  // a flag, such as km
        const std::string name(entry.substr(0, equals));
        if (name == "kmous") continue;  // the start of a mouse report, not a key
        // The Linux console's suspend key is Ctrl-Z, which stops zorva; the signal tests
        // suspend and resume it.
        if (name == "kspd") continue;
        rows.push_back(row_of_capability(name, decode_terminfo(entry.substr(equals + 1))));
    }
    return rows;
}

class KeysTest : public ::testing::TestWithParam<std::string> {};

TEST_P(KeysTest, EveryKeyOfTerminfoActsOrIsDropped) {
    const std::optional<std::vector<KeyRow>> rows = terminfo_keys(GetParam());
    if (!rows) GTEST_SKIP() << "infocmp knows no terminal type " << GetParam();
    ASSERT_FALSE(rows->empty());
    expect_keys(GetParam(), *rows);
}

TEST_P(KeysTest, KeysInNormalModeAndWithModifiers) { expect_keys(GetParam(), common_keys); }

INSTANTIATE_TEST_SUITE_P(Terminals, KeysTest,
                         ::testing::Values("xterm-256color", "screen-256color", "tmux-256color",
                                           "linux", "rxvt-unicode-256color", "vt100"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 if (c == '-') c = '_';
                             }
                             return name;
                         });

}  // namespace
}  // namespace zorva::testing
