// SPDX-License-Identifier: MIT
#include "cli/key_decoder.h"

#include <gtest/gtest.h>

#include "cli/utf8.h"

namespace zorva {
namespace {

const char* name_of(KeyAction action) {
    switch (action) {
        case KeyAction::Type: return "";
        case KeyAction::CursorLeft: return "<Left>";
        case KeyAction::CursorRight: return "<Right>";
        case KeyAction::WordLeft: return "<WordLeft>";
        case KeyAction::WordRight: return "<WordRight>";
        case KeyAction::LineStart: return "<Start>";
        case KeyAction::LineEnd: return "<End>";
        case KeyAction::HistoryOlder: return "<Older>";
        case KeyAction::HistoryNewer: return "<Newer>";
        case KeyAction::HistoryOldest: return "<Oldest>";
        case KeyAction::HistoryNewest: return "<Newest>";
        case KeyAction::DeleteNext: return "<Delete>";
        case KeyAction::DeleteWordBefore: return "<DeleteWordBefore>";
        case KeyAction::DeleteWordAfter: return "<DeleteWordAfter>";
    }
    return "?";
}

/// The keys in `bytes`, fed one at a time: typed characters as their UTF-8, actions by name.
std::string keys_of(std::string_view bytes) {
    KeyDecoder decoder;
    for (const char byte : bytes) decoder.push(static_cast<unsigned char>(byte));
    decoder.finish();
    std::string keys;
    while (const std::optional<KeyEvent> key = decoder.next()) {
        if (key->action == KeyAction::Type) append_utf8(key->character, keys);
        keys += name_of(key->action);
    }
    return keys;
}

struct KeyCase {
    std::string bytes;
    std::string keys;
};

void expect_keys(const std::vector<KeyCase>& cases) {
    for (const KeyCase& c : cases)
        EXPECT_EQ(keys_of(c.bytes), c.keys) << testing::PrintToString(c.bytes);
}

TEST(KeyDecoderTest, KnownKeysInEveryForm) {
    expect_keys({
        // Normal and application cursor mode.
        {"\x1b[A\x1bOA\x1b[B\x1bOB", "<Older><Older><Newer><Newer>"},
        {"\x1b[C\x1bOC\x1b[D\x1bOD", "<Right><Right><Left><Left>"},
        // Home and End as xterm, the VT220 (screen, the Linux console) and rxvt send them.
        {"\x1b[H\x1bOH\x1b[1~\x1b[7~", "<Start><Start><Start><Start>"},
        {"\x1b[F\x1bOF\x1b[4~\x1b[8~", "<End><End><End><End>"},
        {"\x1b[3~\x1b[5~\x1b[6~", "<Delete><Oldest><Newest>"},
        // Word movement: xterm's Ctrl, Alt and Meta, the older "5D", rxvt's Ctrl (SS3 in lower
        // case) and Alt (an extra ESC), and Alt-b and Alt-f.
        {"\x1b[1;5D\x1b[1;3D\x1b[1;9D\x1b[5D\x1bO5D\x1bOd\x1b\x1b[D\x1b\x1bOD\x1b"
         "b",
         "<WordLeft><WordLeft><WordLeft><WordLeft><WordLeft><WordLeft><WordLeft><WordLeft>"
         "<WordLeft>"},
        {"\x1b[1;5C\x1b[1;7C\x1bOc\x1b\x1b[C\x1b"
         "f\x1b"
         "F",
         "<WordRight><WordRight><WordRight><WordRight><WordRight><WordRight>"},
        // Shift alone changes nothing: xterm's ";2", rxvt's lower-case CSI arrows and '$'.
        {"\x1b[1;2D\x1b[d\x1b[1;2H\x1b[3;2~\x1b[3$\x1b[a",
         "<Left><Left><Start><Delete><Delete><Older>"},
        // Word deletion: Alt-Backspace (DEL or ^H), Alt-d, Ctrl-Delete in xterm and rxvt.
        {"\x1b\x7f\x1b\b\x1b"
         "d\x1b[3;5~\x1b[3^\x1b[3;3~",
         "<DeleteWordBefore><DeleteWordBefore><DeleteWordAfter><DeleteWordAfter>"
         "<DeleteWordAfter><DeleteWordAfter>"},
        // Ctrl-Home and Ctrl-End still go to the ends.
        {"\x1b[1;5H\x1b[7^\x1b[1;5F\x1b[8^", "<Start><Start><End><End>"},
        // The keypad in application mode types its keys.
        {"\x1bOq\x1bOk\x1bOr\x1bOj\x1bOs\x1bOn\x1bOp\x1bOM", "1+2*3.0\r"},
    });
}

TEST(KeyDecoderTest, OtherSequencesAreDroppedWhole) {
    expect_keys({
        // F-keys: xterm, the VT220, rxvt, the Linux console, the VT100 keypad PF keys.
        {"1\x1bOP\x1b[15~\x1b[24~\x1b[1;2P\x1b[15;5~\x1b[11~\x1b[[A\x1b[[E\x1bOS2", "12"},
        // Insert, Shift-Tab, keypad 5, Ctrl and Alt arrows up and down, Ctrl-PageUp.
        {"1\x1b[2~\x1b[2$\x1b[Z\x1b[E\x1bOE\x1b[G\x1b[1;5A\x1bOa\x1b[1;3B\x1b[5;5~\x1b[6^2", "12"},
        // Bracketed paste markers around pasted text, focus in and out.
        {"\x1b[200~1+1\x1b[201~\x1b[I\x1b[O", "1+1"},
        // Mouse reports, private parameters, intermediate bytes, a long parameter list.
        {"1\x1b[<0;12;5M\x1b[?1;2c\x1b[1 q\x1b[" + std::string(100, '1') + "~2", "12"},
        // Alt with other keys, controls included.
        {"1\x1b"
         "x\x1b"
         "5\x1b\t\x1b\r\x1b"
         "12",
         "12"},
    });
}

TEST(KeyDecoderTest, BrokenSequencesGiveBackWhatFollows) {
    expect_keys({
        // A control byte or a byte outside ASCII cuts a sequence off and counts as itself.
        {"\x1b[1;5\r", "\r"},
        {"\x1b[1\x1b[D", "<Left>"},
        {"\x1b[1\xC3\x97", "\u00D7"},
        {"\x1b\xC3\x97", "\u00D7"},
        // A parameter byte after an intermediate byte.
        {"\x1b[1 2", "2"},
        // At the end of the input.
        {"1\x1b[1;5", "1"},
        {"1\x1b", "1"},
    });
}

TEST(KeyDecoderTest, TextComesThroughExactly) {
    expect_keys({
        {"2\xC3\x97"
         "3",
         "2\u00D73"},
        {"\xCF\x80=\xE4\xB8\xAD\xF0\x9F\x98\x80", "\u03C0=\u4E2D\U0001F600"},
        {"\x01\x05\x7f\t\r", "\x01\x05\x7f\t\r"},
        // Invalid UTF-8, even around an ESC, keeps every byte.
        {"\xFF\xE2\x82\x1b[D\xE2", "\xFF\xE2\x82<Left>\xE2"},
        // Ctrl-V quotes the next key: an ESC, or a whole character.
        {"\x16\x1b[D", "\x16\x1b[D"},
        {"\x16\xC3\x97\x1b[D", "\x16\u00D7<Left>"},
    });
}

}  // namespace
}  // namespace zorva
