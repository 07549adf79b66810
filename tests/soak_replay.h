// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "pty_session.h"

namespace zorva::testing {

/// One thing the pty soak does: type some keys, or change the window's size.
struct SoakAction {
    bool resize = false;
    std::string keys;   // what is typed, unless resize
    WindowSize window;  // the new size, if resize

    /// As the soak reports it: type "..." or resize ROWSxCOLUMNS.
    std::string text() const;
};

/// Whether zorva, started on a pseudo-terminal with TERM=`term`, ends by itself (a crash) while
/// `actions` are done, one after another, each resize between whole keys.
bool replay_ends_program(const std::string& term, const std::vector<SoakAction>& actions);

/// The shortest part of `actions` found that still ends zorva by itself: the keys are taken
/// one byte each, and runs of them and then single ones are left out while the crash stays
/// (replayed with replay_ends_program each time). Adjacent keys come back as one action.
std::vector<SoakAction> shrink_actions(const std::string& term,
                                       const std::vector<SoakAction>& actions);

}  // namespace zorva::testing
