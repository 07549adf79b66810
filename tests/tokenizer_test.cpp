// SPDX-License-Identifier: MIT
#include "engine/tokenizer.h"

#include <string>

#include <gtest/gtest.h>

namespace zorva {
namespace {

// Tokens as "text:kind" joined by blanks, kind O for Operand and K for any keyword.
std::string tokens_of(std::string_view statement) {
    TokenList list;
    tokenize(list, statement);
    std::string shown;
    for (const Token& token : list) {
        if (!shown.empty()) shown += ' ';
        shown += token.text + (token.kind == Operand ? ":O" : ":K");
    }
    return shown;
}

TEST(TokenizerTest, SplitsStatements) {
    const std::pair<std::string_view, const char*> cases[] = {
        {"3*-5", "3:O *:K -5:O"},
        {"3--5", "3:O -:K -5:O"},
        {"3 * -5", "3:O *:K -:K 5:O"},
        {"-5", "-5:O"},
        {" -5", "-:K 5:O"},
        {"--5", "-:K -5:O"},
        {"+-5", "+:K -5:O"},
        {"1+ +2", "1:O +:K +:K 2:O"},
        {"(-5)", "(:K -5:O ):K"},
        {"10-(-5)", "10:O -:K (:K -5:O ):K"},
        {"2^-1", "2:O ^:K -1:O"},
        {"x=-5", "x:O =:K -5:O"},
        {"x = 5", "x:O =:K 5:O"},
        {"2*-x", "2:O *:K -:K x:O"},
        {"2*-(3)", "2:O *:K -:K (:K 3:O ):K"},
        {"-sqrt(4)", "-:K sqrt:K (:K 4:O ):K"},
        {"3*- 5", "3:O *:K -5:O"},
        {"2x", "2:O x:O"},
        {"2pi", "2:O pi:O"},
        {"ab12cd", "ab:O 12:O cd:O"},
        {"1e-5", "1:O e:O -:K 5:O"},
        {"1 000", "1000:O"},
        {"1,000", "1000:O"},
        {"1,5", "15:O"},
        {"sin x", "sinx:O"},
        {"1.2.3", "1.2.3:O"},
        {"5mb", "5:O mb:K"},
        {"5 pt", "5:O pt:O"},
        {"()", "(:K 0:O ):K"},
        {"( )", "(:K 0:O ):K"},
        {"(()", "(:K (:K 0:O ):K"},
        {"(-)", "(:K -:K ):K"},
        {"rand()", "rand:K (:K 0:O ):K"},
        {"sqrt(4)", "sqrt:K (:K 4:O ):K"},
        {"3!-1", "3:O !:K -:K 1:O"},
        {"#5", "#5:O"},
        {"#5x", "#5:O x:O"},
        {"a_b", "a:O _b:O"},
        {"1\t2", "1:O \t2:O"},
        {"\t+", "\t:O +:K"},
        {"#-5", "#:O -:K 5:O"},
        {"", ""},
        {"  ,  ", ""},
    };
    for (const auto& [statement, expected] : cases) {
        EXPECT_EQ(tokens_of(statement), expected) << '"' << statement << '"';
    }
}

TEST(TokenizerTest, CharClasses) {
    EXPECT_EQ(char_class('7'), Number);
    EXPECT_EQ(char_class('.'), Number);
    EXPECT_EQ(char_class('^'), Symbol);
    EXPECT_EQ(char_class('z'), Letter);
    EXPECT_EQ(char_class('_'), Other);
    EXPECT_EQ(char_class('\xe9'), Other);
    EXPECT_EQ(char_class('%'), Other);
}

// A token split by skipped blanks is copied; it must outlive the tokens after it.
TEST(TokenizerTest, SplitTextsStayValidUntilTheNextRun) {
    struct Keep final : TokenSink {
        std::vector<std::string_view> texts;
        void take_token(std::string_view text, TokenKind) override { texts.push_back(text); }
    } keep;
    Tokenizer tokenizer;
    tokenizer.run("1 2+3 4+5 6", keep);
    ASSERT_EQ(keep.texts.size(), 5u);
    EXPECT_EQ(keep.texts[0], "12");
    EXPECT_EQ(keep.texts[2], "34");
    EXPECT_EQ(keep.texts[4], "56");
}

}  // namespace
}  // namespace zorva
