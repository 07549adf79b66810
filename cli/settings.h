// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "engine/eval_settings.h"

namespace zorva {

/// The options of the command line; written once at start-up, only read afterwards.
struct Settings {
    EvalSettings evaluation;  // what the engine reads
    bool verbose = false;
    bool interactive = false;
    bool thousands = false;
    std::string format;  // empty: no user format
    std::int32_t option_words = 0;
};

}  // namespace zorva
