#pragma once

#include <span>

#include "engine/named_values.h"

namespace zorva {

/// Defines the constants "PI", "E", "G" and "GR", which every run starts with.
void define_constants(NamedValues& names);

/// The whole program on its command-line words (word 0 is its name), its output flushed;
/// returns the exit status.
int run_zorva(std::span<const char* const> words);

}  // namespace zorva
