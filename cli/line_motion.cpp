// SPDX-License-Identifier: MIT
#include "cli/line_motion.h"

#include <cwctype>

namespace zorva {
namespace {

bool is_word_character(wchar_t c) {
    return std::iswalnum(static_cast<wint_t>(c)) != 0 ||
           std::wstring_view(L"*?_-.[]~=").find(c) != std::wstring_view::npos;
}

std::size_t word_start_before(std::wstring_view line, std::size_t cursor) {
    while (cursor > 0 && !is_word_character(line[cursor - 1])) --cursor;
    while (cursor > 0 && is_word_character(line[cursor - 1])) --cursor;
    return cursor;
}

std::size_t word_end_after(std::wstring_view line, std::size_t cursor) {
    while (cursor < line.size() && !is_word_character(line[cursor])) ++cursor;
    while (cursor < line.size() && is_word_character(line[cursor])) ++cursor;
    return cursor;
}

}  // namespace

std::size_t motion_target(Motion motion, std::wstring_view line, std::size_t cursor) {
    if (cursor > line.size()) cursor = line.size();
    switch (motion) {
        case Motion::CharLeft: return cursor > 0 ? cursor - 1 : 0;
        case Motion::CharRight: return cursor < line.size() ? cursor + 1 : cursor;
        case Motion::WordLeft: return word_start_before(line, cursor);
        case Motion::WordRight: return word_end_after(line, cursor);
        case Motion::LineStart: return 0;
        case Motion::LineEnd: return line.size();
    }
    return cursor;
}

}  // namespace zorva
