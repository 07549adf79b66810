// SPDX-License-Identifier: MIT
// End-to-end tests: the built binary, its words, its exact standard output and exit status.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected_run.h"

namespace zorva::testing {
namespace {

TEST(CliTest, OneShotCalculations) {
    expect_cases({
        {{"2+2"}, "4\n"},
        {{"x=2; x^10/4"}, "256\n"},
        {{"1+1;2*3"}, "2\n6\n"},
        {{";;1;;"}, "1\n"},
        {{"1+1; "}, "2\n0\n"},
        {{"2", "+", "2"}, "2\n"},
        {{"a=5"}, ""},
        {{"a=5;a*2"}, "10\n"},
        {{"1/3*3"}, "0.999999999999999\n"},
        {{"sin(90)", "-d"}, "1\n"},
        {{"-d", "2+2"}, "0\n\nWarning: Invalid token 'd'" + closing},
        {{"2+2", "-d", "-d"}, "4\n"},
        {{"2+2", "-p"}, "4\n"},
        {{"-p"}, "0\n\nWarning: Invalid token 'p'" + closing},
        {{"3.14159+0", "-p", "2"}, "3.14\n"},
        {{"2.675", "-r", "2"}, "2.68\n"},
        {{"20!"}, "2.43290200817664e+18\n"},
        {{"170!"}, "7.257415615308e+306\n"},
        {{"171!"}, "inf\n"},
        {{"5mb;1pb;5 pt"},
         "5120\n1099511627776\n0" + std::string("\n\nWarning: Invalid token 'pt'") + closing},
    });
}

TEST(CliTest, VersionAndHelp) {
    const std::string help_end =
        "Units of measurement for data storage 'mb', 'gb', 'tb' and 'pb' (returned in kb).\n\n";
    const RunResult help = run_zorva({"2+2", "-h"});
    EXPECT_EQ(help.status, 0);
    ASSERT_GE(help.out.size(), help_end.size());
    EXPECT_EQ(help.out.substr(0, 44), "ZORVA: Just an advanced terminal calculator\n");
    EXPECT_EQ(help.out.substr(help.out.size() - help_end.size()), help_end);
    expect_cases({
        {{"2+2", "-v"}, "ZORVA v4.0.0\n"},
        {{"--version"}, "ZORVA v4.0.0\n"},
        {{"-f", "%s", "-v"}, "ZORVA v4.0.0\n"},  // checked after the options, so -v wins
    });
}

TEST(CliTest, ModeChoice) {
    expect_cases({
        {{}, banner + bye},
        {{"-d"}, banner + bye},
        {{"-p", "3"}, banner + bye},
        {{"2+2", "-i"}, banner + bye},
        {{"1/3", "-f", "-p", "2"}, banner + bye},
    });
}

TEST(CliTest, UserFormats) {
    expect_cases({
        {{"2+2", "-f", "%.2f"}, "4.00\n"},
        {{"1/3", "-f", "%.20f"}, "0.33333333333333298176\n"},
        {{"1/3", "-f", "%.40f"}, "0.3333333333333329817627088687004288658500\n"},
        {{"1234567", "-f", "%.2f", "-t"}, "1,234,567.00\n"},
        {{"2+2", "-f", ""}, "4\n"},
        {{"a=5", "-f", "%.2f"}, ""},
        {{"7", "-f", "%%"}, "%\n"},
        {{"7", "-f", "value: %08.3f%%"}, "value: 0007.000%\n"},
        {{"7", "-f", "no conversion"}, "no conversion\n"},
        {{"10^18", "-f", "%f", "-t"}, "1,000,000,000,000,000,000.000000\n"},
    });
}

TEST(CliTest, InvalidFormatsEvaluateNothing) {
    std::vector<Case> cases;
    for (const char* format :
         {"%s", "%d", "%n", "%*f", "%.*f", "%ls", "%Lf", "%f%f", "%", "%5", "%99999f", "%.1001f"}) {
        cases.push_back(
            {{"x=1;2", "-f", format}, "Error: Invalid format '" + std::string(format) + "'.\n", 1});
    }
    expect_cases(cases);
}

TEST(CliTest, Warnings) {
    expect_cases({
        {{"8/0"}, "0\n\nWarning: Division by zero/undefined." + closing},
        {{"asin(2)"}, "0\n\nWarning: Invalid trigonometric value." + closing},
        {{"(2+3"}, "0\n\nWarning: Invalid number of parenthesis." + closing},
        {{"(x"}, "0\n\nWarning: Invalid number of parenthesis." + closing},
        {{"foo+foo"}, "0\n\nWarning: Invalid token 'foo'\nWarning: Invalid token 'foo'" + closing},
        {{"pi"}, "0\n\nWarning: Invalid token 'pi'" + closing},
        {{"x=y"}, "\nWarning: Invalid token 'y'" + closing},
        {{"x=5;x+1.2.3"}, "6.2\n"},
        {{"foo/0+asin(5)"},
         "0\n\nWarning: Invalid token 'foo'\nWarning: Division by zero/undefined.\n"
         "Warning: Invalid trigonometric value." +
             closing},
        {{"atan(58)", "-d"}, "0\n\nWarning: Invalid trigonometric value." + closing},
    });
}

TEST(CliTest, OnlyNamesCanBeAssigned) {
    expect_cases({
        {{"3=7;3+1"}, "\nWarning: Invalid assignment to '3'." + closing + "4\n"},
        {{"2*x=5;0+1"},
         "\nWarning: Invalid token 'x'\nWarning: Invalid assignment to '0'." + closing + "1\n"},
        {{"x=4;y=x=3;y"}, "\nWarning: Invalid assignment to '0'." + closing + "4\n"},
        {{"2+(x=3)"},
         "\nWarning: Invalid token 'x'\nWarning: Invalid assignment to '2'." + closing},
        {{"((x=5))"},
         "\nWarning: Invalid token 'x'\nWarning: Invalid assignment to '('." + closing},
        {{"=5"}, "\nWarning: Invalid assignment." + closing},
        {{"inf=3;inf"},
         "\nWarning: Invalid token 'inf'\nWarning: Invalid assignment to 'inf'." + closing +
             "inf\n\nWarning: Invalid token 'inf'" + closing},
        {{"PI=3;PI"}, "3\n"},
        {{"="}, "0\n"},
        {{"8/0=1"},
         "\nWarning: Division by zero/undefined.\nWarning: Invalid assignment to '0'." + closing},
    });
}

TEST(CliTest, VerboseTrace) {
    expect_cases({
        {{"2*foo+1", "-vvv"},
         "Tokens > '2' '*' 'foo'? '+' '1' \nPosfix > 2 foo * 1 + \nResult > 1\n"
         "\nWarning: Invalid token 'foo'" +
             closing},
        {{"1;2", "--verbose"},
         "Tokens > '1' \nPosfix > 1 \nResult > 1\n\nTokens > '2' \nPosfix > 2 \nResult > 2\n"},
        {{"x=5", "-vvv"}, "Tokens > 'x' '=' '5' \nPosfix > x 5 = \nResult > (definition)\n"},
        {{"(foo", "-vvv"},
         "Tokens > '(' 'foo'? \nPosfix > \nResult > 0\n\nWarning: Invalid number of parenthesis." +
             closing},
        {{"  ", "-vvv"}, "Tokens > \nPosfix > \nResult > 0\n"},
        {{"1000*1000", "-vvv", "-t"},
         "Tokens > '1000' '*' '1000' \nPosfix > 1000 1000 * \nResult > 1,000,000\n"},
        {{"rand()*0", "-vvv", "-f", "%.1f"},
         "Tokens > 'rand' '(' '0' ')' '*' '0' \nPosfix > 0 rand 0 * \nResult > 0.0\n"},
        {{"a=5", "-f", "%.2f", "-vvv"},
         "Tokens > 'a' '=' '5' \nPosfix > a 5 = \nResult > (definition)\n"},
    });
}

TEST(CliTest, ThousandsSeparators) {
    expect_cases({
        {{"-123456", "-t"}, "-123,456\n"},
        {{"-123", "-t"}, "-123\n"},
        {{"1e20", "-t"}, "20\n\nWarning: Invalid token 'e'" + closing},
        {{"10^20", "-t"}, "1e+20\n"},
        {{"0-10^300", "-t"}, "-1e+300\n"},
        {{"1234567.891", "-t"}, "1,234,567.891\n"},
        {{"123456789012345", "-t"}, "123,456,789,012,345\n"},
        {{"1234.5", "-t", "-f", "%10.2f"}, "   1,234.50\n"},
    });
}

}  // namespace
}  // namespace zorva::testing

namespace zorva::testing {
namespace {

// Address space is what the sanitizers need most of, so they cannot run under a limit.
#ifndef ZORVA_SANITIZE
TEST(CliTest, AllocationFailureEndsWithItsMessage) {
    std::string statement = "1";
    for (int i = 0; i < 60000; ++i) statement += "+1";
    const RunResult run = run_program({"/bin/sh", "-c", R"(ulimit -v 10000 && exec "$0" "$@")",
                                       zorva_binary(), statement, "-vvv"});
    EXPECT_EQ(run.out, "Error: Could not allocate memory\n");
    EXPECT_EQ(run.status, 255);
}
#endif

}  // namespace
}  // namespace zorva::testing
