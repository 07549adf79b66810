// SPDX-License-Identifier: MIT
#include "engine/evaluator.h"

#include <string>

#include <gtest/gtest.h>

#include "engine/constants.h"
#include "engine/number_text.h"

namespace zorva {
namespace {

class EvaluatorTest : public ::testing::Test {
protected:
    EvaluatorTest() { define_constants(names); }

    // The result text, or "none" for a definition.
    std::string run(std::string_view statement) {
        const auto value = evaluator.evaluate(statement);
        return value ? std::string(NumberText(*value).view()) : "none";
    }

    void expect_results(std::initializer_list<std::pair<std::string_view, const char*>> cases) {
        for (const auto& [statement, expected] : cases)
            EXPECT_EQ(run(statement), expected) << statement;
    }

    EvalSettings settings;
    NamedValues names;
    Evaluator evaluator{settings, names};
};

TEST_F(EvaluatorTest, Arithmetic) {
    expect_results({
        {"2+3*4", "14"},
        {"2-3-4", "-5"},
        {"8/2/2", "2"},
        {"2^3^2", "64"},
        {"2^3!", "64"},
        {"1/3*3", "0.999999999999999"},
        {"2(3+4)", "7"},
        {"", "0"},
        {"   ", "0"},
        {"abc", "0"},
        {"pi", "0"},
        {"E", "2.71828182845905"},
        {"1.2.3", "1.2"},
        {"inf", "inf"},
        {"2^10000", "inf"},
        {"log(0)", "-inf"},
        {"-0", "-0"},
        {"5mb", "5120"},
        {"1pb", "1099511627776"},
        {"2+3mb", "3074"},
        {"mb", "0"},
        {"round(2.5)", "3"},
        {"round(-2.5)", "-3"},
        {"floor(-1.5)", "-2"},
        {"ceil(1.2)", "2"},
        {"abs(-3)", "3"},
        {"sqrt 4+5", "7"},
        {")(", "0"},
        {"rand", "0"},
        {"=", "0"},
        {"asin(1)", "1.5707963267949"},
        {"\t5+1", "6"},
    });
}

TEST_F(EvaluatorTest, FactorialDoesNotWrap) {
    expect_results({
        {"3!", "6"},
        {"!3", "6"},
        {"3!+2", "8"},
        {"3!!", "720"},
        {"3.9!", "6"},
        {"0!", "1"},
        {"-3!", "-6"},
        {"-4!", "24"},
        {"20!", "2.43290200817664e+18"},
        {"21!", "5.10909421717094e+19"},
        {"66!", "5.44344939077443e+92"},
        {"170!", "7.257415615308e+306"},
        {"171!", "inf"},
        {"-171!", "-inf"},
        {"-172!", "inf"},
        {"inf!", "inf"},
        {"(0-inf)!", "nan"},
        {"nan!", "nan"},
        {"2147483649!", "inf"},
    });
}

TEST_F(EvaluatorTest, FlagsOfProblems) {
    run("1/0");
    EXPECT_TRUE(evaluator.status().division_by_zero);
    run("0/0");
    EXPECT_TRUE(evaluator.status().division_by_zero);
    run("asin(2)");
    EXPECT_TRUE(evaluator.status().invalid_trig);
    EXPECT_FALSE(evaluator.status().division_by_zero);  // cleared for every statement
    run("atan(2)");
    EXPECT_TRUE(evaluator.status().invalid_trig);
    EXPECT_EQ(run("(2+3"), "0");
    EXPECT_TRUE(evaluator.status().paren_mismatch);
    run(")(");
    EXPECT_FALSE(evaluator.status().paren_mismatch);
}

TEST_F(EvaluatorTest, NamedValuesPersistAndAreReadWhenUsed) {
    expect_results({
        {"x=5+1", "none"},
        {"x", "6"},
        {"x=x+1", "none"},
        {"x", "7"},
        {"(y=5)", "none"},
        {"y", "5"},
        {"(y=5)+1", "1"},
        {"PI=3", "none"},
        {"PI+1", "4"},
        // The left x is read only by the +, after the assignment changed it.
        {"z(z=3)+", "3"},
    });
    run("x=4");
    EXPECT_EQ(run("y=x=3"), "none");
    EXPECT_EQ(run("y"), "4");
    EXPECT_EQ(run("x"), "4");
}

TEST_F(EvaluatorTest, OnlyNamesCanBeAssigned) {
    const std::pair<std::string_view, std::optional<std::string>> cases[] = {
        {"3=7", "3"},     {"1.2.3=4", "1.2.3"},       {"2*q=5", "0"},       {"2+(q=3)", "2"},
        {"((q=5))", "("}, {"=5", std::nullopt},       {"inf=2", "inf"},     {"INF=2", "INF"},
        {"nan=2", "nan"}, {"Infinity=2", "Infinity"}, {"2^10000=1", "inf"},
    };
    for (const auto& [statement, left] : cases) {
        EXPECT_EQ(run(statement), "none") << statement;
        EXPECT_TRUE(evaluator.status().invalid_assignment) << statement;
        EXPECT_EQ(evaluator.status().invalid_assignment_left, left) << statement;
    }
    expect_results({{"3+1", "4"}, {"0+1", "1"}, {"inf", "inf"}, {"q", "0"}});
    run("_a=2");
    EXPECT_FALSE(evaluator.status().invalid_assignment);
    EXPECT_EQ(run("_a"), "2");
}

TEST_F(EvaluatorTest, FirstOffendingAssignIsReported) {
    run("x=4");
    run("y=x=3");
    EXPECT_EQ(evaluator.status().invalid_assignment_left, "0");
}

TEST_F(EvaluatorTest, RandDrawsNewFractions) {
    const auto first = evaluator.evaluate("rand()");
    const auto second = evaluator.evaluate("rand()");
    ASSERT_TRUE(first && second);
    EXPECT_GE(*first, 0);
    EXPECT_LT(*first, 1);
    EXPECT_NE(*first, *second);
    const auto sum = evaluator.evaluate("rand()+rand()");
    const auto alone = evaluator.evaluate("2+rand");
    ASSERT_TRUE(sum && alone);
    EXPECT_LT(*alone, 1);  // Rand consumed the 2; the Add found no left operand
}

TEST_F(EvaluatorTest, Degrees) {
    settings.degrees = true;
    expect_results({
        {"sin(90)", "1"},
        {"sin(180)", "1.22464679914735e-16"},
        {"tan(90)", "1.63312393531954e+16"},
        {"asin(1)", "0.0174541787375852"},
        {"atan(57)", "0.782810326348054"},
        {"atan(58)", "0"},
    });
    EXPECT_TRUE(evaluator.status().invalid_trig);
}

TEST_F(EvaluatorTest, RoundDigits) {
    settings.round_digits = 0;
    expect_results({{"2.5", "3"}, {"-2.5", "-2"}, {"-0.5", "-0"}});
    settings.round_digits = 2;
    expect_results({{"2.675", "2.68"}, {"-2.675", "-2.67"}});
    settings.round_digits = 400;
    expect_results({{"1/3", "0.333333333333333"}});
    settings.round_digits = 10;
    expect_results({{"10^300", "1e+300"}});
}

TEST_F(EvaluatorTest, Precision) {
    settings.precision = 2;
    expect_results({{"3.14159", "3.14159"},
                    {"3.14159+0", "3.14"},
                    {"PI", "3.14159265358979"},
                    {"1/0.001", "0"},
                    {"x=3.14159", "none"},
                    {"x", "3.14159"}});
    EXPECT_TRUE((run("1/0.001"), evaluator.status().division_by_zero));
    settings.precision = 400;
    expect_results({{"1/3", "0.333333333333333"}});
}

TEST_F(EvaluatorTest, ListsForTheTrace) {
    StatementLists lists;
    evaluator.evaluate("2*foo+1", &lists);
    ASSERT_EQ(lists.tokens.size(), 5u);
    EXPECT_EQ(lists.tokens[2], (Token{"foo", Operand}));
    std::string postfix;
    for (const Token& token : lists.postfix) postfix += token.text + ' ';
    EXPECT_EQ(postfix, "2 foo * 1 + ");
    EXPECT_EQ(evaluator.name_operands(), std::vector<std::string_view>{"foo"});

    StatementLists unbalanced;
    evaluator.evaluate("(x", &unbalanced);
    EXPECT_EQ(unbalanced.tokens.size(), 2u);
    EXPECT_TRUE(unbalanced.postfix.empty());
    EXPECT_TRUE(evaluator.name_operands().empty());
}

}  // namespace
}  // namespace zorva
