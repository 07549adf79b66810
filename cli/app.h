// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace zorva {

/// The whole program on its command-line words (word 0 is its name), its output flushed;
/// returns the exit status.
int run_zorva(std::span<const char* const> words);

}  // namespace zorva
