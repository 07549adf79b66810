// SPDX-License-Identifier: MIT
#include "engine/token.h"

#include <iterator>
#include <string_view>

#include <gtest/gtest.h>

#include "engine/postfix.h"

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

// Every kind: its text, its binding rank, and the predicates that hold for it: O is_operator,
// F is_unary_function, U is_unit, T is_trig.
TEST(TokenTest, EveryKindsTextRankAndPredicates) {
    struct Row {
        TokenKind kind;
        std::string_view text;
        int rank;
        std::string_view predicates;
    };
    const Row rows[] = {
        {Add, "+", 3, "O"},        {Subtract, "-", 3, "O"},   {Multiply, "*", 2, "O"},
        {Divide, "/", 2, "O"},     {Assign, "=", 5, "O"},     {Power, "^", 1, "O"},
        {Factorial, "!", 0, "F"},  {Sqrt, "sqrt", 0, "F"},    {Abs, "abs", 0, "F"},
        {Log, "log", 0, "F"},      {Floor, "floor", 0, "F"},  {Ceil, "ceil", 0, "F"},
        {Round, "round", 0, "F"},  {Rand, "rand", 0, "F"},    {Megabytes, "mb", 0, "U"},
        {Gigabytes, "gb", 0, "U"}, {Terabytes, "tb", 0, "U"}, {Petabytes, "pb", 0, "U"},
        {Sin, "sin", 0, "FT"},     {Cos, "cos", 0, "FT"},     {Tan, "tan", 0, "FT"},
        {Asin, "asin", 0, "FT"},   {Acos, "acos", 0, "FT"},   {Atan, "atan", 0, "FT"},
        {CloseParen, ")", 4, ""},  {OpenParen, "(", 4, ""},   {Operand, "", 0, ""},
    };
    ASSERT_EQ(std::size(rows), Operand + 1u);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        const auto holds = [&row](char letter) {
            return row.predicates.find(letter) != std::string_view::npos;
        };
        EXPECT_EQ(row.kind, i);  // the numbers of the kinds are fixed
        EXPECT_EQ(keyword_text(row.kind), row.text) << row.text;
        if (!row.text.empty()) {
            EXPECT_EQ(kind_of_text(row.text), row.kind) << row.text;
        }
        EXPECT_EQ(precedence(row.kind), row.rank) << row.text;
        EXPECT_EQ(is_operator(row.kind), holds('O')) << row.text;
        EXPECT_EQ(is_unary_function(row.kind), holds('F')) << row.text;
        EXPECT_EQ(is_unit(row.kind), holds('U')) << row.text;
        EXPECT_EQ(is_trig(row.kind), holds('T')) << row.text;
    }
}

}  // namespace
}  // namespace zorva
