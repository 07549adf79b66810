// SPDX-License-Identifier: MIT
#include "soak_replay.h"

#include <exception>

#include <gtest/gtest.h>

namespace zorva::testing {
namespace {

/// The keys one byte an action, which the key decoder reads the same as the whole: it keeps no
/// time between bytes.
std::vector<SoakAction> one_byte_each(const std::vector<SoakAction>& actions) {
    std::vector<SoakAction> bytes;
    for (const SoakAction& action : actions) {
        if (action.resize) {
            bytes.push_back(action);
            continue;
        }
        for (const char byte : action.keys) bytes.push_back({false, std::string(1, byte), {}});
    }
    return bytes;
}

std::vector<SoakAction> joined(const std::vector<SoakAction>& actions) {
    std::vector<SoakAction> runs;
    for (const SoakAction& action : actions) {
        if (!action.resize && !runs.empty() && !runs.back().resize) {
            runs.back().keys += action.keys;
        } else {
            runs.push_back(action);
        }
    }
    return runs;
}

}  // namespace

std::string SoakAction::text() const {
    if (resize)
        return "resize " + std::to_string(window.rows) + "x" + std::to_string(window.columns);
    return "type " + ::testing::PrintToString(keys);
}

bool replay_ends_program(const std::string& term, const std::vector<SoakAction>& actions) {
    PtySession session({}, {"TERM=" + term});
    if (!session.expect("> ")) return false;
    try {
        for (const SoakAction& action : actions) {
            if (action.resize) {
                session.wait_until_idle();
                session.resize(action.window);
            } else {
                session.type(action.keys);
            }
            if (!session.running()) return true;
        }
        session.wait_until_idle();
    } catch (const std::exception&) {
        // The program took no more keys: it ended, or hangs, which running() tells apart.
    }
    return !session.running();
}

std::vector<SoakAction> shrink_actions(const std::string& term,
                                       const std::vector<SoakAction>& actions) {
    std::vector<SoakAction> kept = one_byte_each(actions);
    for (std::size_t run = kept.size() / 2; run > 0; run /= 2) {
        std::size_t start = 0;
        while (start < kept.size()) {
            std::vector<SoakAction> without = kept;
            const auto first = without.begin() + static_cast<std::ptrdiff_t>(start);
            without.erase(
                first, first + static_cast<std::ptrdiff_t>(std::min(run, without.size() - start)));
            if (replay_ends_program(term, without)) {
                kept = std::move(without);
            } else {
                start += run;
            }
        }
    }
    return joined(kept);
}

}  // namespace zorva::testing
