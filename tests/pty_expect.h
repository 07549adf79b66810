// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "pty_session.h"

namespace zorva::testing {

// On a terminal the pseudo-terminal turns each line break into "\r\n".
inline const std::string tty_banner =
    "Running ZORVA v4.0.0\r\nType 'exit' to exit the program.\r\n> ";

/// Types `keys` at the next prompt and expects `result` as the next output line.
inline void expect_line(PtySession& session, std::string_view keys, std::string_view result) {
    session.type(keys);
    EXPECT_TRUE(session.expect("\r\n" + std::string(result) + "\r\n> "))
        << "keys: " << keys << "\nscreen: " << session.screen();
}

}  // namespace zorva::testing
