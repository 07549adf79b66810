// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zorva {

/// A character locale in which the editor can show and measure any character, while it lives.
/// The line's bytes are decoded and encoded here (utf8.h), whatever the locale; the editor
/// needs the locale only to know a character's width and to write it out, so C.UTF-8 serves
/// every user, and keeps character classes exactly as in "C". The user's own locale is the
/// fallback where C.UTF-8 cannot be loaded; where neither reads UTF-8, the editor shows each
/// character outside ASCII as a code (\U+00E9), and the line is still exact. Numbers are
/// untouched: only LC_CTYPE changes.
class CharacterLocale {
public:
    CharacterLocale();
    ~CharacterLocale();
    CharacterLocale(const CharacterLocale&) = delete;
    CharacterLocale& operator=(const CharacterLocale&) = delete;

private:
    std::string previous_ = "C";
};

}  // namespace zorva
