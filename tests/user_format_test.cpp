// SPDX-License-Identifier: MIT
#include "cli/user_format.h"

#include <string>

#include <gtest/gtest.h>

namespace zorva {
namespace {

TEST(UserFormatTest, ValidFormats) {
    for (const char* format : {"", "%f", "%.2f", "%10.3e", "%-+ #0'12.4G", "%lf", "%a", "%A", "%%",
                               "%%%f%%", "x = %g units", "plain text", "%1000.1000f", "%.f"}) {
        EXPECT_TRUE(is_valid_user_format(format)) << format;
    }
}

TEST(UserFormatTest, InvalidFormats) {
    for (const char* format :
         {"%s", "%d", "%n", "%*f", "%.*f", "%ls", "%Lf", "%f%f", "%", "%5", "%1001f", "%.1001f",
          "%99999f", "%hf", "%llf", "abc%", "%-", "%.2"}) {
        EXPECT_FALSE(is_valid_user_format(format)) << format;
    }
}

TEST(UserFormatTest, OutputIsWhole) {
    EXPECT_EQ(apply_user_format("%.2f", 4), "4.00");
    EXPECT_EQ(apply_user_format("%.40f", 0.333333333333333),
              "0.3333333333333329817627088687004288658500");
    EXPECT_EQ(apply_user_format("%%", 1), "%");
    EXPECT_EQ(apply_user_format(std::string(1000, 'a'), 1), std::string(1000, 'a'));
    EXPECT_EQ(apply_user_format("%1000.1000f", 1e308).size(), 1310u);
}

}  // namespace
}  // namespace zorva
