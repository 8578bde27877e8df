// Integer constant expressions, evaluated as C evaluates them. The
// evaluator keeps explicit stacks, so deeply nested input costs memory, not
// call depth.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "style/header/Failure.h"
#include "style/header/IntegerTypes.h"
#include "style/header/IntegerValue.h"

namespace header {

enum class EvalMode : unsigned char {
    Constant,   // an expression in C code: casts allowed, C's types
    Condition,  // an #if condition: every value is (unsigned) long long
};

// An operand with its type, and whether its value is known. Unknown: it
// depends on how the including program is configured. Fault: C would
// refuse to compute it (division by zero, signed overflow, a shift by too
// much), and fault says which. Neither matters in an operand that C does
// not evaluate, such as the right side of "0 &&".
struct Operand {
    enum class State : unsigned char { Known, Unknown, Fault };
    State state = State::Known;
    Reason fault = Reason::None;
    Value value;

    static Operand Known(Value v) { return {State::Known, Reason::None, v}; }
    bool IsKnown() const { return state == State::Known; }
};

// One token of a fully expanded expression.
struct ExprToken {
    enum class Kind : unsigned char { Operand, Punctuator, TypeWord };
    Operand operand;        // Kind::Operand
    // Kind::Punctuator, the keyword of a Kind::TypeWord, and the spelling of
    // an operand that is one literal.
    std::string_view text;
    Kind kind = Kind::Operand;
    TypeWord::Kind wordKind = TypeWord::Kind::Keyword;  // Kind::TypeWord, in casts
    IntegerType wordType;                               // of a TypeWord::Kind::IntegerName

    TypeWord Word() const { return {wordKind, text, wordType}; }
    void SetWord(const TypeWord& word)
    {
        kind = Kind::TypeWord;
        text = word.keyword;
        wordKind = word.kind;
        wordType = word.type;
    }
};

class ExpressionEvaluator {
public:
    enum class Op : unsigned char;  // the operators, listed with the evaluator's code

    // The result, or nothing when the tokens are not an integer expression:
    // a syntax error, or a cast to a type that is not an integer type.
    std::optional<Operand> Evaluate(const ExprToken* tokens, size_t count, EvalMode mode);
    // Why the last Evaluate gave nothing.
    Reason Refusal() const { return m_refusal; }

private:
    struct PendingOp {
        Op op;
        IntegerType castType;
    };
    void Push(Op op, IntegerType castType = {});
    Op Top() const;
    bool Reduce(EvalMode mode);

    std::vector<Operand> m_operands;
    std::vector<PendingOp> m_ops;
    std::vector<TypeWord> m_castWords;
    Reason m_refusal = Reason::None;
};

}  // namespace header
