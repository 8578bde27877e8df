#include "style/header/ExpressionEvaluator.h"

namespace header {

enum class ExpressionEvaluator::Op : unsigned char {
    Negate, Plus, BitNot, LogicalNot, Cast,  // prefix
    Multiply, Divide, Remainder, Add, Subtract, ShiftLeft, ShiftRight,
    Less, Greater, LessEqual, GreaterEqual, Equal, NotEqual,
    BitAnd, BitXor, BitOr, LogicalAnd, LogicalOr,
    Question,     // "?" waiting for its ":"
    Conditional,  // "?:" with both branches read
    OpenParen,
};

namespace {

using Op = ExpressionEvaluator::Op;
using State = Operand::State;

constexpr int kPrefixPrecedence = 14;

int Precedence(Op op)
{
    switch (op) {
    case Op::Negate: case Op::Plus: case Op::BitNot: case Op::LogicalNot: case Op::Cast:
        return kPrefixPrecedence;
    case Op::Multiply: case Op::Divide: case Op::Remainder: return 13;
    case Op::Add: case Op::Subtract: return 12;
    case Op::ShiftLeft: case Op::ShiftRight: return 11;
    case Op::Less: case Op::Greater: case Op::LessEqual: case Op::GreaterEqual: return 10;
    case Op::Equal: case Op::NotEqual: return 9;
    case Op::BitAnd: return 8;
    case Op::BitXor: return 7;
    case Op::BitOr: return 6;
    case Op::LogicalAnd: return 5;
    case Op::LogicalOr: return 4;
    case Op::Question: case Op::Conditional: return 3;
    case Op::OpenParen: return 0;
    }
    return 0;
}

// "(" and a "?" without its ":" stop the reduction of what follows them.
bool IsMarker(Op op)
{
    return op == Op::OpenParen || op == Op::Question;
}

// An operator between two operands, or the "?" of "?:".
std::optional<Op> InfixOp(std::string_view p)
{
    struct Spelling {
        std::string_view text;
        Op op;
    };
    static constexpr Spelling kInfix[] = {
        {"*", Op::Multiply},   {"/", Op::Divide},       {"%", Op::Remainder}, {"+", Op::Add},
        {"-", Op::Subtract},   {"<<", Op::ShiftLeft},   {">>", Op::ShiftRight}, {"<", Op::Less},
        {">", Op::Greater},    {"<=", Op::LessEqual},   {">=", Op::GreaterEqual}, {"==", Op::Equal},
        {"!=", Op::NotEqual},  {"&", Op::BitAnd},       {"^", Op::BitXor},    {"|", Op::BitOr},
        {"&&", Op::LogicalAnd}, {"||", Op::LogicalOr},  {"?", Op::Question},
    };
    for (const Spelling& s : kInfix)
        if (s.text == p)
            return s.op;
    return std::nullopt;
}

std::optional<Op> PrefixOp(std::string_view p)
{
    if (p == "-")
        return Op::Negate;
    if (p == "+")
        return Op::Plus;
    if (p == "~")
        return Op::BitNot;
    if (p == "!")
        return Op::LogicalNot;
    return std::nullopt;
}

Value Truth(bool b, EvalMode mode)
{
    return Value::Of(mode == EvalMode::Condition ? PromotedType::LongLong : PromotedType::Int, b ? 1 : 0);
}

Operand Known(Value v)
{
    return Operand::Known(v);
}

Operand Fault(Value typed, Reason why)
{
    return {State::Fault, why, typed};
}

// A signed result of type t, or a fault when it does not fit; overflow
// tells whether it did not fit 64 bits.
Operand SignedResult(PromotedType t, bool overflow, int64_t r)
{
    if (overflow || (t == PromotedType::Int && (r < INT32_MIN || r > INT32_MAX)))
        return Fault(Value::Of(t, 0), Reason::Overflow);
    return Known(Value::Of(t, static_cast<uint64_t>(r)));
}

// The state of a result computed from a and b: the first fault, else
// unknown if either is.
void TakeState(Operand& r, const Operand& a, const Operand& b)
{
    if (a.state == State::Fault || b.state == State::Fault) {
        r.state = State::Fault;
        r.fault = a.state == State::Fault ? a.fault : b.fault;
    } else if (a.state == State::Unknown || b.state == State::Unknown) {
        r.state = State::Unknown;
    }
}

// A binary operator other than && and || on two known values.
Operand Arithmetic(Op op, Value a, Value b, EvalMode mode)
{
    if (op == Op::ShiftLeft || op == Op::ShiftRight) {
        // The result has the left operand's type; the count must be below its width.
        if ((b.IsSigned() && b.AsSigned() < 0) || b.bits >= WidthOf(a.type))
            return Fault(Value::Of(a.type, 0), Reason::BadShift);
        const unsigned n = static_cast<unsigned>(b.bits);
        if (op == Op::ShiftLeft)
            return Known(Value::Of(a.type, a.bits << n));  // keeps the bit pattern, as compilers do
        const uint64_t shifted = a.IsSigned() ? static_cast<uint64_t>(a.AsSigned() >> n) : a.bits >> n;
        return Known(Value::Of(a.type, shifted));
    }
    const PromotedType t = CommonType(a.type, b.type);
    a = a.ConvertedTo(t);
    b = b.ConvertedTo(t);
    const bool isSigned = !IsUnsigned(t);
    const int64_t sa = a.AsSigned(), sb = b.AsSigned();
    int64_t r = 0;
    bool overflow = false;
    switch (op) {
    case Op::Multiply:
        if (!isSigned)
            return Known(Value::Of(t, a.bits * b.bits));
        overflow = __builtin_mul_overflow(sa, sb, &r);
        return SignedResult(t, overflow, r);
    case Op::Add:
        if (!isSigned)
            return Known(Value::Of(t, a.bits + b.bits));
        overflow = __builtin_add_overflow(sa, sb, &r);
        return SignedResult(t, overflow, r);
    case Op::Subtract:
        if (!isSigned)
            return Known(Value::Of(t, a.bits - b.bits));
        overflow = __builtin_sub_overflow(sa, sb, &r);
        return SignedResult(t, overflow, r);
    case Op::Divide:
    case Op::Remainder:
        if (b.IsZero())
            return Fault(Value::Of(t, 0), Reason::DivisionByZero);
        if (isSigned) {
            if (sb == -1 && (sa == INT64_MIN || (t == PromotedType::Int && sa == INT32_MIN)))
                return Fault(Value::Of(t, 0), Reason::Overflow);
            return Known(Value::Of(t, static_cast<uint64_t>(op == Op::Divide ? sa / sb : sa % sb)));
        }
        return Known(Value::Of(t, op == Op::Divide ? a.bits / b.bits : a.bits % b.bits));
    case Op::Less: return Known(Truth(isSigned ? sa < sb : a.bits < b.bits, mode));
    case Op::Greater: return Known(Truth(isSigned ? sa > sb : a.bits > b.bits, mode));
    case Op::LessEqual: return Known(Truth(isSigned ? sa <= sb : a.bits <= b.bits, mode));
    case Op::GreaterEqual: return Known(Truth(isSigned ? sa >= sb : a.bits >= b.bits, mode));
    case Op::Equal: return Known(Truth(a.bits == b.bits, mode));
    case Op::NotEqual: return Known(Truth(a.bits != b.bits, mode));
    case Op::BitAnd: return Known(Value::Of(t, a.bits & b.bits));
    case Op::BitXor: return Known(Value::Of(t, a.bits ^ b.bits));
    case Op::BitOr: return Known(Value::Of(t, a.bits | b.bits));
    default: return Fault(Value::Of(t, 0), Reason::NoExpression);
    }
}

// && and ||: C evaluates the right operand only when the left one does not
// decide, so whatever is wrong with an operand it skips does not count. A
// right operand that decides alone ("x && 0", "x || 1") decides for an
// unknown left one too.
Operand Logical(Op op, const Operand& a, const Operand& b, EvalMode mode)
{
    const bool isAnd = op == Op::LogicalAnd;
    const auto decides = [isAnd](const Operand& x) { return x.IsKnown() && x.value.IsZero() == isAnd; };
    if (a.state == State::Fault)
        return Fault(Truth(false, mode), a.fault);
    if (decides(a) || (a.state == State::Unknown && decides(b)))
        return Known(Truth(!isAnd, mode));
    if (a.state == State::Unknown)
        return {State::Unknown, Reason::None, Truth(false, mode)};
    if (!b.IsKnown())
        return {b.state, b.fault, Truth(false, mode)};
    return Known(Truth(!b.value.IsZero(), mode));
}

Operand Binary(Op op, const Operand& a, const Operand& b, EvalMode mode)
{
    if (op == Op::LogicalAnd || op == Op::LogicalOr)
        return Logical(op, a, b, mode);
    Operand r = Arithmetic(op, a.value, b.value, mode);
    // An unknown or faulty operand makes the result so, whatever the
    // placeholder bits gave.
    TakeState(r, a, b);
    return r;
}

// "c ? a : b" has the common type of a and b, and only the chosen one counts.
Operand Conditional(const Operand& c, const Operand& a, const Operand& b)
{
    const PromotedType t = CommonType(a.value.type, b.value.type);
    if (!c.IsKnown())
        return {c.state, c.fault, Value::Of(t, 0)};
    const Operand& chosen = c.value.IsZero() ? b : a;
    return {chosen.state, chosen.fault, chosen.value.ConvertedTo(t)};
}

Operand Prefix(Op op, const Operand& x, IntegerType castType, EvalMode mode)
{
    const Value v = x.value;
    Operand r = Known(v);
    switch (op) {
    case Op::Negate:
        if (v.IsSigned() && (v.AsSigned() == INT64_MIN || (v.type == PromotedType::Int && v.AsSigned() == INT32_MIN)))
            r = Fault(v, Reason::Overflow);
        else
            r = Known(Value::Of(v.type, ~v.bits + 1));  // unsigned values wrap: -1u is 0xFFFFFFFF
        break;
    case Op::BitNot: r = Known(Value::Of(v.type, ~v.bits)); break;
    case Op::LogicalNot: r = Known(Truth(v.IsZero(), mode)); break;
    case Op::Cast: r = Known(CastTo(v, castType)); break;
    default: break;
    }
    if (!x.IsKnown()) {
        r.state = x.state;
        r.fault = x.fault;
    }
    return r;
}

}  // namespace

void ExpressionEvaluator::Push(Op op, IntegerType castType)
{
    m_ops.push_back({op, castType});
}

ExpressionEvaluator::Op ExpressionEvaluator::Top() const
{
    return m_ops.back().op;
}

// Pops the top operator and applies it to the operands it takes.
bool ExpressionEvaluator::Reduce(EvalMode mode)
{
    const PendingOp pending = m_ops.back();
    m_ops.pop_back();
    const int precedence = Precedence(pending.op);
    const size_t needed = precedence == kPrefixPrecedence ? 1 : pending.op == Op::Conditional ? 3 : 2;
    if (IsMarker(pending.op) || m_operands.size() < needed)
        return false;
    const Operand* args = &m_operands[m_operands.size() - needed];
    Operand r;
    if (needed == 1)
        r = Prefix(pending.op, args[0], pending.castType, mode);
    else if (needed == 3)
        r = Conditional(args[0], args[1], args[2]);
    else
        r = Binary(pending.op, args[0], args[1], mode);
    m_operands.resize(m_operands.size() - needed);
    m_operands.push_back(r);
    return true;
}

std::optional<Operand> ExpressionEvaluator::Evaluate(const ExprToken* tokens, size_t count, EvalMode mode)
{
    m_operands.clear();
    m_ops.clear();
    m_refusal = Reason::NoExpression;
    // Reduces pending operators down to the nearest "(" or "?".
    const auto reduceToMarker = [this, mode] {
        while (!m_ops.empty() && !IsMarker(Top()))
            if (!Reduce(mode))
                return false;
        return true;
    };
    bool expectOperand = true;
    for (size_t i = 0; i < count; ++i) {
        const ExprToken& tok = tokens[i];
        if (tok.kind == ExprToken::Kind::Operand) {
            if (!expectOperand)
                return std::nullopt;
            Operand x = tok.operand;
            if (mode == EvalMode::Condition && WidthOf(x.value.type) == 32)
                x.value = x.value.ConvertedTo(IsUnsigned(x.value.type) ? PromotedType::ULongLong : PromotedType::LongLong);
            m_operands.push_back(x);
            expectOperand = false;
            continue;
        }
        if (tok.kind != ExprToken::Kind::Punctuator)
            return std::nullopt;  // a type word outside a cast
        const std::string_view p = tok.text;
        if (expectOperand) {
            if (p != "(") {
                const std::optional<Op> prefix = PrefixOp(p);
                if (!prefix)
                    return std::nullopt;
                Push(*prefix);
                continue;
            }
            size_t close = i + 1;
            while (close < count && tokens[close].kind == ExprToken::Kind::TypeWord)
                ++close;
            if (close == i + 1) {
                Push(Op::OpenParen);
                continue;
            }
            // A cast: "(" type words ")".
            if (mode != EvalMode::Constant || close == count || tokens[close].kind != ExprToken::Kind::Punctuator ||
                tokens[close].text != ")")
                return std::nullopt;
            m_castWords.clear();
            for (size_t w = i + 1; w < close; ++w)
                m_castWords.push_back(tokens[w].Word());
            const std::optional<IntegerType> type = CombineTypeWords(m_castWords.data(), m_castWords.size());
            if (!type) {
                m_refusal = Reason::NotIntegerCast;
                return std::nullopt;
            }
            Push(Op::Cast, *type);
            i = close;
            continue;
        }
        if (p == ")") {
            if (!reduceToMarker() || m_ops.empty() || Top() != Op::OpenParen)
                return std::nullopt;
            m_ops.pop_back();
            continue;
        }
        if (p == ":") {
            if (!reduceToMarker() || m_ops.empty() || Top() != Op::Question)
                return std::nullopt;
            m_ops.back().op = Op::Conditional;
            expectOperand = true;
            continue;
        }
        const std::optional<Op> op = InfixOp(p);
        if (!op) {
            if (p == ",")
                m_refusal = Reason::CommaOperator;
            else if (p.size() >= 1 && p.back() == '=' && p != "==" && p != "!=" && p != "<=" && p != ">=")
                m_refusal = Reason::Assignment;
            return std::nullopt;
        }
        // ?: groups from the right, every binary operator from the left.
        const int precedence = Precedence(*op);
        while (!m_ops.empty() && !IsMarker(Top()) &&
               (Precedence(Top()) > precedence || (*op != Op::Question && Precedence(Top()) == precedence)))
            if (!Reduce(mode))
                return std::nullopt;
        Push(*op);
        expectOperand = true;
    }
    if (expectOperand)
        return std::nullopt;
    while (!m_ops.empty())
        if (!Reduce(mode))
            return std::nullopt;
    if (m_operands.size() != 1)
        return std::nullopt;
    return m_operands.back();
}

}  // namespace header
