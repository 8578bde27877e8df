#include "style/MacroHeader.h"

#include <algorithm>
#include <unordered_map>

#include "style/MacroExpr.h"
#include "style/MacroText.h"

namespace macro {

namespace {

// Macro expansion can grow exponentially (#define A2 A1 A1 ...), so every
// evaluation has a token budget, and so has the whole file: a base amount
// and more for each byte of text.
constexpr uint64_t kTokensPerEvaluation = uint64_t{1} << 18;
constexpr uint64_t kTokensPerFileBase = uint64_t{1} << 24;
constexpr uint64_t kTokensPerFileByte = 4;
// The job index that marks macros being expanded inside an #if condition.
constexpr int32_t kConditionJob = -2;

enum class Tri : unsigned char { False, True, Unknown };

// What is remembered about a macro's value between evaluations.
enum class Memo : unsigned char {
    None,
    Value,  // its expansion is one operand: use the value in place of the tokens
    Tokens, // anything else: expand its tokens again where it is used
    TooLarge,  // its expansion alone is over the budget: so is any that holds it
};

struct Macro {
    std::string_view name;
    bool defined = false;
    bool functionLike = false;
    uint32_t bodyBegin = 0, bodyEnd = 0;  // range in the token arena
    uint64_t seq = 0;                     // file order of the definition
    Memo memo = Memo::None;
    Value value;
    uint64_t memoVersion = 0, memoRedefinitions = 0;
    int32_t frameJob = -1;  // the innermost job expanding this macro now
    bool jobActive = false;
};

struct EnumConstant {
    std::optional<Value> value;
    uint64_t seq = 0;
};

struct Frame {
    uint32_t pos, end;
    int32_t macro;  // -1: the expression being evaluated
    int32_t savedFrameJob;
};

// One evaluation in progress: the value of a macro on its own, or of the
// expression asked for. A macro met inside gets a job of its own above this
// one, so no call recursion follows the depth of the input.
struct Job {
    int32_t macro;
    std::vector<Frame> frames;
    std::vector<ExprToken> out;
    bool failed = false;
    bool hitHidden = false;  // met a name inside its own expansion
};

struct Conditional {
    bool parentActive;
    bool active;
    bool done;  // an earlier branch was surely taken
};

Value Typed(int64_t v)
{
    if (v >= INT32_MIN && v <= INT32_MAX)
        return Value::Of(IntType::Int, static_cast<uint64_t>(v));
    if (v > 0 && v <= 0xFFFFFFFFll)
        return Value::Of(IntType::UInt, static_cast<uint64_t>(v));
    return Value::Of(IntType::LongLong, static_cast<uint64_t>(v));
}

// Whether an expansion stands for one operand in any surrounding
// expression: prefix operators and casts before a single value or before
// one parenthesised group.
bool IsOneOperand(const std::vector<ExprToken>& out)
{
    size_t i = 0;
    const size_t n = out.size();
    while (i < n && out[i].kind == ExprToken::Kind::Punct) {
        const std::string_view p = out[i].text;
        if (p == "-" || p == "+" || p == "~" || p == "!") {
            ++i;
        } else if (p == "(" && i + 1 < n && out[i + 1].kind == ExprToken::Kind::Name) {
            while (i + 1 < n && out[i + 1].kind == ExprToken::Kind::Name)
                ++i;
            if (i + 1 >= n || out[i + 1].text != ")")
                return false;
            i += 2;
        } else {
            break;
        }
    }
    if (i + 1 == n)
        return out[i].kind == ExprToken::Kind::Value;
    if (i >= n || out[i].kind != ExprToken::Kind::Punct || out[i].text != "(")
        return false;
    size_t depth = 0;
    for (size_t k = i; k < n; ++k) {
        if (out[k].kind != ExprToken::Kind::Punct)
            continue;
        if (out[k].text == "(")
            ++depth;
        else if (out[k].text == ")" && --depth == 0)
            return k + 1 == n;
    }
    return false;
}

class Reader {
public:
    explicit Reader(std::string text)
        : m_text(std::move(text)), m_fileBudget(kTokensPerFileBase + kTokensPerFileByte * m_text.size())
    {
    }
    std::vector<MacroName> Run();

private:
    void Line(std::string_view line);
    void Directive(const std::vector<Token>& toks);
    void Define(const std::vector<Token>& toks);
    void Undef(std::string_view name);
    Tri Condition(const std::vector<Token>& toks, size_t from);
    Tri Defined(std::string_view name) const;
    void EnumToken(const Token& tok);
    void EndEnumMember();
    bool Active() const { return m_conds.empty() || m_conds.back().active; }

    int32_t FindMacro(std::string_view name) const;
    int32_t AddMacro(std::string_view name);
    const EnumConstant* FindEnum(std::string_view name) const;
    uint32_t ToArena(const std::vector<Token>& toks, size_t from);
    std::optional<Value> EvaluateRange(uint32_t begin, uint32_t end);
    std::optional<Value> EvaluateMacro(int32_t macro);
    std::optional<Value> RunJobs(std::vector<Job>& jobs);
    bool Step(std::vector<Job>& jobs);
    void PushFrame(Job& job, int32_t jobIndex, int32_t macro);
    void PopFrame(Job& job);
    bool Spend();

    std::string m_text;
    std::vector<Token> m_arena;
    std::vector<Macro> m_macros;
    std::unordered_map<std::string_view, int32_t> m_macroIndex;
    std::unordered_map<std::string_view, EnumConstant> m_enums;
    std::vector<Conditional> m_conds;
    uint64_t m_seq = 0;
    uint64_t m_version = 0;        // any change to the names
    uint64_t m_redefinitions = 0;  // a change to a name that had a meaning
    uint64_t m_evaluationTokens = 0;
    uint64_t m_fileTokens = 0;
    uint64_t m_fileBudget;

    enum class EnumState : unsigned char { Idle, AfterEnum, BaseType, ExpectName, AfterName, Initializer };
    EnumState m_enumState = EnumState::Idle;
    std::string_view m_memberName;
    std::vector<Token> m_initializer;
    size_t m_initDepth = 0;
    bool m_memberBroken = false;
    std::optional<Value> m_nextEnumValue;
    std::vector<Token> m_lineTokens;
};

int32_t Reader::FindMacro(std::string_view name) const
{
    const auto it = m_macroIndex.find(name);
    return it == m_macroIndex.end() ? -1 : it->second;
}

int32_t Reader::AddMacro(std::string_view name)
{
    const auto [it, added] = m_macroIndex.emplace(name, static_cast<int32_t>(m_macros.size()));
    if (added) {
        m_macros.emplace_back();
        m_macros.back().name = name;
    }
    return it->second;
}

const EnumConstant* Reader::FindEnum(std::string_view name) const
{
    const auto it = m_enums.find(name);
    return it == m_enums.end() ? nullptr : &it->second;
}

uint32_t Reader::ToArena(const std::vector<Token>& toks, size_t from)
{
    const uint32_t begin = static_cast<uint32_t>(m_arena.size());
    m_arena.insert(m_arena.end(), toks.begin() + static_cast<std::ptrdiff_t>(from), toks.end());
    return begin;
}

std::vector<MacroName> Reader::Run()
{
    const std::string_view text = m_text;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        Line(text.substr(pos, end - pos));
        pos = end + 1;
    }

    struct Entry {
        uint64_t seq;
        std::string_view name;
        uint32_t id;
    };
    std::vector<Entry> entries;
    for (size_t i = 0; i < m_macros.size(); ++i) {
        const Macro& m = m_macros[i];
        if (!m.defined || m.functionLike)
            continue;
        m_evaluationTokens = 0;
        if (const std::optional<Value> v = EvaluateMacro(static_cast<int32_t>(i)))
            if (const std::optional<uint32_t> id = v->ToId())
                entries.push_back({m.seq, m.name, *id});
    }
    for (const auto& [name, constant] : m_enums) {
        const int32_t mi = FindMacro(name);
        if (mi >= 0 && m_macros[static_cast<size_t>(mi)].defined && !m_macros[static_cast<size_t>(mi)].functionLike)
            continue;  // the macro of the same name is what the name means
        if (constant.value)
            if (const std::optional<uint32_t> id = constant.value->ToId())
                entries.push_back({constant.seq, name, *id});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.seq < b.seq; });
    std::vector<MacroName> names;
    names.reserve(entries.size());
    for (const Entry& e : entries)
        names.push_back({std::string(e.name), e.id});
    return names;
}

void Reader::Line(std::string_view line)
{
    const size_t first = line.find_first_not_of(" \t\v\f\r");
    const bool directive = first != std::string_view::npos && line[first] == '#';
    if (!directive && (!Active() || (m_enumState == EnumState::Idle && line.find("enum") == std::string_view::npos)))
        return;
    m_lineTokens.clear();
    Tokenize(line, m_lineTokens);
    if (directive) {
        Directive(m_lineTokens);
        return;
    }
    for (const Token& tok : m_lineTokens)
        EnumToken(tok);
}

void Reader::Directive(const std::vector<Token>& toks)
{
    if (toks.size() < 2 || toks[1].kind != TokenKind::Identifier)
        return;  // "#" alone, line markers, stray bytes
    const std::string_view d = toks[1].text;
    const bool active = Active();
    if (d == "if" || d == "ifdef" || d == "ifndef") {
        Tri c = Tri::False;
        if (active && d == "if") {
            c = Condition(toks, 2);
        } else if (active) {
            c = toks.size() > 2 && toks[2].kind == TokenKind::Identifier ? Defined(toks[2].text) : Tri::Unknown;
            if (d == "ifndef" && c != Tri::Unknown)
                c = c == Tri::True ? Tri::False : Tri::True;
        }
        m_conds.push_back({active, active && c != Tri::False, c == Tri::True});
        return;
    }
    if (d == "elif" || d == "elifdef" || d == "elifndef" || d == "else") {
        if (m_conds.empty())
            return;
        Conditional& top = m_conds.back();
        if (!top.parentActive || top.done) {
            top.active = false;
            top.done = true;
            return;
        }
        Tri c = Tri::True;
        if (d == "elif") {
            c = Condition(toks, 2);
        } else if (d != "else") {
            c = toks.size() > 2 && toks[2].kind == TokenKind::Identifier ? Defined(toks[2].text) : Tri::Unknown;
            if (d == "elifndef" && c != Tri::Unknown)
                c = c == Tri::True ? Tri::False : Tri::True;
        }
        top.active = c != Tri::False;
        top.done = c == Tri::True;
        return;
    }
    if (d == "endif") {
        if (!m_conds.empty())
            m_conds.pop_back();
        return;
    }
    if (!active || toks.size() < 3 || toks[2].kind != TokenKind::Identifier)
        return;
    if (d == "define")
        Define(toks);
    else if (d == "undef")
        Undef(toks[2].text);
}

void Reader::Define(const std::vector<Token>& toks)
{
    const std::string_view name = toks[2].text;
    const int32_t mi = AddMacro(name);
    Macro& m = m_macros[static_cast<size_t>(mi)];
    // Remembered values may have used the name as an enum constant or as a
    // type in a cast.
    if (m.defined || FindEnum(name) || IsTypeWord(name))
        ++m_redefinitions;
    ++m_version;
    // Function-like only when "(" touches the name.
    m.functionLike = toks.size() > 3 && toks[3].Is("(") && toks[3].text.data() == name.data() + name.size();
    m.defined = true;
    m.bodyBegin = ToArena(toks, 3);
    m.bodyEnd = static_cast<uint32_t>(m_arena.size());
    m.seq = m_seq++;
    m.memo = Memo::None;
}

void Reader::Undef(std::string_view name)
{
    Macro& m = m_macros[static_cast<size_t>(AddMacro(name))];
    if (m.defined)
        ++m_redefinitions;
    ++m_version;
    m.defined = false;
    m.memo = Memo::None;
}

Tri Reader::Defined(std::string_view name) const
{
    const int32_t mi = FindMacro(name);
    if (mi < 0)
        return Tri::Unknown;  // the including program may define it
    return m_macros[static_cast<size_t>(mi)].defined ? Tri::True : Tri::False;
}

bool Reader::Spend()
{
    ++m_evaluationTokens;
    ++m_fileTokens;
    return m_evaluationTokens <= kTokensPerEvaluation && m_fileTokens <= m_fileBudget;
}

// An #if condition: macros are expanded as tokens, and any name the file
// does not define makes the answer unknown.
Tri Reader::Condition(const std::vector<Token>& toks, size_t from)
{
    m_evaluationTokens = 0;
    const uint32_t begin = ToArena(toks, from);
    Job job;
    job.macro = -1;
    job.frames.push_back({begin, static_cast<uint32_t>(m_arena.size()), -1, -1});
    bool known = true;
    while (known && !job.frames.empty()) {
        Frame& f = job.frames.back();
        if (f.pos == f.end) {
            PopFrame(job);
            continue;
        }
        if (!Spend()) {
            known = false;
            break;
        }
        const Token tok = m_arena[f.pos++];
        switch (tok.kind) {
        case TokenKind::Number:
        case TokenKind::Character: {
            const std::optional<Value> v =
                tok.kind == TokenKind::Number ? ParseIntegerLiteral(tok.text) : ParseCharacterConstant(tok.text);
            known = v.has_value();
            if (v)
                job.out.push_back({ExprToken::Kind::Value, *v, {}});
            break;
        }
        case TokenKind::Punctuator:
            job.out.push_back({ExprToken::Kind::Punct, {}, tok.text});
            break;
        case TokenKind::Identifier: {
            if (tok.text == "defined") {
                const bool paren = f.pos < f.end && m_arena[f.pos].Is("(");
                const uint32_t at = f.pos + (paren ? 1 : 0);
                known = at < f.end && m_arena[at].kind == TokenKind::Identifier &&
                    (!paren || (at + 1 < f.end && m_arena[at + 1].Is(")")));
                const Tri d = known ? Defined(m_arena[at].text) : Tri::Unknown;
                known = d != Tri::Unknown;
                job.out.push_back({ExprToken::Kind::Value, Value::Of(IntType::LongLong, d == Tri::True), {}});
                f.pos = at + (paren ? 2 : 1);
                break;
            }
            const int32_t mi = FindMacro(tok.text);
            if (mi < 0 || m_macros[static_cast<size_t>(mi)].functionLike ||
                m_macros[static_cast<size_t>(mi)].frameJob == kConditionJob) {
                known = false;
            } else if (!m_macros[static_cast<size_t>(mi)].defined) {
                job.out.push_back({ExprToken::Kind::Value, Value::Of(IntType::LongLong, 0), {}});
            } else {
                PushFrame(job, kConditionJob, mi);
            }
            break;
        }
        default:
            known = false;
            break;
        }
    }
    while (!job.frames.empty())
        PopFrame(job);
    m_arena.resize(begin);
    const std::optional<Value> v = known ? Evaluate(job.out, EvalMode::Condition) : std::nullopt;
    return v ? (v->IsZero() ? Tri::False : Tri::True) : Tri::Unknown;
}

void Reader::PushFrame(Job& job, int32_t jobIndex, int32_t macro)
{
    Macro& m = m_macros[static_cast<size_t>(macro)];
    job.frames.push_back({m.bodyBegin, m.bodyEnd, macro, m.frameJob});
    m.frameJob = jobIndex;
}

void Reader::PopFrame(Job& job)
{
    const Frame& f = job.frames.back();
    if (f.macro >= 0)
        m_macros[static_cast<size_t>(f.macro)].frameJob = f.savedFrameJob;
    job.frames.pop_back();
}

// Advances the top job by one token. Returns false when the top job has
// nothing left and must be finished.
bool Reader::Step(std::vector<Job>& jobs)
{
    const int32_t ji = static_cast<int32_t>(jobs.size()) - 1;
    Job& job = jobs.back();
    if (job.failed || job.frames.empty())
        return false;
    Frame& f = job.frames.back();
    if (f.pos == f.end) {
        PopFrame(job);
        return true;
    }
    if (!Spend()) {
        job.failed = true;
        return false;
    }
    const Token& tok = m_arena[f.pos];
    switch (tok.kind) {
    case TokenKind::Number:
    case TokenKind::Character: {
        const std::optional<Value> v =
            tok.kind == TokenKind::Number ? ParseIntegerLiteral(tok.text) : ParseCharacterConstant(tok.text);
        if (!v) {
            job.failed = true;
            return false;
        }
        job.out.push_back({ExprToken::Kind::Value, *v, {}});
        ++f.pos;
        return true;
    }
    case TokenKind::Punctuator:
        job.out.push_back({ExprToken::Kind::Punct, {}, tok.text});
        ++f.pos;
        return true;
    case TokenKind::Identifier:
        break;
    default:
        job.failed = true;
        return false;
    }

    const int32_t mi = FindMacro(tok.text);
    if (mi >= 0 && m_macros[static_cast<size_t>(mi)].defined) {
        Macro& m = m_macros[static_cast<size_t>(mi)];
        if (m.functionLike) {
            job.failed = true;
            return false;
        }
        if (m.frameJob != ji) {
            if (m.memo == Memo::TooLarge && m.memoVersion == m_version) {
                job.failed = true;
                return false;
            }
            if (m.memo == Memo::Value && m.memoRedefinitions == m_redefinitions) {
                job.out.push_back({ExprToken::Kind::Value, m.value, {}});
                ++f.pos;
            } else if ((m.memo == Memo::Tokens && m.memoVersion == m_version) || m.jobActive) {
                ++f.pos;
                PushFrame(job, ji, mi);
            } else {
                // Work out the macro on its own first; this token is read
                // again once its job is done.
                m.jobActive = true;
                jobs.emplace_back();
                jobs.back().macro = mi;
                PushFrame(jobs.back(), ji + 1, mi);
            }
            return true;
        }
        job.hitHidden = true;  // not expanded again: an ordinary identifier
    }
    ++f.pos;
    if (const EnumConstant* e = FindEnum(tok.text)) {
        if (!e->value) {
            job.failed = true;
            return false;
        }
        job.out.push_back({ExprToken::Kind::Value, *e->value, {}});
        return true;
    }
    if (IsTypeWord(tok.text)) {
        job.out.push_back({ExprToken::Kind::Name, {}, tok.text});
        return true;
    }
    job.failed = true;
    return false;
}

std::optional<Value> Reader::RunJobs(std::vector<Job>& jobs)
{
    for (;;) {
        if (Step(jobs))
            continue;
        Job& job = jobs.back();
        while (!job.frames.empty())
            PopFrame(job);
        const bool outOfBudget =
            m_evaluationTokens > kTokensPerEvaluation || m_fileTokens > m_fileBudget;
        const std::optional<Value> v = job.failed ? std::nullopt : Evaluate(job.out, EvalMode::Constant);
        if (job.macro >= 0) {
            Macro& m = m_macros[static_cast<size_t>(job.macro)];
            m.jobActive = false;
            if (v && !job.hitHidden && IsOneOperand(job.out)) {
                m.memo = Memo::Value;
                m.value = *v;
            } else if (outOfBudget && jobs.size() == 1 && m_evaluationTokens > kTokensPerEvaluation) {
                m.memo = Memo::TooLarge;  // measured from an empty budget: its own size
            } else {
                m.memo = Memo::Tokens;
            }
            m.memoVersion = m_version;
            m.memoRedefinitions = m_redefinitions;
        }
        jobs.pop_back();
        if (jobs.empty())
            return v;
        if (outOfBudget) {
            jobs.back().failed = true;
        }
    }
}

std::optional<Value> Reader::EvaluateRange(uint32_t begin, uint32_t end)
{
    m_evaluationTokens = 0;
    std::vector<Job> jobs(1);
    jobs[0].macro = -1;
    jobs[0].frames.push_back({begin, end, -1, -1});
    return RunJobs(jobs);
}

std::optional<Value> Reader::EvaluateMacro(int32_t macro)
{
    Macro& m = m_macros[static_cast<size_t>(macro)];
    if (m.memo == Memo::Value && m.memoRedefinitions == m_redefinitions)
        return m.value;
    std::vector<Job> jobs(1);
    jobs[0].macro = macro;
    m.jobActive = true;
    PushFrame(jobs[0], 0, macro);
    return RunJobs(jobs);
}

// Enum declarations are found in the token stream of ordinary code:
// enum [tag] [: type] { NAME [= value], ... }
void Reader::EnumToken(const Token& tok)
{
    switch (m_enumState) {
    case EnumState::Idle:
        if (tok.kind == TokenKind::Identifier && tok.text == "enum")
            m_enumState = EnumState::AfterEnum;
        return;
    case EnumState::AfterEnum:
        if (tok.Is("{")) {
            m_enumState = EnumState::ExpectName;
            m_nextEnumValue = Value::Of(IntType::Int, 0);
        } else if (tok.Is(":")) {
            m_enumState = EnumState::BaseType;
        } else if (tok.kind != TokenKind::Identifier) {
            m_enumState = EnumState::Idle;
        }
        return;
    case EnumState::BaseType:
        if (tok.Is("{")) {
            m_enumState = EnumState::ExpectName;
            m_nextEnumValue = Value::Of(IntType::Int, 0);
        } else if (tok.Is(";") || tok.Is("}")) {
            m_enumState = EnumState::Idle;
        }
        return;
    case EnumState::ExpectName:
        if (tok.Is("}")) {
            m_enumState = EnumState::Idle;
        } else if (tok.kind == TokenKind::Identifier) {
            m_memberName = tok.text;
            m_memberBroken = false;
            m_initializer.clear();
            m_initDepth = 0;
            m_enumState = EnumState::AfterName;
        }
        return;
    case EnumState::AfterName:
        if (tok.Is("=")) {
            m_enumState = EnumState::Initializer;
            return;
        }
        if (tok.Is(",") || tok.Is("}")) {
            EndEnumMember();
            m_enumState = tok.Is("}") ? EnumState::Idle : EnumState::ExpectName;
            return;
        }
        m_memberBroken = true;  // attributes and the like: the value is not ours to know
        m_enumState = EnumState::Initializer;
        [[fallthrough]];
    case EnumState::Initializer:
        if (m_initDepth == 0 && (tok.Is(",") || tok.Is("}"))) {
            EndEnumMember();
            m_enumState = tok.Is("}") ? EnumState::Idle : EnumState::ExpectName;
            return;
        }
        if (tok.Is("(") || tok.Is("[") || tok.Is("{"))
            ++m_initDepth;
        else if ((tok.Is(")") || tok.Is("]") || tok.Is("}")) && m_initDepth > 0)
            --m_initDepth;
        m_initializer.push_back(tok);
        return;
    }
}

void Reader::EndEnumMember()
{
    std::optional<Value> v;
    if (!m_memberBroken && m_initializer.empty()) {
        v = m_nextEnumValue;
    } else if (!m_memberBroken) {
        const uint32_t begin = ToArena(m_initializer, 0);
        v = EvaluateRange(begin, static_cast<uint32_t>(m_arena.size()));
        m_arena.resize(begin);
    }
    m_nextEnumValue.reset();
    if (v) {
        // An enumerator has type int when its value fits.
        int64_t s = static_cast<int64_t>(v->bits);
        if (!v->IsSigned() && v->bits > static_cast<uint64_t>(INT64_MAX)) {
            v.reset();
        } else {
            v = Typed(s);
            if (s < INT64_MAX)
                m_nextEnumValue = Typed(s + 1);
        }
    }
    auto [it, added] = m_enums.try_emplace(m_memberName);
    const int32_t mi = FindMacro(m_memberName);
    if (!added || (mi >= 0 && m_macros[static_cast<size_t>(mi)].defined))
        ++m_redefinitions;
    ++m_version;
    it->second = {v, m_seq++};
}

}  // namespace

std::optional<std::vector<MacroName>> ReadHeader(std::string_view text)
{
    if (text.find('\0') != std::string_view::npos)
        return std::nullopt;
    Reader reader(SpliceAndStripComments(text));
    return reader.Run();
}

}  // namespace macro
