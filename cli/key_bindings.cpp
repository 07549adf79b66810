// SPDX-License-Identifier: MIT
#include "cli/key_bindings.h"

#include <string>

#include "engine/characters.h"

namespace zorva {
namespace {

using enum KeyAction;

// Modifier bits as xterm counts them; its modifier parameter is 1 + these.
constexpr unsigned shift_key = 1;
constexpr unsigned alt_key = 2;
constexpr unsigned ctrl_key = 4;
constexpr unsigned meta_key = 8;

struct KeyBinding {
    std::string_view sequence;          // the key unmodified
    std::optional<KeyAction> plain;     // alone or with Shift
    std::optional<KeyAction> modified;  // with Ctrl, Alt or Meta
};

// The keys that the prompt acts on, each in every unmodified form that a common terminal sends:
// CSI for normal cursor mode, SS3 for application mode, and the VT220 forms ending in '~'
// (Home and End are 1~ and 4~ on the Linux console and in screen, 7~ and 8~ in rxvt). Every
// other well-formed sequence is dropped whole.
constexpr KeyBinding key_bindings[] = {
    {"\x1b[A", HistoryOlder, std::nullopt},
    {"\x1bOA", HistoryOlder, std::nullopt},
    {"\x1b[B", HistoryNewer, std::nullopt},
    {"\x1bOB", HistoryNewer, std::nullopt},
    {"\x1b[C", CursorRight, WordRight},
    {"\x1bOC", CursorRight, WordRight},
    {"\x1b[D", CursorLeft, WordLeft},
    {"\x1bOD", CursorLeft, WordLeft},
    {"\x1b[H", LineStart, LineStart},
    {"\x1bOH", LineStart, LineStart},
    {"\x1b[1~", LineStart, LineStart},
    {"\x1b[7~", LineStart, LineStart},
    {"\x1b[F", LineEnd, LineEnd},
    {"\x1bOF", LineEnd, LineEnd},
    {"\x1b[4~", LineEnd, LineEnd},
    {"\x1b[8~", LineEnd, LineEnd},
    {"\x1b[3~", DeleteNext, DeleteWordAfter},
    {"\x1b[5~", HistoryOldest, std::nullopt},
    {"\x1b[6~", HistoryNewest, std::nullopt},
};

// The numeric keypad in application mode (SS3 and a letter) types what is printed on its keys.
struct KeypadKey {
    char final;
    char32_t character;
};
constexpr KeypadKey keypad_keys[] = {
    {'p', U'0'}, {'q', U'1'}, {'r', U'2'}, {'s', U'3'}, {'t', U'4'}, {'u', U'5'},
    {'v', U'6'}, {'w', U'7'}, {'x', U'8'}, {'y', U'9'}, {'k', U'+'}, {'m', U'-'},
    {'j', U'*'}, {'o', U'/'}, {'n', U'.'}, {'l', U','}, {'X', U'='}, {'M', U'\r'},
};

// Alt with a letter or Backspace, as a terminal sends it: ESC and the key.
struct AltKey {
    char key;
    KeyAction action;
};
constexpr AltKey alt_keys[] = {
    {'b', WordLeft},
    {'B', WordLeft},
    {'f', WordRight},
    {'F', WordRight},
    {'d', DeleteWordAfter},
    {'D', DeleteWordAfter},
    {'\x7f', DeleteWordBefore},
    {'\b', DeleteWordBefore},
};

/// A sequence with its modifiers taken out: the form to look up, and the modifier bits.
struct Normalized {
    std::string base;
    unsigned modifiers = 0;
};

std::optional<unsigned> number(std::string_view digits) {
    if (digits.empty() || digits.size() > 3) return std::nullopt;
    unsigned value = 0;
    for (const char digit : digits) {
        if (!is_digit(digit)) return std::nullopt;
        value = value * 10 + static_cast<unsigned>(digit - '0');
    }
    return value;
}

/// xterm's modifier parameter: 1 + the modifier bits.
unsigned modifier_bits(std::string_view parameter) {
    const std::optional<unsigned> value = number(parameter);
    return value && *value > 0 ? *value - 1 : 0;
}

bool is_lower_arrow(char final) { return final >= 'a' && final <= 'd'; }

/// Takes the modifiers out of the forms that carry them: xterm's "1;5D" and "3;5~" (and the
/// older "5D"), rxvt's finals '$' (Shift), '^' (Ctrl) and '@' (Ctrl and Shift) in place of
/// '~', and rxvt's lower-case arrows, CSI for Shift and SS3 for Ctrl.
Normalized normalize(std::string_view sequence) {
    const std::string_view introducer = sequence.substr(0, 2);
    const char final = sequence.back();
    const std::string_view parameters = sequence.substr(2, sequence.size() - 3);
    const std::size_t semicolon = parameters.find(';');
    const std::string_view first = parameters.substr(0, semicolon);
    const std::string_view second =
        semicolon == std::string_view::npos ? std::string_view() : parameters.substr(semicolon + 1);
    const bool csi = introducer == "\x1b[";

    if (csi && (final == '~' || final == '$' || final == '^' || final == '@') && number(first)) {
        unsigned modifiers = modifier_bits(second);
        if (final == '$') modifiers |= shift_key;
        if (final == '^') modifiers |= ctrl_key;
        if (final == '@') modifiers |= ctrl_key | shift_key;
        return {"\x1b[" + std::string(first) + "~", modifiers};
    }
    if (is_lower_arrow(final) && parameters.empty()) {
        const char upper = static_cast<char>(final - 'a' + 'A');
        return {std::string(introducer) + upper, csi ? shift_key : ctrl_key};
    }
    if (!parameters.empty() && (first == "1" || semicolon == std::string_view::npos)) {
        const std::string_view modifier = semicolon == std::string_view::npos ? first : second;
        if (number(modifier)) return {std::string(introducer) + final, modifier_bits(modifier)};
    }
    return {std::string(sequence), 0};
}

}  // namespace

std::optional<KeyEvent> key_of_sequence(std::string_view sequence, bool alt) {
    if (sequence.size() < 3) return std::nullopt;
    if (sequence.size() == 3 && sequence[1] == 'O') {
        for (const KeypadKey& key : keypad_keys) {
            if (key.final == sequence[2]) return KeyEvent{Type, key.character};
        }
    }
    const Normalized normalized = normalize(sequence);
    const unsigned modifiers = normalized.modifiers | (alt ? alt_key : 0);
    const bool modified = (modifiers & (alt_key | ctrl_key | meta_key)) != 0;
    for (const KeyBinding& binding : key_bindings) {
        if (binding.sequence != normalized.base) continue;
        const std::optional<KeyAction> action = modified ? binding.modified : binding.plain;
        if (!action) return std::nullopt;
        return KeyEvent{*action};
    }
    return std::nullopt;
}

std::optional<KeyEvent> key_of_alt(char byte) {
    for (const AltKey& key : alt_keys) {
        if (key.key == byte) return KeyEvent{key.action};
    }
    return std::nullopt;
}

}  // namespace zorva
