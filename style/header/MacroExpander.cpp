#include "style/header/MacroExpander.h"

#include "style/header/Literals.h"
#include "style/header/MacroLexer.h"

namespace header {

namespace {

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

// Whether the tokens are one "( ... )" and nothing around it.
bool IsGroup(const ExprToken* t, size_t n)
{
    size_t depth = 0;
    for (size_t k = 0; k < n; ++k) {
        if (IsPunctuator(t[k], "("))
            ++depth;
        else if (IsPunctuator(t[k], ")") && depth > 0 && --depth == 0)
            return k + 1 == n;
        if (depth == 0)
            return false;
    }
    return false;
}

Operand Truth(bool truth)
{
    return Operand::Known(Value::Of(PromotedType::LongLong, truth ? 1 : 0));
}

Operand UnknownOperand()
{
    return {Operand::State::Unknown, Reason::None, Value::Of(PromotedType::LongLong, 0)};
}

// Why a name that is not expanded gives no operand.
Reason ReasonForName(std::string_view name)
{
    for (const std::string_view size : {"sizeof", "_Alignof", "alignof", "__alignof__"})
        if (name == size)
            return Reason::Sizeof;
    for (const std::string_view type : {"void", "float", "double", "struct", "union", "_Complex", "__int128"})
        if (name == type)
            return Reason::NotIntegerType;
    return Reason::UnknownName;
}

}  // namespace

MacroExpander::MacroExpander(const NameTable& names, TokenBudget& budget)
    : m_names(names), m_budget(budget), m_replacements(names)
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
    const uint32_t now = state.memo == Memo::Operand ? m_names.MeaningChanges() : m_names.Version();
    return state.stamp == now ? state.memo : Memo::None;
}

// A macro whose replacement is one integer literal has that value wherever
// it is used, and most ids are such macros: their value is remembered
// without a job.
bool MacroExpander::RememberLiteral(SymbolId macro)
{
    const Symbol& s = m_names[macro];
    if (s.bodyCount != 1 || s.functionLike)
        return false;
    const MacroToken& literal = *m_names.BodyOf(s);
    if (literal.kind != MacroToken::Kind::Number)
        return false;
    const std::optional<Value> v = ParseIntegerLiteral(literal.Text());
    if (!v)
        return false;
    MacroState& state = m_macros[macro];
    state.memo = Memo::Operand;
    state.shape = Shape::Literal;
    state.text = literal.Text();
    state.operandState = Operand::State::Known;
    state.reason = Reason::None;
    state.operandType = v->type;
    state.operandBits = v->bits;
    state.stamp = m_names.MeaningChanges();
    return true;
}

std::optional<Value> MacroExpander::MacroValue(SymbolId macro, Failure& why)
{
    MakeRoomForNewNames();
    Memo memo = ValidMemo(macro);
    if (memo == Memo::None && RememberLiteral(macro))
        memo = Memo::Operand;
    const MacroState& state = m_macros[macro];
    if (memo == Memo::Operand)
        return Evaluated(state.RememberedOperand(), why);
    if (memo == Memo::Failed) {
        why = {state.reason, state.text};
        return std::nullopt;
    }
    StartJob(macro, EvalMode::Constant);
    return Evaluated(RunJobs(why), why);
}

std::optional<Value> MacroExpander::ExpressionValue(std::string_view text, Failure& why)
{
    MakeRoomForNewNames();
    StartTextJob(text, EvalMode::Constant);
    return Evaluated(RunJobs(why), why);
}

Verdict MacroExpander::Condition(std::string_view text)
{
    MakeRoomForNewNames();
    StartTextJob(text, EvalMode::Condition);
    Failure why;
    const std::optional<Operand> result = RunJobs(why);
    if (!result || !result->IsKnown())
        return Verdict::ProgramDecides;
    return result->value.IsZero() ? Verdict::False : Verdict::True;
}

std::optional<Value> MacroExpander::Evaluated(const std::optional<Operand>& result, Failure& why) const
{
    if (!result)
        return std::nullopt;
    if (!result->IsKnown()) {
        why = {result->fault, {}};
        return std::nullopt;
    }
    return result->value;
}

void MacroExpander::StartJob(SymbolId macro, EvalMode mode)
{
    const auto mark = [](size_t size) { return static_cast<uint32_t>(size); };
    m_jobs.push_back({0, {}, macro, mark(m_frames.size()), mark(m_scans.size()), mark(m_invocations.size()),
                      mark(m_arguments.size()), mark(m_tokens.size()), mark(m_expansions.size()),
                      mark(m_argumentTokens.size()), mark(m_expandedArguments.size()), mark(m_operands.size()), mode,
                      false, false, false});
    m_scans.push_back({m_frames.size(), kJobInput});
    if (macro == kNoSymbol)
        return;
    m_macros[macro].hasJob = true;
    PushMacro(macro);
}

void MacroExpander::StartTextJob(std::string_view text, EvalMode mode)
{
    StartJob(kNoSymbol, mode);
    const size_t first = m_expansions.size();
    LexText(text, m_names, m_expansions);
    PushFrame(Source::Expansions, first, m_expansions.size(), kNoSymbol);
}

// Runs jobs until the one started last before the call is done; the jobs
// it starts on the way run first.
std::optional<Operand> MacroExpander::RunJobs(Failure& why)
{
    const size_t depth = m_jobs.size() - 1;
    for (;;) {
        if (Step())
            continue;
        std::optional<Operand> result = FinishJob(why);
        if (m_jobs.size() == depth)
            return result;
    }
}

// Reads one token of the top job. False when the job is done.
bool MacroExpander::Step()
{
    if (m_jobs.back().failed)
        return false;
    MacroToken tok;
    if (!Next(tok)) {
        if (m_jobs.back().failed || ReadingJobInput())
            return false;
        EndArgumentScan();
        return true;
    }
    if (tok.kind == MacroToken::Kind::Name && !tok.painted) {
        if (m_jobs.back().mode == EvalMode::Condition && ReadingJobInput() && tok.Text() == "defined") {
            Defined();
            return true;
        }
        // A condition expands only the macros the file vouches for: one
        // defined in a branch the file cannot decide may not be defined at all.
        if (tok.index != kNoSymbol && m_names[tok.index].isMacro &&
            (m_jobs.back().mode != EvalMode::Condition || m_names.IsDefined(tok.index) == Verdict::True)) {
            if (m_macros[tok.index].hiddenIn != JobIndex()) {
                if (Expand(tok.index))
                    return true;
            } else {
                tok.painted = true;  // not expanded again: an ordinary name here and wherever it goes
                m_jobs.back().contextDependent = true;
            }
        }
    }
    Output(tok);
    return true;
}

// The macro named by the token just read, where it may be expanded. False
// when it stays a name: a function-like macro without "(" after it.
bool MacroExpander::Expand(SymbolId macro)
{
    const Symbol& s = m_names[macro];
    if (s.malformed) {
        Fail({Reason::MalformedDefinition, s.name});
        return true;
    }
    if (s.functionLike) {
        const MacroToken* next = Peek();
        if (!next) {
            // A "(" may follow where the expansion is used.
            if (ReadingJobInput())
                m_jobs.back().contextDependent = true;
            return false;
        }
        if (!next->Is("("))
            return false;
        Invoke(macro);
        return true;
    }
    if (m_jobs.back().mode == EvalMode::Constant) {
        Memo memo = ValidMemo(macro);
        if (memo == Memo::None && RememberLiteral(macro))
            memo = Memo::Operand;
        const MacroState& state = m_macros[macro];
        if (memo == Memo::None && !state.hasJob) {
            --m_frames.back().at;  // the name is read again once its job is done
            StartJob(macro, EvalMode::Constant);
            return true;
        }
        // Inside an argument, tokens that would fail in a value may still
        // be stringized, pasted or dropped.
        if (memo == Memo::Failed && ReadingJobInput()) {
            Fail({state.reason, state.text});
            return true;
        }
        if (memo == Memo::Operand && (ReadingJobInput() || state.shape != Shape::Other)) {
            EmitRemembered(macro);
            return true;
        }
        // A macro whose own job is still open below is expanded in place.
    }
    PushMacro(macro);
    return true;
}

// An object-like macro's replacement, read from its definition unless ##
// has to be applied to it.
void MacroExpander::PushMacro(SymbolId macro)
{
    const Symbol& s = m_names[macro];
    if (!s.pastes) {
        PushFrame(Source::Bodies, s.bodyFirst, size_t{s.bodyFirst} + s.bodyCount, macro);
        return;
    }
    const size_t first = m_expansions.size();
    if (BuildReplacement(s, nullptr))
        PushFrame(Source::Expansions, first, m_expansions.size(), macro);
}

// Reads the arguments of a call whose "(" is next, as written, across the
// ends of the frames they are in.
void MacroExpander::Invoke(SymbolId macro)
{
    const Symbol& s = m_names[macro];
    MacroToken tok;
    if (!Next(tok))  // "("
        return;
    const auto firstArgument = static_cast<uint32_t>(m_arguments.size());
    m_invocations.push_back({macro, firstArgument, static_cast<uint32_t>(m_argumentTokens.size()),
                             static_cast<uint32_t>(m_expandedArguments.size()), 0});
    const auto startArgument = [this] {
        const auto at = static_cast<uint32_t>(m_argumentTokens.size());
        m_arguments.push_back({at, at, 0, 0});
    };
    startArgument();
    size_t depth = 0;
    for (;;) {
        if (!Next(tok)) {
            if (!m_jobs.back().failed) {
                m_jobs.back().contextDependent = true;  // the call may close where the expansion is used
                Fail({Reason::UnclosedCall, s.name});
            }
            return;
        }
        if (tok.Is("(")) {
            ++depth;
        } else if (tok.Is(")")) {
            if (depth == 0)
                break;
            --depth;
        } else if (tok.Is(",") && depth == 0) {
            const size_t index = m_arguments.size() - firstArgument - 1;
            if (!s.variadic || index + 1 < s.parameterCount) {
                m_arguments.back().rawEnd = static_cast<uint32_t>(m_argumentTokens.size());
                startArgument();
                continue;
            }
        }
        m_argumentTokens.push_back(tok);
    }
    m_arguments.back().rawEnd = static_cast<uint32_t>(m_argumentTokens.size());
    size_t count = m_arguments.size() - firstArgument;
    if (s.parameterCount == 0 && count == 1 && m_arguments.back().rawFirst == m_arguments.back().rawEnd)
        count = 0;  // "F()" passes no argument to a macro without parameters
    else if (s.variadic && count + 1 == s.parameterCount)
        ++count;  // the variable arguments left out: empty
    m_arguments.resize(firstArgument + count, {m_arguments.back().rawEnd, m_arguments.back().rawEnd, 0, 0});
    if (count != s.parameterCount) {
        Fail({Reason::WrongArgumentCount, s.name});
        return;
    }
    ContinueInvocation();
}

// Expands the next argument that is needed expanded, each on its own as
// if it were the rest of the file; when none is left, replaces the call.
void MacroExpander::ContinueInvocation()
{
    Invocation& call = m_invocations.back();
    const Symbol& s = m_names[call.macro];
    for (; call.expanding < s.parameterCount; ++call.expanding) {
        Argument& a = m_arguments[call.firstArgument + call.expanding];
        if (!ReplacementBuilder::NeedsExpansion(s, m_names.BodyOf(s), call.expanding))
            continue;
        a.expandedFirst = static_cast<uint32_t>(m_expandedArguments.size());
        PushFrame(Source::Arguments, a.rawFirst, a.rawEnd, kNoSymbol);
        m_scans.push_back({m_frames.size() - 1, static_cast<uint32_t>(m_invocations.size() - 1)});
        return;
    }
    Replace();
}

void MacroExpander::EndArgumentScan()
{
    m_scans.pop_back();
    Invocation& call = m_invocations.back();
    m_arguments[call.firstArgument + call.expanding].expandedEnd = static_cast<uint32_t>(m_expandedArguments.size());
    ++call.expanding;
    ContinueInvocation();
}

// The call's replacement takes its place; the macro is not expanded again
// while it is read.
void MacroExpander::Replace()
{
    const Invocation call = m_invocations.back();
    const Symbol& s = m_names[call.macro];
    m_argumentViews.clear();
    for (uint32_t p = 0; p < s.parameterCount; ++p) {
        const Argument& a = m_arguments[call.firstArgument + p];
        m_argumentViews.push_back({m_argumentTokens.data() + a.rawFirst, size_t{a.rawEnd} - a.rawFirst,
                                   m_expandedArguments.data() + a.expandedFirst,
                                   size_t{a.expandedEnd} - a.expandedFirst});
    }
    const size_t first = m_expansions.size();
    if (!BuildReplacement(s, m_argumentViews.data()))
        return;
    m_argumentTokens.resize(call.argumentTokens);
    m_expandedArguments.resize(call.expandedTokens);
    m_arguments.resize(call.firstArgument);
    m_invocations.pop_back();
    PushFrame(Source::Expansions, first, m_expansions.size(), call.macro);
}

// Appends the macro's replacement to m_expansions, its tokens counted as
// made; false when the job fails.
bool MacroExpander::BuildReplacement(const Symbol& macro, const ReplacementBuilder::Argument* arguments)
{
    const size_t first = m_expansions.size();
    const uint64_t room = m_budget.Room(m_jobs.back().tokensRead);
    Failure why;
    if (m_replacements.Build(macro, m_names.BodyOf(macro), arguments, m_expansions, static_cast<size_t>(room), why))
        return Spend(m_expansions.size() - first);
    if (why.reason == Reason::ExpansionTooLarge)
        OverBudget();
    else
        Fail(why);
    return false;
}

// A token that is not expanded: for the evaluator when the job's own input
// is read, else part of the argument being expanded.
void MacroExpander::Output(const MacroToken& tok)
{
    if (!ReadingJobInput()) {
        m_expandedArguments.push_back(tok);
        return;
    }
    switch (tok.kind) {
    case MacroToken::Kind::Number:
    case MacroToken::Kind::Character: {
        const bool number = tok.kind == MacroToken::Kind::Number;
        const std::optional<Value> v = number ? ParseIntegerLiteral(tok.Text()) : ParseCharacterConstant(tok.Text());
        if (v)
            EmitOperand(Operand::Known(*v), tok.Text());
        else
            Fail({number ? Reason::NotIntegerNumber : Reason::NotIntegerCharacter, tok.Text()});
        return;
    }
    case MacroToken::Kind::Operand:
        EmitOperand(m_operands[tok.index], tok.Text());
        return;
    case MacroToken::Kind::Punctuator: {
        ExprToken& t = m_tokens.emplace_back();
        t.kind = ExprToken::Kind::Punctuator;
        t.text = tok.Text();
        return;
    }
    case MacroToken::Kind::Name:
        if (m_jobs.back().mode == EvalMode::Condition)
            ConditionName(tok);
        else
            ValueName(tok);
        return;
    case MacroToken::Kind::String:
        Fail({Reason::String, {}});
        return;
    default:
        Fail({Reason::StrayCharacter, {}});
        return;
    }
}

// A name in a value that is not expanded: an enum member, a type word, or
// the tag after "enum".
void MacroExpander::ValueName(const MacroToken& tok)
{
    Job& job = m_jobs.back();
    const Symbol* s = tok.index != kNoSymbol ? &m_names[tok.index] : nullptr;
    if (m_tokens.size() > job.firstToken && m_tokens.back().kind == ExprToken::Kind::TypeWord &&
        m_tokens.back().text == "enum") {
        if (const std::optional<IntegerType> tagType = s ? s->TagType() : std::nullopt) {
            m_tokens.back().SetWord({TypeWord::Kind::IntegerName, {}, *tagType});
        } else {
            m_tokens.back().SetWord({TypeWord::Kind::OtherName, {}, {}});
            if (!job.failed)
                job.failure = {Reason::UnknownEnumCast, tok.Text()};  // said only if the cast is refused
        }
        return;
    }
    if (s && s->isEnumMember) {
        if (s->enumValueKnown)
            EmitOperand(Operand::Known(*s->EnumValue()));
        else
            Fail({Reason::MemberWithoutValue, tok.Text()});
        return;
    }
    if (s && s->isTypeWord) {
        m_tokens.emplace_back().SetWord(*s->AsTypeWord());
        return;
    }
    if (tok.painted)
        Fail({Reason::SelfReference, tok.Text()});
    else if (s && s->isMacro)
        Fail({Reason::WithoutArguments, tok.Text()});
    else
        Fail({ReasonForName(tok.Text()), tok.Text()});
}

// A name left in a condition counts as 0 when the file decides it. When
// the including program decides, it is an unknown operand, with the
// arguments of a call if one follows.
void MacroExpander::ConditionName(const MacroToken& tok)
{
    if (tok.index != kNoSymbol && m_names.IsDefined(tok.index) != Verdict::ProgramDecides) {
        EmitOperand(Truth(false));
        return;
    }
    if (const MacroToken* next = Peek(); next && next->Is("(")) {
        MacroToken skipped;
        for (size_t depth = 0; Next(skipped);) {
            if (skipped.Is("("))
                ++depth;
            else if (skipped.Is(")") && --depth == 0)
                break;
        }
    }
    EmitOperand(UnknownOperand());
}

// "defined NAME" or "defined ( NAME )", whose name is not expanded.
void MacroExpander::Defined()
{
    MacroToken name, close;
    if (!Next(name))
        return Fail({Reason::NoExpression, {}});
    const bool parenthesised = name.Is("(");
    if ((parenthesised && !Next(name)) || name.kind != MacroToken::Kind::Name ||
        (parenthesised && (!Next(close) || !close.Is(")"))))
        return Fail({Reason::NoExpression, {}});
    const Verdict d = name.index == kNoSymbol ? Verdict::ProgramDecides : m_names.IsDefined(name.index);
    EmitOperand(d == Verdict::ProgramDecides ? UnknownOperand() : Truth(d == Verdict::True));
}

void MacroExpander::EmitOperand(const Operand& operand, std::string_view spelling)
{
    ExprToken& t = m_tokens.emplace_back();
    t.kind = ExprToken::Kind::Operand;
    t.operand = operand;
    t.text = spelling;
}

// The remembered operand of a macro in its place, for the evaluator or as
// a token of the argument being expanded.
void MacroExpander::EmitRemembered(SymbolId macro)
{
    const MacroState& state = m_macros[macro];
    const std::string_view spelling = state.shape == Shape::Literal ? state.text : std::string_view();
    if (ReadingJobInput()) {
        EmitOperand(state.RememberedOperand(), spelling);
        return;
    }
    m_expandedArguments.emplace_back(MacroToken::Kind::Operand, spelling, static_cast<uint32_t>(m_operands.size()));
    m_operands.push_back(state.RememberedOperand());
}

std::optional<Operand> MacroExpander::FinishJob(Failure& why)
{
    const Job job = m_jobs.back();
    while (m_frames.size() > job.firstFrame)
        PopFrame();
    m_scans.resize(job.firstScan);
    m_invocations.resize(job.firstInvocation);
    m_arguments.resize(job.firstArgument);
    m_expansions.resize(job.expansions);
    m_argumentTokens.resize(job.argumentTokens);
    m_expandedArguments.resize(job.expandedArguments);
    m_operands.resize(job.operands);
    std::optional<Operand> result;
    Failure failure = job.failure;
    if (!job.failed) {
        result = m_evaluator.Evaluate(m_tokens.data() + job.firstToken, m_tokens.size() - job.firstToken, job.mode);
        if (!result)
            failure = m_evaluator.Refusal() == Reason::NotIntegerCast && job.failure.reason == Reason::UnknownEnumCast
                ? job.failure
                : Failure{m_evaluator.Refusal(), {}};
    }
    if (job.macro != kNoSymbol)
        Remember(job, result, failure);
    m_tokens.resize(job.firstToken);
    m_jobs.pop_back();
    why = failure;
    return result;
}

// A name or literal that cannot be expanded fails the macro wherever it is
// used; tokens that are no expression on their own ("(unsigned char)") may
// still be part of one. An expansion that depends on where it is used (it
// met a name inside its own expansion, or a call it could not close) has
// only its tokens reused, never its value or its failure (unless it is too
// large anywhere).
void MacroExpander::Remember(const Job& job, const std::optional<Operand>& result, const Failure& failure)
{
    MacroState& state = m_macros[job.macro];
    state.hasJob = false;
    const ExprToken* tokens = m_tokens.data() + job.firstToken;
    const size_t count = m_tokens.size() - job.firstToken;
    if (job.failed && (!job.contextDependent || job.overBudget)) {
        state.memo = Memo::Failed;
        state.reason = failure.reason;
        state.text = failure.name;
    } else if (result && !job.contextDependent && IsOneOperand(tokens, count)) {
        state.memo = Memo::Operand;
        state.operandState = result->state;
        state.reason = result->fault;
        state.operandType = result->value.type;
        state.operandBits = result->value.bits;
        state.text = {};
        if (count == 1 && !tokens[0].text.empty()) {
            state.shape = Shape::Literal;
            state.text = tokens[0].text;
        } else {
            state.shape = IsGroup(tokens, count) ? Shape::Group : Shape::Other;
        }
    } else {
        state.memo = Memo::Inline;
    }
    state.stamp = state.memo == Memo::Operand ? m_names.MeaningChanges() : m_names.Version();
}

void MacroExpander::Fail(const Failure& failure)
{
    Job& job = m_jobs.back();
    if (!job.failed)
        job.failure = failure;
    job.failed = true;
}

// Counts tokens an expansion reads or makes against the budget.
bool MacroExpander::Spend(uint64_t count)
{
    if (m_budget.Spend(m_jobs.back().tokensRead, count))
        return true;
    OverBudget();
    return false;
}

void MacroExpander::OverBudget()
{
    Job& job = m_jobs.back();
    Fail({m_budget.FileBound(job.tokensRead) ? Reason::FileBudgetSpent : Reason::ExpansionTooLarge, {}});
    job.overBudget = true;
}

// The next token of the scan, across the ends of its frames: a frame read
// to its end is left, and its macro may be expanded again.
bool MacroExpander::Next(MacroToken& tok)
{
    const size_t floor = m_scans.back().firstFrame;
    while (m_frames.size() > floor) {
        Frame& frame = m_frames.back();
        if (frame.at < frame.end) {
            if (!Spend(1))
                return false;
            tok = TokenAt(frame);
            ++frame.at;
            return true;
        }
        PopFrame();
    }
    return false;
}

// The token Next would read, not read; nothing at the end of the scan.
const MacroToken* MacroExpander::Peek()
{
    const size_t floor = m_scans.back().firstFrame;
    while (m_frames.size() > floor) {
        const Frame& frame = m_frames.back();
        if (frame.at < frame.end)
            return &TokenAt(frame);
        PopFrame();
    }
    return nullptr;
}

const MacroToken& MacroExpander::TokenAt(const Frame& frame) const
{
    switch (frame.source) {
    case Source::Bodies: return m_names.BodyTokens()[frame.at];
    case Source::Expansions: return m_expansions[frame.at];
    case Source::Arguments: break;
    }
    return m_argumentTokens[frame.at];
}

void MacroExpander::PushFrame(Source source, size_t first, size_t end, SymbolId macro)
{
    Frame frame{static_cast<uint32_t>(first), static_cast<uint32_t>(end), macro, kNotHidden, source};
    if (macro != kNoSymbol) {
        frame.savedHiddenIn = m_macros[macro].hiddenIn;
        m_macros[macro].hiddenIn = JobIndex();
    }
    m_frames.push_back(frame);
}

void MacroExpander::PopFrame()
{
    const Frame& frame = m_frames.back();
    if (frame.macro != kNoSymbol)
        m_macros[frame.macro].hiddenIn = frame.savedHiddenIn;
    m_frames.pop_back();
}

}  // namespace header
