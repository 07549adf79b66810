#include "engine/token.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

TEST(TokenTest, KindOfTextMatchesWholeTextCaseSensitive) {
    const std::pair<const char*, TokenKind> cases[] = {
        {"+", Add},        {"-", Subtract},    {"*", Multiply},   {"/", Divide},
        {"=", Assign},     {"^", Power},       {"!", Factorial},  {"sqrt", Sqrt},
        {"abs", Abs},      {"log", Log},       {"floor", Floor},  {"ceil", Ceil},
        {"round", Round},  {"rand", Rand},     {"mb", Megabytes}, {"gb", Gigabytes},
        {"tb", Terabytes}, {"pb", Petabytes},  {"sin", Sin},      {"cos", Cos},
        {"tan", Tan},      {"asin", Asin},     {"acos", Acos},    {"atan", Atan},
        {")", CloseParen}, {"(", OpenParen},   {"pt", Operand},   {"MB", Operand},
        {"Sin", Operand},  {"sqrtx", Operand}, {"mbb", Operand},  {"asinh", Operand},
        {"12", Operand},   {"+5", Operand},    {"#", Operand},
    };
    for (const auto& [text, kind] : cases) EXPECT_EQ(kind_of_text(text), kind) << text;
}

TEST(TokenTest, PredicatesAreRangesOfKinds) {
    EXPECT_TRUE(is_operator(Add));
    EXPECT_TRUE(is_operator(Power));
    EXPECT_FALSE(is_operator(Factorial));
    EXPECT_TRUE(is_unary_function(Factorial));
    EXPECT_TRUE(is_unary_function(Rand));
    EXPECT_FALSE(is_unary_function(Megabytes));
    EXPECT_TRUE(is_unary_function(Atan));
    EXPECT_FALSE(is_unary_function(CloseParen));
    EXPECT_TRUE(is_unit(Petabytes));
    EXPECT_FALSE(is_unit(Sin));
    EXPECT_TRUE(is_trig(Sin));
    EXPECT_FALSE(is_trig(Rand));
}

TEST(TokenTest, NumericText) {
    for (const char* text :
         {"", "5", "-5", "+5", ".", "-.", "1.2.3", "1e+5", "1e-5", "1e+", "-e+5"}) {
        EXPECT_TRUE(is_numeric_text(text)) << text;
    }
    for (const char* text :
         {"-", "+", "--5", "+-5", "1e5", "1E+5", "e+5", "1e", "5x", " 5", "\xb5"}) {
        EXPECT_FALSE(is_numeric_text(text)) << text;
    }
}

}  // namespace
}  // namespace zorva
