#include "style/header/MacroExpander.h"

#include "style/header/Lexer.h"
#include "style/header/Literals.h"

namespace header {

namespace {

constexpr SymbolId kNoMacro = UINT32_MAX;

bool IsPunctuator(const ExprToken& t, std::string_view p)
{
    return t.kind == ExprToken::Kind::Punctuator && t.text == p;
}

// Whether an expansion stands for one operand wherever it is put, so that
// its value may take its place: one operand or one parenthesised group,
// after any casts, "~" and "!". Not after "+" or "-", which read as binary
// operators after an operand ("5 M" with M "-1" is 4).
bool IsOneOperand(const ExprToken* t, size_t n)
{
    size_t i = 0;
    while (i < n && t[i].kind == ExprToken::Kind::Punctuator) {
        if (IsPunctuator(t[i], "~") || IsPunctuator(t[i], "!")) {
            ++i;
        } else if (IsPunctuator(t[i], "(") && i + 1 < n && t[i + 1].kind == ExprToken::Kind::TypeWord) {
            ++i;
            while (i < n && t[i].kind == ExprToken::Kind::TypeWord)
                ++i;
            if (i == n || !IsPunctuator(t[i], ")"))
                return false;
            ++i;
        } else {
            break;
        }
    }
    if (i + 1 == n)
        return t[i].kind == ExprToken::Kind::Operand;
    if (i == n || !IsPunctuator(t[i], "("))
        return false;
    size_t depth = 0;
    for (size_t k = i; k < n; ++k) {
        if (IsPunctuator(t[k], "("))
            ++depth;
        else if (IsPunctuator(t[k], ")") && --depth == 0)
            return k + 1 == n;
    }
    return false;
}

}  // namespace

MacroExpander::MacroExpander(const NameTable& names, TokenBudget& budget) : m_names(names), m_budget(budget)
{
    m_macros.reserve(names.Capacity());
}

// The name table grows while the header is read.
void MacroExpander::MakeRoomForNewNames()
{
    if (m_macros.size() < m_names.Size())
        m_macros.resize(m_names.Size());
}

// A value holds until a name that had a meaning changes; anything else
// holds only while no name changes at all (a name defined later may make
// a failed expansion good).
MacroExpander::Memo MacroExpander::ValidMemo(SymbolId macro) const
{
    const MacroState& state = m_macros[macro];
    const uint64_t now = state.memo == Memo::Operand ? m_names.MeaningChanges() : m_names.Version();
    return state.stamp == now ? state.memo : Memo::None;
}

std::optional<Value> MacroExpander::MacroValue(SymbolId macro)
{
    MakeRoomForNewNames();
    Memo memo = ValidMemo(macro);
    if (memo == Memo::None && RememberLiteral(macro))
        memo = Memo::Operand;
    std::optional<Operand> result;
    if (memo == Memo::Operand) {
        result = m_macros[macro].RememberedOperand();
    } else if (memo != Memo::Failed) {
        StartJob(macro, {});
        result = RunJobs();
    }
    if (!result || !result->IsKnown())
        return std::nullopt;
    return result->value;
}

// A macro whose replacement text is one integer literal has that value
// wherever it is used, and most ids are such macros: their value is
// remembered without a job.
bool MacroExpander::RememberLiteral(SymbolId macro)
{
    std::string_view body = m_names[macro].body;
    Token literal, more;
    if (!NextToken(body, literal) || literal.kind != TokenKind::Number || NextToken(body, more))
        return false;
    const std::optional<Value> v = ParseIntegerLiteral(literal.text);
    if (!v)
        return false;
    MacroState& state = m_macros[macro];
    state.memo = Memo::Operand;
    state.operandState = Operand::State::Known;
    state.operandType = v->type;
    state.operandBits = v->bits;
    state.stamp = m_names.MeaningChanges();
    return true;
}

std::optional<Value> MacroExpander::ExpressionValue(std::string_view text)
{
    MakeRoomForNewNames();
    StartJob(kNoMacro, text);
    const std::optional<Operand> result = RunJobs();
    if (!result || !result->IsKnown())
        return std::nullopt;
    return result->value;
}

void MacroExpander::StartJob(SymbolId macro, std::string_view text)
{
    const int32_t index = static_cast<int32_t>(m_jobs.size());
    m_jobs.push_back({macro, m_frames.size(), m_tokens.size(), 0, false, false, false});
    if (macro == kNoMacro) {
        m_frames.push_back({text, kNoMacro, kNotHidden});
        return;
    }
    m_macros[macro].hasJob = true;
    PushFrame(index, macro);
}

// Runs jobs until the one started last before the call is done; the jobs
// it starts on the way run first.
std::optional<Operand> MacroExpander::RunJobs()
{
    const size_t depth = m_jobs.size() - 1;
    for (;;) {
        if (Step())
            continue;
        std::optional<Operand> result = FinishJob();
        if (m_jobs.size() == depth)
            return result;
    }
}

// Reads one token of the top job. False when the job is done.
bool MacroExpander::Step()
{
    Job& job = m_jobs.back();
    if (job.failed || m_frames.size() == job.firstFrame)
        return false;
    Frame& frame = m_frames.back();
    std::string_view rest = frame.rest;
    Token tok;
    if (!NextToken(rest, tok)) {
        PopFrame();
        return true;
    }
    if (!m_budget.Spend(job.tokensRead)) {
        job.failed = job.overBudget = true;
        return false;
    }
    switch (tok.kind) {
    case TokenKind::Number:
    case TokenKind::Character:
        if (const std::optional<Value> v = LiteralValue(tok)) {
            EmitOperand({Operand::State::Known, *v});
            frame.rest = rest;
            return true;
        }
        break;
    case TokenKind::Punctuator: {
        ExprToken& t = m_tokens.emplace_back();
        t.kind = ExprToken::Kind::Punctuator;
        t.text = tok.text;
        frame.rest = rest;
        return true;
    }
    case TokenKind::Identifier:
        return JobIdentifier(tok.text, rest);
    default:
        break;
    }
    job.failed = true;
    return false;
}

// A name met by the top job, with rest the text after it.
bool MacroExpander::JobIdentifier(std::string_view name, std::string_view rest)
{
    const int32_t index = static_cast<int32_t>(m_jobs.size() - 1);
    Job& job = m_jobs.back();
    const std::optional<SymbolId> id = m_names.Find(name);
    if (id && m_names[*id].isMacro) {
        if (m_names[*id].functionLike) {
            job.failed = true;
            return false;
        }
        if (m_macros[*id].hiddenIn != index) {
            Memo memo = ValidMemo(*id);
            if (memo == Memo::None && RememberLiteral(*id))
                memo = Memo::Operand;
            if (memo == Memo::Failed) {
                job.failed = true;
                return false;
            }
            // A macro whose own job is still open below is expanded in place.
            if (memo == Memo::None && !m_macros[*id].hasJob) {
                StartJob(*id, {});  // the name is read again once its job is done
                return true;
            }
            m_frames.back().rest = rest;
            if (memo == Memo::Operand)
                EmitOperand(m_macros[*id].RememberedOperand());
            else
                PushFrame(index, *id);
            return true;
        }
        job.hitHidden = true;  // not expanded again: an ordinary name here
    }
    m_frames.back().rest = rest;
    if (OrdinaryIdentifier(job, id))
        return true;
    job.failed = true;
    return false;
}

// A name that is not expanded: an enum member, a type word, or the tag
// after "enum".
bool MacroExpander::OrdinaryIdentifier(Job& job, std::optional<SymbolId> id)
{
    const Symbol* s = id ? &m_names[*id] : nullptr;
    if (m_tokens.size() > job.firstToken && m_tokens.back().kind == ExprToken::Kind::TypeWord &&
        m_tokens.back().text == "enum") {
        if (const std::optional<IntegerType> tagType = s ? s->TagType() : std::nullopt)
            m_tokens.back().SetWord({TypeWord::Kind::IntegerName, {}, *tagType});
        else
            m_tokens.back().SetWord({TypeWord::Kind::OtherName, {}, {}});
        return true;
    }
    if (s && s->isEnumMember) {
        if (!s->enumValueKnown)
            return false;
        EmitOperand({Operand::State::Known, *s->EnumValue()});
        return true;
    }
    if (s && s->isTypeWord) {
        m_tokens.emplace_back().SetWord(*s->AsTypeWord());
        return true;
    }
    return false;
}

std::optional<Operand> MacroExpander::FinishJob()
{
    const Job job = m_jobs.back();
    while (m_frames.size() > job.firstFrame)
        PopFrame();
    std::optional<Operand> result;
    if (!job.failed)
        result = m_evaluator.Evaluate(m_tokens.data() + job.firstToken, m_tokens.size() - job.firstToken,
                                      EvalMode::Constant);
    if (job.macro != kNoMacro)
        Remember(job, result);
    m_tokens.resize(job.firstToken);
    m_jobs.pop_back();
    return result;
}

// A name or literal that cannot be expanded fails the macro wherever it is
// used; tokens that are no expression on their own ("(unsigned char)") may
// still be part of one. An expansion that met a hidden name depends on the
// macros being expanded around it, so only its tokens are reused, never its
// value or its failure (unless it is too large anywhere).
void MacroExpander::Remember(const Job& job, const std::optional<Operand>& result)
{
    MacroState& state = m_macros[job.macro];
    state.hasJob = false;
    const ExprToken* tokens = m_tokens.data() + job.firstToken;
    const size_t count = m_tokens.size() - job.firstToken;
    if (job.failed && (!job.hitHidden || job.overBudget)) {
        state.memo = Memo::Failed;
    } else if (result && !job.hitHidden && IsOneOperand(tokens, count)) {
        state.memo = Memo::Operand;
        state.operandState = result->state;
        state.operandType = result->value.type;
        state.operandBits = result->value.bits;
    } else {
        state.memo = Memo::Inline;
    }
    state.stamp = state.memo == Memo::Operand ? m_names.MeaningChanges() : m_names.Version();
}

void MacroExpander::PushFrame(int32_t expansion, SymbolId macro)
{
    MacroState& state = m_macros[macro];
    m_frames.push_back({m_names[macro].body, macro, state.hiddenIn});
    state.hiddenIn = expansion;
}

void MacroExpander::PopFrame()
{
    const Frame& frame = m_frames.back();
    if (frame.macro != kNoMacro)
        m_macros[frame.macro].hiddenIn = frame.savedHiddenIn;
    m_frames.pop_back();
}

void MacroExpander::EmitOperand(const Operand& operand)
{
    ExprToken& t = m_tokens.emplace_back();
    t.kind = ExprToken::Kind::Operand;
    t.operand = operand;
}

}  // namespace header
