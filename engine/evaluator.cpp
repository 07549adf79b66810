// SPDX-License-Identifier: MIT
#include "engine/evaluator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/arithmetic.h"
#include "engine/characters.h"
#include "engine/number_text.h"

namespace zorva {
namespace {

// Every parenthesis byte is a token of its own, so counting bytes counts the tokens.
bool parentheses_balance(std::string_view statement) {
    const auto opened = std::count(statement.begin(), statement.end(), '(');
    const auto closed = std::count(statement.begin(), statement.end(), ')');
    return opened == closed;
}

}  // namespace

Evaluator::Evaluator(const EvalSettings& settings, NamedValues& names)
    : settings_(settings), names_(names) {}

std::optional<double> Evaluator::evaluate(std::string_view statement, StatementLists* lists) {
    status_ = EvalStatus{};
    status_.paren_mismatch = !parentheses_balance(statement);
    operands_.clear();
    name_operands_.clear();
    if (lists != nullptr) {
        RecordingSink postfix(lists->postfix, this);
        convert(statement, postfix, &lists->tokens);
    } else {
        convert(statement, *this, nullptr);
    }

    double value = operands_.empty() ? 0 : operand_value(operands_.back());
    if (settings_.round_digits >= 0) value = round_to_decimals(settings_.round_digits, value);
    if (status_.is_definition) return std::nullopt;
    return value;
}

// Tokenizes `statement` into the conversion, which hands its postfix queue to `postfix`; with
// unbalanced parentheses nothing is converted, and the result is 0. The tokens are also
// recorded in `tokens` when given.
void Evaluator::convert(std::string_view statement, TokenSink& postfix, TokenList* tokens) {
    PostfixConverter converter(postfix);
    TokenSink* converting = status_.paren_mismatch ? nullptr : &converter;
    if (tokens != nullptr) {
        RecordingSink recording(*tokens, converting);
        tokenizer_.run(statement, recording);
    } else if (converting != nullptr) {
        tokenizer_.run(statement, *converting);
    }
    converter.finish();
}

void Evaluator::take_token(std::string_view text, TokenKind kind) {
    switch (token_class(kind)) {
        case TokenClass::Operator:
        case TokenClass::UnaryFunction:
        case TokenClass::Unit:
        case TokenClass::Trig: apply_operation(kind); return;
        case TokenClass::Paren:
        case TokenClass::Operand: break;
    }
    // An Operand, or a "(" that an Assign moved out: pushed as its text.
    operands_.push_back({0, text});
    if (kind == Operand && !is_numeric_text(text)) name_operands_.push_back(text);
}

Evaluator::StackItem Evaluator::pop_operand() {
    const StackItem item = operands_.back();
    operands_.pop_back();
    return item;
}

void Evaluator::apply_operation(TokenKind kind) {
    if (operands_.empty()) return;  // nothing to apply to: skipped, no flag changes
    const StackItem right = pop_operand();
    std::optional<StackItem> left;
    if (is_operator(kind) && !operands_.empty()) left = pop_operand();
    status_.is_definition = kind == Assign;

    const std::int32_t precision = settings_.precision;
    double result = 0;
    if (kind == Assign) {
        assign(left ? &*left : nullptr, right);
    } else {
        double l = left ? operand_value(*left) : 0;
        double r = operand_value(right);
        if (precision >= 0) {
            l = round_to_decimals(precision, l);
            r = round_to_decimals(precision, r);
        }
        result = compute(kind, l, r);
    }
    if (precision >= 0) result = round_to_decimals(precision, result);
    operands_.push_back({round_to_number_text(result), {}});
}

double Evaluator::compute(TokenKind kind, double left, double right) {
    constexpr double kilo = 1024;
    switch (kind) {
        case Add: return left + right;
        case Subtract: return left - right;
        case Multiply: return left * right;
        case Divide:
            if (right == 0) {
                status_.division_by_zero = true;
                return 0;
            }
            return left / right;
        case Power: return std::pow(left, right);
        case Factorial: return factorial(right);
        case Sqrt: return std::sqrt(right);
        case Abs: return std::fabs(right);
        case Log: return std::log(right);
        case Floor: return std::floor(right);
        case Ceil: return std::ceil(right);
        case Round: return std::round(right);
        case Rand: return random_fraction();
        case Megabytes: return right * kilo;
        case Gigabytes: return right * kilo * kilo;
        case Terabytes: return right * kilo * kilo * kilo;
        case Petabytes: return right * kilo * kilo * kilo * kilo;
        case Sin: return std::sin(trig_argument(right));
        case Cos: return std::cos(trig_argument(right));
        case Tan: return std::tan(trig_argument(right));
        case Asin: return inverse_trig(right, [](double a) { return std::asin(a); });
        case Acos: return inverse_trig(right, [](double a) { return std::acos(a); });
        case Atan: return inverse_trig(right, [](double a) { return std::atan(a); });
        // An Assign stores instead of computing, and the others are no operations.
        case Assign:
        case CloseParen:
        case OpenParen:
        case Operand: break;
    }
    return 0;
}

// In degrees the argument of every trigonometric function is converted, the inverse ones'
// included.
double Evaluator::trig_argument(double argument) const {
    return settings_.degrees ? argument / 180 * std::numbers::pi : argument;
}

// The argument is converted before the range test, so in degrees atan stops at 180/pi.
double Evaluator::inverse_trig(double argument, double (*function)(double)) {
    const double a = trig_argument(argument);
    if (std::fabs(a) > 1) {
        status_.invalid_trig = true;
        return 0;
    }
    return function(a);
}

void Evaluator::assign(const StackItem* left, const StackItem& right) {
    const double value = operand_value(right);
    if (left != nullptr) {
        if (!left->text.empty() && is_definable_name(left->text)) {
            names_.named_value_set(left->text, value);
            return;
        }
    }
    if (status_.invalid_assignment) return;  // the first offender is the one reported
    status_.invalid_assignment = true;
    if (left != nullptr) {
        status_.invalid_assignment_left = left->text.empty()
                                              ? std::string(NumberText(left->value).view())
                                              : std::string(left->text);
    }
}

double Evaluator::operand_value(const StackItem& item) const {
    if (item.text.empty()) return item.value;
    // Only a definable name can be defined, so no other text needs the lookup.
    if (is_definable_start(item.text[0])) {
        if (const double* named = names_.find(item.text)) return *named;
    }
    return parse_number(item.text);
}

}  // namespace zorva
