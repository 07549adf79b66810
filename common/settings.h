#pragma once

#include <cstdint>
#include <string>

namespace zorva {

/// The options of the command line; written once at start-up, only read afterwards.
struct Settings {
    bool degrees = false;
    bool verbose = false;
    bool interactive = false;
    bool thousands = false;
    std::string format;  // empty: no user format
    // A negative precision or round_digits switches that rounding off.
    std::int32_t precision = -1;
    std::int32_t round_digits = -1;
    std::int32_t option_words = 0;
};

}  // namespace zorva
