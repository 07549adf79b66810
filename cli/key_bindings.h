// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace zorva {

/// What a key does at the prompt.
enum class KeyAction {
    Type,  // the key's character goes into the line
    CursorLeft,
    CursorRight,
    WordLeft,
    WordRight,
    LineStart,
    LineEnd,
    HistoryOlder,
    HistoryNewer,
    HistoryOldest,
    HistoryNewest,
    DeleteNext,
    DeleteWordBefore,
    DeleteWordAfter,
};

/// One key as the line editor sees it: an action, or a character to type.
struct KeyEvent {
    KeyAction action = KeyAction::Type;
    char32_t character = 0;  // for KeyAction::Type only

    bool operator==(const KeyEvent&) const = default;
};

/// The key that a complete escape sequence names: `sequence` is ESC '[' or ESC 'O' with what
/// followed up to its final byte, `alt` tells that an extra ESC came first. None for a
/// sequence that means nothing here, which is then dropped whole.
std::optional<KeyEvent> key_of_sequence(std::string_view sequence, bool alt);

/// The key that ESC followed by `byte` (an ASCII character) names, as Alt with that key.
std::optional<KeyEvent> key_of_alt(char byte);

}  // namespace zorva
