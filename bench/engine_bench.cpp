// SPDX-License-Identifier: MIT
// Micro-benchmarks of the three stages of a statement, on typical statements.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include "engine/constants.h"
#include "engine/eval_settings.h"
#include "engine/evaluator.h"
#include "engine/named_values.h"
#include "engine/postfix.h"
#include "engine/token.h"
#include "engine/tokenizer.h"

namespace {

using namespace zorva;

struct Statement {
    std::string label;
    std::string text;
};

std::string repeated_sum(int terms) {
    std::string text = "1.5";
    for (int i = 1; i < terms; ++i) text += "+1.5";
    return text;
}

const std::vector<Statement>& statements() {
    static const std::vector<Statement> table = {
        {"2+2", "2+2"},
        {"mixed", "1.5*(2.25-0.75)+sqrt(16)-3*4"},
        {"spaced", "12.5 * (3 - 0.25) + 7"},
        {"names", "x*2+PI/4"},
        {"definition", "y=3.5*2"},
        {"functions", "floor(sin(PI/6)*100)+abs(2-5)^2"},
        {"sum of 100 terms", repeated_sum(100)},
    };
    return table;
}

const Statement& statement_for(const benchmark::State& state) {
    return statements()[static_cast<std::size_t>(state.range(0))];
}

void set_counters(benchmark::State& state, const Statement& statement) {
    state.SetLabel(statement.label);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(statement.text.size()));
}

class CountingTokenSink final : public TokenSink {
public:
    void take_token(std::string_view text, TokenKind kind) override { count += text.size() + kind; }
    std::size_t count = 0;
};

void BM_TokenizerRun(benchmark::State& state) {
    const Statement& statement = statement_for(state);
    Tokenizer tokenizer;
    CountingTokenSink sink;
    for (auto _ : state) {
        tokenizer.run(statement.text, sink);
        benchmark::DoNotOptimize(sink.count);
    }
    set_counters(state, statement);
}

// The list form, which the verbose trace uses: one copied text per token.
void BM_TokenizeIntoList(benchmark::State& state) {
    const Statement& statement = statement_for(state);
    TokenList list;
    for (auto _ : state) {
        list.clear();
        tokenize(list, statement.text);
        benchmark::DoNotOptimize(list.data());
    }
    set_counters(state, statement);
}

// Tokenized once beforehand, so that only the reordering is timed.
void BM_Postfix(benchmark::State& state) {
    const Statement& statement = statement_for(state);
    TokenList tokens;
    tokenize(tokens, statement.text);
    CountingTokenSink sink;
    for (auto _ : state) {
        PostfixConverter converter(sink);
        for (const Token& token : tokens) converter.take_token(token.text, token.kind);
        converter.finish();
        benchmark::DoNotOptimize(sink.count);
    }
    set_counters(state, statement);
}

void BM_Evaluate(benchmark::State& state) {
    const Statement& statement = statement_for(state);
    const EvalSettings settings;
    NamedValues names;
    define_constants(names);
    names.named_value_set("x", 42);
    Evaluator evaluator(settings, names);
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluator.evaluate(statement.text));
    }
    set_counters(state, statement);
}

void each_statement(benchmark::internal::Benchmark* benchmark) {
    benchmark->DenseRange(0, static_cast<std::int64_t>(statements().size()) - 1);
}

BENCHMARK(BM_TokenizerRun)->Apply(each_statement);
BENCHMARK(BM_TokenizeIntoList)->Apply(each_statement);
BENCHMARK(BM_Postfix)->Apply(each_statement);
BENCHMARK(BM_Evaluate)->Apply(each_statement);

}  // namespace
