// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace zorva {

/// A move of the cursor within the line being edited.
enum class Motion { CharLeft, CharRight, WordLeft, WordRight, LineStart, LineEnd };

/// Where `motion` takes a cursor standing before `line[cursor]` (at the end when `cursor` is
/// `line.size()`). A word is a run of letters, digits and the characters * ? _ - . [ ] ~ =,
/// as for the editor's own word deletions: Left by a word goes to the start of the word
/// before the cursor, Right by a word to the end of the word after it. The line's ends stop
/// every motion.
std::size_t motion_target(Motion motion, std::wstring_view line, std::size_t cursor);

}  // namespace zorva
