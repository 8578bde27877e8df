#include "style/header/ConditionEvaluator.h"

#include "style/header/Lexer.h"
#include "style/header/Literals.h"

namespace header {

namespace {

Operand KnownOperand(bool truth)
{
    return {Operand::State::Known, Value::Of(IntType::LongLong, truth ? 1 : 0)};
}

Operand UnknownOperand()
{
    return {Operand::State::Unknown, Value::Of(IntType::LongLong, 0)};
}

// Drops a parenthesised argument list from the start of rest, if one is there.
void SkipArguments(std::string_view& rest)
{
    std::string_view r = rest;
    Token tok;
    if (!NextToken(r, tok) || !tok.Is("("))
        return;
    for (size_t depth = 1; depth > 0 && NextToken(r, tok);) {
        if (tok.Is("("))
            ++depth;
        else if (tok.Is(")"))
            --depth;
    }
    rest = r;
}

}  // namespace

Tri ConditionEvaluator::Evaluate(std::string_view condition)
{
    if (m_open.size() < m_names.Size())
        m_open.resize(m_names.Size());
    m_tokens.clear();
    m_frames.push_back({condition, std::nullopt});
    uint64_t tokensRead = 0;
    bool readable = true;
    while (readable && !m_frames.empty()) {
        Token tok;
        if (!NextToken(m_frames.back().rest, tok)) {
            PopFrame();
        } else if (!m_budget.Spend(tokensRead)) {
            readable = false;
        } else if (tok.kind == TokenKind::Number || tok.kind == TokenKind::Character) {
            const std::optional<Value> v = LiteralValue(tok);
            readable = v.has_value();
            if (v)
                EmitOperand({Operand::State::Known, *v});
        } else if (tok.kind == TokenKind::Punctuator) {
            ExprToken& t = m_tokens.emplace_back();
            t.kind = ExprToken::Kind::Punctuator;
            t.text = tok.text;
        } else if (tok.kind == TokenKind::Identifier) {
            readable = Identifier(tok.text);
        } else {
            readable = false;  // a stray byte: the compiler would refuse the line
        }
    }
    while (!m_frames.empty())
        PopFrame();
    if (!readable)
        return Tri::Unknown;
    const std::optional<Operand> result = m_evaluator.Evaluate(m_tokens.data(), m_tokens.size(), EvalMode::Condition);
    if (!result || !result->IsKnown())
        return Tri::Unknown;
    return result->value.IsZero() ? Tri::False : Tri::True;
}

// A name read from the top frame. A name that is no macro counts as 0, as
// in C, when the file says so; when the including program decides, the
// name (with a call's arguments) is an unknown operand.
bool ConditionEvaluator::Identifier(std::string_view name)
{
    std::string_view& rest = m_frames.back().rest;
    if (name == "defined") {
        std::string_view r = rest;
        Token operand, close;
        if (!NextToken(r, operand))
            return false;
        const bool parenthesised = operand.Is("(");
        if (parenthesised && !NextToken(r, operand))
            return false;
        if (operand.kind != TokenKind::Identifier || (parenthesised && (!NextToken(r, close) || !close.Is(")"))))
            return false;
        rest = r;
        const Tri d = m_names.IsDefined(operand.text);
        EmitOperand(d == Tri::Unknown ? UnknownOperand() : KnownOperand(d == Tri::True));
        return true;
    }
    const Tri defined = m_names.IsDefined(name);
    if (defined == Tri::False) {
        EmitOperand(KnownOperand(false));
        return true;
    }
    if (defined == Tri::True) {
        const SymbolId id = *m_names.Find(name);
        if (!m_names[id].functionLike && !m_open[id]) {
            PushFrame(id);
            return true;
        }
    }
    SkipArguments(rest);
    EmitOperand(UnknownOperand());
    return true;
}

void ConditionEvaluator::PushFrame(SymbolId macro)
{
    m_frames.push_back({m_names[macro].body, macro});
    m_open[macro] = true;
}

void ConditionEvaluator::PopFrame()
{
    if (m_frames.back().macro)
        m_open[*m_frames.back().macro] = false;
    m_frames.pop_back();
}

void ConditionEvaluator::EmitOperand(const Operand& operand)
{
    ExprToken& t = m_tokens.emplace_back();
    t.kind = ExprToken::Kind::Operand;
    t.operand = operand;
}

}  // namespace header
