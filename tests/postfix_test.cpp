// SPDX-License-Identifier: MIT
#include "engine/postfix.h"

#include <string>

#include <gtest/gtest.h>

#include "engine/tokenizer.h"

namespace zorva {
namespace {

std::string postfix_of(std::string_view statement) {
    struct Collect final : TokenSink {
        std::string shown;
        void take_token(std::string_view text, TokenKind) override {
            if (!shown.empty()) shown += ' ';
            shown += text;
        }
    } collect;
    PostfixConverter converter(collect);
    Tokenizer tokenizer;
    tokenizer.run(statement, converter);
    converter.finish();
    return collect.shown;
}

TEST(PostfixTest, ConvertsByBindingRanks) {
    const std::pair<std::string_view, const char*> cases[] = {
        {"2+3*4", "2 3 4 * +"},
        {"2^3^2", "2 3 ^ 2 ^"},
        {"2-3-4", "2 3 - 4 -"},
        {"sqrt(4)+1", "4 sqrt 1 +"},
        {"sqrt 4+5", "4 sqrt 5 +"},
        {"3!+2", "3 ! 2 +"},
        {"2^3!", "2 3 ! ^"},
        {"5mb", "5 mb"},
        {"sqrt 4mb", "4 mb sqrt"},
        {"x=5+1", "x 5 1 + ="},
        {"2*x=5", "2 x * 5 ="},
        {"y=x=3", "y x = 3 ="},
        {"(x=5)+1", "x 5 = 1 +"},
        {"((x=5))", "x ( 5 ="},
        {"2+(x=3)", "2 x + 3 ="},
        {"rand()", "0 rand"},
        {")(", ""},
    };
    for (const auto& [statement, expected] : cases) {
        EXPECT_EQ(postfix_of(statement), expected) << statement;
    }
}

TEST(PostfixTest, Precedence) {
    EXPECT_EQ(precedence(Power), 1);
    EXPECT_EQ(precedence(Divide), 2);
    EXPECT_EQ(precedence(Subtract), 3);
    EXPECT_EQ(precedence(OpenParen), 4);
    EXPECT_EQ(precedence(Assign), 5);
    EXPECT_EQ(precedence(Factorial), 0);
    EXPECT_EQ(precedence(Operand), 0);
}

}  // namespace
}  // namespace zorva
