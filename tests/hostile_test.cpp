// SPDX-License-Identifier: MIT
// End-to-end tests of the binary under hostile input: sizes at the limits of the system,
// every byte value, numbers at the edges of the doubles, formats that printf must never see,
// and outputs that fail. Every case states the whole output and the exit status; none may
// crash, hang, or draw a word on standard error (where a sanitizer would report).
#include <csignal>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected_run.h"

namespace zorva::testing {
namespace {

const std::string mismatch = "0\n\nWarning: Invalid number of parenthesis." + closing;
// Linux refuses a command-line word of 128 KiB or more (MAX_ARG_STRLEN, the NUL included).
constexpr std::size_t longest_word = 128 * 1024 - 1;
// Exit status of a run that standard output refused (ExitOutputFailed).
constexpr int output_failed = 2;

std::string warning(const std::string& token) { return "\nWarning: Invalid token '" + token + "'"; }

std::string repeat(const std::string& text, std::size_t times) {
    std::string all;
    all.reserve(text.size() * times);
    for (std::size_t k = 0; k < times; ++k) all += text;
    return all;
}

// "1+1+...+1" of `ones` terms, which sums exactly to `ones`.
std::string sum_of_ones(std::size_t ones) { return "1" + repeat("+1", ones - 1); }

// Names of four letters after a 'z', which no keyword and no number text begins with.
std::string name_number(std::size_t n) {
    std::string name = "zaaaa";
    for (std::size_t k = 4; k > 0; --k, n /= 26) name[k] = static_cast<char>('a' + n % 26);
    return name;
}

// Piped lines get no prompt: the banner, the results of each line, then the farewell.
std::string piped_session(const std::vector<std::string>& outputs) {
    std::string all = banner;
    for (const std::string& out : outputs) all += out;
    return all + bye;
}

TEST(HostileTest, LongestCommandLineWord) {
    const std::string sum = sum_of_ones(longest_word / 2 + 1);
    ASSERT_EQ(sum.size(), longest_word);
    expect_cases({{{sum}, "65536\n"}});
}

TEST(HostileTest, DeepParentheses) {
    const std::size_t depth = longest_word / 2;  // as deep as one word can nest a "1"
    expect_cases({
        {{std::string(100000, '(') + "1"}, mismatch},
        {{std::string(100000, ')')}, mismatch},
        {{std::string(depth, '(') + "1" + std::string(depth, ')')}, "1\n"},
        {{repeat(")(", 50000)}, "0\n"},
        // An Assign pops through every "(", so the name it finds on its left is a "(".
        {{std::string(50000, '(') + "x=5" + std::string(50000, ')') + ";x"},
         warning("x") + "\nWarning: Invalid assignment to '('." + closing + "0\n" + warning("x") +
             closing},
    });
}

TEST(HostileTest, ManySeparatorsAndWords) {
    std::vector<std::string> words{"2+2"};
    for (int k = 0; k < 10000; ++k) words.emplace_back("-t");
    expect_cases({
        {{std::string(100000, ';')}, ""},
        {{"1" + std::string(100000, ';') + "2"}, "1\n2\n"},
        {{std::string(100000, ';'), "-vvv"}, ""},
        {{repeat("1;", 60000)}, repeat("1\n", 60000)},
        {words, "4\n"},
    });
}

TEST(HostileTest, ManyNamesInOneWord) {
    // Three letters, the first a capital other than I and N: no keyword, and no spelling of
    // inf or nan. Each name takes the last digit of its place in the order of the alphabet.
    std::string statements;
    std::size_t count = 0;
    for (char first = 'A'; first <= 'Z'; ++first) {
        if (first == 'I' || first == 'N') continue;
        for (char second = 'a'; second <= 'z'; ++second) {
            for (char third = 'a'; third <= 'z'; ++third, ++count)
                statements +=
                    std::string{first, second, third, '='} + std::to_string(count % 10) + ";";
        }
    }
    ASSERT_EQ(count, 16224u);
    // Aaa is name 0, Bcd name 676 + 2 * 26 + 3 = 731, and Zzz the last, 16223.
    statements += "Aaa+Bcd*10+Zzz*100";
    ASSERT_LE(statements.size(), longest_word);
    expect_cases({{{statements}, "310\n"}});
}

// Each byte stands between two digits: "1", the byte, "2". What the statement gives follows
// from the byte's class alone.
std::string byte_between_digits(unsigned char byte) {
    const char c = static_cast<char>(byte);
    const std::string text{c};
    if (c >= '0' && c <= '9') return "1" + text + "2\n";
    if (c == '.') return "1.2\n";
    if (c == ' ' || c == ',') return "12\n";  // skipped
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
        // A name between two numbers: the last operand is the result.
        return c == 'E' || c == 'G' ? "2\n" : "2\n" + warning(text) + closing;
    }
    switch (c) {
        case '+': return "3\n";
        case '-': return "-1\n";
        case '*': return "2\n";
        case '/': return "0.5\n";
        case '^': return "1\n";
        case '!': return "2\n";  // the factorial of 2; the 1 before it is left over
        case '=': return "\nWarning: Invalid assignment to '1'." + closing;
        case '(':
        case ')': return mismatch;
        case ';': return "1\n2\n";
        default: break;
    }
    // Any other byte starts a token that the "2" continues. strtod skips white space, so that
    // token reads as 2 after a white-space byte and as 0 after any other.
    const bool space = c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    return (space ? "2\n" : "0\n") + warning(text + "2") + closing;
}

TEST(HostileTest, EveryByteValueInAStatement) {
    std::string statements;
    std::string expected;
    for (int byte = 0x01; byte <= 0xFF; ++byte) {
        statements += "1" + std::string(1, static_cast<char>(byte)) + "2;";
        expected += byte_between_digits(static_cast<unsigned char>(byte));
    }
    expect_cases({{{statements}, expected}});
}

TEST(HostileTest, InvalidUtf8AndControlBytes) {
    expect_cases({
        {{"\xff\xfe"}, "0\n" + warning("\xff\xfe") + closing},
        {{"2*\xc3\x28"}, mismatch},  // a lead byte before "(": the "(" still counts
        {{"\xed\xa0\x80+1"}, "1\n" + warning("\xed\xa0\x80") + closing},
        // Only an ASCII letter or '_' may begin a name; after a '_' any byte may follow.
        {{"\xc3\xa9=3;\xc3\xa9"},
         warning("\xc3\xa9") + "\nWarning: Invalid assignment to '\xc3\xa9'." + closing + "0\n" +
             warning("\xc3\xa9") + closing},
        {{"_\xc3\xa9=3;_\xc3\xa9*2"}, "6\n"},
        {{"x\xc0\xaf=3"},
         warning("x") + warning("\xc0\xaf") + "\nWarning: Invalid assignment to '\xc0\xaf'." +
             closing},
        {{"2+2", "-f", "\xff%.1f\xfe"},
         "\xff"
         "4.0\xfe\n"},
        // A tab and a form feed are bytes like any other; strtod skips them in "\f2".
        {{"1\t+\f2"}, "2\n" + warning("\t") + warning("\f2") + closing},
        {{"\t2\t"}, "0\n" + warning("\t2") + warning("\t") + closing},
        {{"2+2", "-f", "\t%.1f\f"}, "\t4.0\f\n"},
        {{"1\r\n"}, "0\n" + warning("\r\n") + closing},
    });
}

TEST(HostileTest, NumbersAtTheEdges) {
    const std::string inf_warning = warning("inf") + closing;
    expect_cases({
        // No literal has an exponent: "1e308" is the number 1, the name e and 308.
        {{"1e308*10"}, "3080\n" + warning("e") + closing},
        {{"10^308*10"}, "inf\n"},
        {{"0-10^308*10"}, "-inf\n"},
        {{"-0"}, "-0\n"},
        {{"-0+0"}, "0\n"},
        {{"0*-1"}, "-0\n"},
        {{"-0", "-t"}, "-0\n"},
        {{"-0", "-r", "2"}, "-0\n"},
        {{"-0", "-f", "%+.1f"}, "-0.0\n"},
        {{"1/-0"}, "0\n\nWarning: Division by zero/undefined." + closing},
        {{"2^-1022"}, "2.2250738585072e-308\n"},
        {{"2^-1074"}, "4.94065645841247e-324\n"},
        {{"2^-1074", "-f", "%a"}, "0x0.0000000000001p-1022\n"},
        {{"2^-1074/2"}, "0\n"},  // half the smallest denormal rounds to even, to 0
        {{"2^-1075"}, "0\n"},
        {{"2^-1074", "-r", "400"}, "4.94065645841247e-324\n"},
        {{"2^-1074", "-p", "330"}, "4.94065645841247e-324\n"},
        {{"nan"}, "nan\n" + warning("nan") + closing},
        {{"nan+1"}, "nan\n" + warning("nan") + closing},
        {{"inf"}, "inf\n" + inf_warning},
        {{"-inf"}, "-inf\n" + inf_warning},  // 0 - inf: the sign is an operator here
        {{"infinity/2"}, "inf\n" + warning("infinity") + closing},
        {{"inf", "-r", "2"}, "inf\n" + inf_warning},
        {{"inf", "-t"}, "inf\n" + inf_warning},
        {{"inf", "-f", "%08.2f"}, "     inf\n" + inf_warning},
    });
}

TEST(HostileTest, FactorialsAtTheEdges) {
    expect_cases({
        {{"nan!"}, "nan\n" + warning("nan") + closing},
        {{"inf!"}, "inf\n" + warning("inf") + closing},
        {{"(0-inf)!"}, "nan\n" + warning("inf") + closing},
        {{"-inf!"}, "-inf\n" + warning("inf") + closing},  // -(inf!)
        {{"(10^300)!"}, "inf\n"},
        {{"-2147483649!"}, "-inf\n"},  // an odd count of negative factors
        {{"-2147483648!"}, "inf\n"},
        {{"2147483648!"}, "inf\n"},
        {{"-171!"}, "-inf\n"},
        {{"-170!"}, "7.257415615308e+306\n"},
    });
}

TEST(HostileTest, OptionValuesAtTheEdges) {
    // Rounding is off for a value that is no 32-bit number, and leaves a value alone whose
    // scaling leaves the doubles; either way "3.14159+0" and "2.675" come out unrounded.
    std::vector<Case> cases;
    for (const char* value : {"nan", "inf", "-inf", "2147483648", "-2147483649", "-1e99", "1e99",
                              "2147483647", "-2147483648", "1e9", "308"}) {
        cases.push_back({{"3.14159+0", "-p", value}, "3.14159\n"});
        cases.push_back({{"2.675", "-r", value}, "2.675\n"});
    }
    cases.push_back({{"2.675", "-r", "307"}, "2.675\n"});
    cases.push_back({{"2.675", "-r", "0x1"}, "2.7\n"});  // strtod reads hexadecimal
    cases.push_back({{"2.675", "-r", " +2.9e0"}, "2.68\n"});
    expect_cases(cases);
}

TEST(HostileTest, FormatsAtTheEdges) {
    const std::string literal(1000, 'x');
    expect_cases({
        {{"2+2", "-f", literal}, literal + "\n"},
        {{"2+2", "-f", literal + "%.1f"}, literal + "4.0\n"},
        {{"1", "-f", "%1000.0f"}, std::string(999, ' ') + "1\n"},
        {{"2", "-f", "%-1000.3f", "-t"}, "2.000" + std::string(995, ' ') + "\n"},
        {{"1234567", "-f", "%'.1f"}, "1234567.0\n"},  // no locale, so no grouping by printf
        {{"2+2", "-f", "%%"}, "%\n"},
        {{"2+2", "-f", "%%%%"}, "%%\n"},
        {{"2+2", "-f", "%1001.0f"}, "Error: Invalid format '%1001.0f'.\n", 1},
        {{"2+2", "-f", "%.0f%"}, "Error: Invalid format '%.0f%'.\n", 1},
        {{"2+2", "-f", "%" + literal}, "Error: Invalid format '%" + literal + "'.\n", 1},
    });
}

RunResult run_with_output(const std::vector<std::string>& words, OutputTarget target,
                          bool sigpipe_ignored = false) {
    RunOptions options;
    options.output = target;
    options.sigpipe_ignored = sigpipe_ignored;
    return run_zorva(words, {}, options);
}

const std::vector<std::vector<std::string>> runs_that_print{
    {"2+2"}, {"-v"}, {"-h"}, {repeat("1;", 60000)}, {"8/0", "-vvv"}};

// No descriptor 1: nothing can be shown, so nothing is evaluated.
TEST(HostileTest, ClosedStandardOutput) {
    for (const auto& words : runs_that_print) {
        expect_run(run_with_output(words, OutputTarget::Closed), "", output_failed,
                   "closed: " + words.front().substr(0, 10));
    }
}

TEST(HostileTest, FullStandardOutput) {
    for (const auto& words : runs_that_print) {
        expect_run(run_with_output(words, OutputTarget::FullDevice), "", output_failed,
                   "full: " + words.front().substr(0, 10));
    }
    // An invalid format is the first failure, and its status stands.
    expect_run(run_with_output({"2+2", "-f", "%s"}, OutputTarget::FullDevice), "", 1, "format");
}

TEST(HostileTest, ReaderThatLeavesEndsTheRun) {
    const std::vector<std::string> words{repeat("1;", 60000), "-vvv"};
    // As in "zorva ... | head -c1": the default action of SIGPIPE ends the process quietly.
    expect_run(run_with_output(words, OutputTarget::ReaderLeaves), "T", 128 + SIGPIPE,
               "SIGPIPE default");
    // With SIGPIPE ignored, the write fails instead.
    expect_run(run_with_output(words, OutputTarget::ReaderLeaves, true), "T", output_failed,
               "SIGPIPE ignored");
}

TEST(HostileTest, ClosedStandardInput) {
    RunOptions closed;
    closed.input_closed = true;
    expect_run(run_zorva({"2+2"}, {}, closed), "4\n", 0, "one shot, input closed");
    expect_run(run_zorva({"-i"}, {}, closed), banner + bye, 0, "input closed");
    expect_run(run_zorva({"-i"}, {}), banner + bye, 0, "empty input");
}

TEST(HostileTest, PipedLinesAtTheLimits) {
    const std::string nul_line("1\0+2", 4);
    expect_run(run_zorva({}, "1+1\n2+2"), piped_session({"2\n", "4\n"}), 0,
               "input that ends inside a line");
    expect_run(run_zorva({}, sum_of_ones(524288) + "\n"), piped_session({"524288\n"}), 0,
               "a statement of 1 MB");
    // Blanks keep the evaluation light; the line is what is at stake.
    const std::string ten_megabytes = "1" + std::string(10 * 1024 * 1024 - 3, ' ') + "+1";
    expect_run(run_zorva({}, ten_megabytes + "\n"), piped_session({"2\n"}), 0, "a line of 10 MB");
    expect_run(run_zorva({}, nul_line + "\n"),
               piped_session({"2\n" + warning(std::string(1, '\0')) + closing}), 0,
               "a NUL byte in a line");
    expect_run(run_zorva({}, std::string(100000, '(') + "1" + std::string(100000, ')') + "\n"),
               piped_session({"1\n"}), 0, "100,000 nested parentheses");
}

TEST(HostileTest, PipedHundredThousandNames) {
    constexpr std::size_t count = 100000;
    std::string input;
    for (std::size_t k = 0; k < count; ++k)
        input += name_number(k) + "=" + std::to_string(k) + "\n";  // a definition prints nothing
    input += name_number(1) + "+" + name_number(count - 1) + "\n";
    expect_run(run_zorva({}, input), piped_session({std::to_string(count) + "\n"}), 0,
               "100,000 names");
}

TEST(HostileTest, PipedInputIntoRefusedOutput) {
    RunOptions options;
    options.output = OutputTarget::FullDevice;
    expect_run(run_zorva({}, repeat("1;2;3\n", 200000), options), "", output_failed,
               "lines into /dev/full");
    // An input that never ends, as at a terminal, must not keep a run that shows nothing.
    options.input_left_open = true;
    options.timeout_seconds = 30;
    expect_run(run_zorva({}, "1\n", options), "", output_failed, "open input into /dev/full");
}

}  // namespace
}  // namespace zorva::testing
