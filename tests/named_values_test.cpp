// SPDX-License-Identifier: MIT
#include "engine/named_values.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

TEST(NamedValuesTest, SetFindExists) {
    NamedValues names;
    EXPECT_FALSE(names.named_value_exists("x"));
    EXPECT_EQ(names.find("x"), nullptr);
    names.named_value_set("x", 2);
    names.named_value_set("x", 3);
    names.named_value_set("X", 4);
    EXPECT_TRUE(names.named_value_exists("x"));
    ASSERT_NE(names.find("x"), nullptr);
    ASSERT_NE(names.find("X"), nullptr);
    EXPECT_EQ(*names.find("x"), 3);
    EXPECT_EQ(*names.find("X"), 4);
    EXPECT_FALSE(names.named_value_exists("xx"));
    EXPECT_EQ(names.find("xx"), nullptr);
}

TEST(NamedValuesTest, DefinableNames) {
    for (const char* text : {"x", "PI", "_", "_b", "infinite", "nano", "e"}) {
        EXPECT_TRUE(is_definable_name(text)) << text;
    }
    for (const char* text : {"", "3", "0", "1.2.3", "(", "-x", "\tx", "inf", "INF", "Infinity",
                             "nan", "NaN", "-inf", "#x"}) {
        EXPECT_FALSE(is_definable_name(text)) << text;
    }
}

}  // namespace
}  // namespace zorva
