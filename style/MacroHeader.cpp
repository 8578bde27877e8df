#include "style/MacroHeader.h"

#include <array>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

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
    Literal,   // its body is one integer literal: the value holds for good
    Value,     // its expansion is one operand: use the value in place of the tokens
    Tokens,    // anything else: expand its tokens again where it is used
    TooLarge,  // its expansion alone is over the budget: so is any that holds it
};

// A name of the file: a macro, an enum constant, or both (the macro then
// hides the constant except inside its own expansion).
struct Symbol {
    const char* name = nullptr;
    uint32_t nameLength = 0;
    uint32_t hash = 0;
    uint32_t bodyBegin = 0, bodyEnd = 0;  // the macro's replacement text, as offsets
    uint32_t seq = 0, enumSeq = 0;        // positions in the order of definitions
    uint32_t memoVersion = 0, memoRedefinitions = 0;
    int32_t frameJob = -1;  // the innermost job expanding this macro now
    Memo memo = Memo::None;
    IntType valueType = IntType::Int, enumType = IntType::Int;
    bool defined = false;    // as a macro, now
    bool mentioned = false;  // by #define or #undef, so that #ifdef can tell
    bool functionLike = false;
    bool jobActive = false;
    bool isEnum = false;
    bool enumKnown = false;  // the constant's value could be computed
    bool isTypeWord = false;  // can make up a type in a cast (unsigned, DWORD)
    uint64_t valueBits = 0, enumBits = 0;

    std::string_view Name() const { return {name, nameLength}; }
};

struct Frame {
    const char* pos;
    const char* end;
    int32_t macro;  // -1: the expression being evaluated
    int32_t savedFrameJob;
};

// One evaluation in progress: the value of a macro on its own, or of the
// expression asked for. A macro met inside gets a job of its own above this
// one, so no call recursion follows the depth of the input.
struct Job {
    int32_t macro = -1;
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

// FNV-1a, with a final mix so that the low bits used for the slot depend
// on every byte (names often differ only in their last digits).
uint32_t HashName(std::string_view name)
{
    uint32_t h = 2166136261u;
    for (const char c : name) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    return h ^ (h >> 16);
}

// An enumerator has type int when its value fits.
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

// Tokens are appended field by field, in place: a token built on the stack
// and then copied is read back right after its narrower stores, and that
// stall cost more than the rest of the append.
void EmitValue(std::vector<ExprToken>& out, Value v)
{
    ExprToken& t = out.emplace_back();
    t.kind = ExprToken::Kind::Value;
    t.value.type = v.type;
    t.value.bits = v.bits;
}

void EmitText(std::vector<ExprToken>& out, ExprToken::Kind kind, std::string_view text)
{
    ExprToken& t = out.emplace_back();
    t.kind = kind;
    t.text = text;
}

std::optional<Value> LiteralValue(const Token& tok)
{
    return tok.kind == TokenKind::Number ? ParseIntegerLiteral(tok.text) : ParseCharacterConstant(tok.text);
}

class Reader {
public:
    explicit Reader(std::string text) : m_text(std::move(text)) {}
    void Run(const std::function<void(std::string_view, uint32_t)>& onName);

private:
    void Line(const char* begin, const char* end);
    void Directive(const char* pos, const char* end);
    void Define(const char* pos, const char* end);
    Tri Condition(const char* begin, const char* end);
    Tri Defined(std::string_view name) const;
    Tri DefinedDirective(std::string_view directive, const char* pos, const char* end) const;
    void EnumToken(const Token& tok);
    void EndEnumMember();
    bool Active() const { return m_conds.empty() || m_conds.back().active; }

    size_t Probe(std::string_view name, uint32_t hash) const;
    int32_t Find(std::string_view name) const;
    int32_t Add(std::string_view name);
    bool IsObjectMacro(int32_t symbol) const;
    uint32_t Offset(const char* p) const { return static_cast<uint32_t>(p - m_text.data()); }

    std::optional<Value> EvaluateRange(const char* begin, const char* end);
    std::optional<Value> EvaluateMacro(int32_t macro);
    std::optional<Value> RunJobs();
    Job& PushJob(int32_t macro);
    bool Step();
    void PushFrame(Job& job, int32_t jobIndex, int32_t macro);
    void PopFrame(Job& job);
    bool Spend();

    std::string m_text;
    std::vector<Symbol> m_symbols;
    // Open addressing. The hash is kept in the slot, so that a probe
    // touches a symbol only when the hash matches.
    struct Slot {
        uint32_t hash;
        uint32_t symbol;  // index + 1, 0 for an empty slot
    };
    std::vector<Slot> m_slots;
    // Names are mostly used near their definitions (a chain of ids, an
    // enum on a base id), but by the time they are evaluated the table's
    // slots for them have long left the processor's cache. The symbols of
    // the latest definitions are kept here, by the low bits of their hash,
    // and tried first.
    std::array<uint32_t, 256> m_recent{};  // symbol index + 1, 0 for none
    void Remember(int32_t symbol)
    {
        m_recent[m_symbols[static_cast<size_t>(symbol)].hash % m_recent.size()] = static_cast<uint32_t>(symbol + 1);
    }
    // Every definition in file order: the symbol, and whether it was as an
    // enum constant. A definition's seq is its position here.
    std::vector<std::pair<int32_t, bool>> m_definitions;
    std::vector<Conditional> m_conds;
    // The job stack, kept with its buffers between evaluations; the first
    // m_jobCount are in use.
    std::vector<Job> m_jobs;
    size_t m_jobCount = 0;
    Evaluator m_evaluator;
    uint32_t m_version = 0;        // any change to the names
    uint32_t m_redefinitions = 0;  // a change to a name that had a meaning
    uint64_t m_evaluationTokens = 0;
    uint64_t m_fileTokens = 0;
    uint64_t m_fileBudget = 0;

    enum class EnumState : unsigned char { Idle, AfterEnum, BaseType, ExpectName, AfterName, Initializer };
    EnumState m_enumState = EnumState::Idle;
    std::string_view m_memberName;
    const char* m_initBegin = nullptr;  // the member's value, as text
    const char* m_initEnd = nullptr;
    size_t m_initDepth = 0;
    bool m_memberBroken = false;
    std::optional<Value> m_nextEnumValue;
};

// The slot that holds name, or the empty slot where it would go.
size_t Reader::Probe(std::string_view name, uint32_t hash) const
{
    const size_t mask = m_slots.size() - 1;
    size_t i = hash & mask;
    for (; m_slots[i].symbol; i = (i + 1) & mask)
        if (m_slots[i].hash == hash && m_symbols[m_slots[i].symbol - 1].Name() == name)
            break;
    return i;
}

int32_t Reader::Find(std::string_view name) const
{
    const uint32_t h = HashName(name);
    if (const uint32_t recent = m_recent[h % m_recent.size()]) {
        const Symbol& s = m_symbols[recent - 1];
        if (s.hash == h && s.Name() == name)
            return static_cast<int32_t>(recent - 1);
    }
    return static_cast<int32_t>(m_slots[Probe(name, h)].symbol) - 1;
}

int32_t Reader::Add(std::string_view name)
{
    if ((m_symbols.size() + 1) * 2 > m_slots.size()) {
        std::vector<Slot> slots(m_slots.size() * 2, Slot{0, 0});
        const size_t mask = slots.size() - 1;
        for (const Slot& old : m_slots) {
            if (!old.symbol)
                continue;
            size_t i = old.hash & mask;
            while (slots[i].symbol)
                i = (i + 1) & mask;
            slots[i] = old;
        }
        m_slots.swap(slots);
    }
    const uint32_t h = HashName(name);
    Slot& slot = m_slots[Probe(name, h)];
    if (slot.symbol)
        return static_cast<int32_t>(slot.symbol - 1);
    m_symbols.emplace_back();
    Symbol& s = m_symbols.back();
    s.name = name.data();
    s.nameLength = static_cast<uint32_t>(name.size());
    s.hash = h;
    slot = {h, static_cast<uint32_t>(m_symbols.size())};
    return static_cast<int32_t>(m_symbols.size() - 1);
}

bool Reader::IsObjectMacro(int32_t symbol) const
{
    const Symbol& m = m_symbols[static_cast<size_t>(symbol)];
    return m.defined && !m.functionLike;
}

void Reader::Run(const std::function<void(std::string_view, uint32_t)>& onName)
{
    SpliceAndStripComments(m_text);
    m_fileBudget = kTokensPerFileBase + kTokensPerFileByte * m_text.size();
    // Room for a name every 32 bytes, slots for twice that: a typical
    // header never grows either.
    m_symbols.reserve(m_text.size() / 32);
    m_definitions.reserve(m_text.size() / 32);
    size_t slots = 1024;
    while (slots < m_text.size() / 16)
        slots *= 2;
    m_slots.assign(slots, Slot{0, 0});
    // Type words get their symbols first: a name is then looked up once,
    // not again in a table of type words.
    for (const std::string_view word : TypeWords())
        m_symbols[static_cast<size_t>(Add(word))].isTypeWord = true;

    const char* pos = m_text.data();
    const char* const end = pos + m_text.size();
    while (pos < end) {
        const char* lineEnd = static_cast<const char*>(std::memchr(pos, '\n', static_cast<size_t>(end - pos)));
        if (!lineEnd)
            lineEnd = end;
        Line(pos, lineEnd);
        pos = lineEnd + 1;
    }

    // A name stands for the definition that holds at the end; an
    // object-like macro hides an enum constant of the same name.
    for (size_t seq = 0; seq < m_definitions.size(); ++seq) {
        const auto [symbol, asEnum] = m_definitions[seq];
        const Symbol& m = m_symbols[static_cast<size_t>(symbol)];
        Remember(symbol);
        std::optional<Value> v;
        if (asEnum && m.enumSeq == seq && m.enumKnown && !IsObjectMacro(symbol)) {
            v = Value::Of(m.enumType, m.enumBits);
        } else if (!asEnum && m.seq == seq && IsObjectMacro(symbol)) {
            m_evaluationTokens = 0;
            v = EvaluateMacro(symbol);
        }
        if (v)
            if (const std::optional<uint32_t> id = v->ToId())
                onName(m.Name(), *id);
    }
}

void Reader::Line(const char* begin, const char* end)
{
    const char* p = begin;
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\v' || *p == '\f'))
        ++p;
    if (p < end && *p == '#') {
        Directive(p + 1, end);
        return;
    }
    if (!Active() ||
        (m_enumState == EnumState::Idle &&
         std::string_view(p, static_cast<size_t>(end - p)).find("enum") == std::string_view::npos))
        return;
    Token tok;
    while (NextToken(p, end, tok))
        EnumToken(tok);
}

Tri Reader::DefinedDirective(std::string_view directive, const char* pos, const char* end) const
{
    Token name;
    if (!NextToken(pos, end, name) || name.kind != TokenKind::Identifier)
        return Tri::Unknown;
    const Tri d = Defined(name.text);
    if (d == Tri::Unknown || directive.substr(directive.size() - 4) != "ndef")
        return d;
    return d == Tri::True ? Tri::False : Tri::True;
}

void Reader::Directive(const char* pos, const char* end)
{
    Token tok;
    if (!NextToken(pos, end, tok) || tok.kind != TokenKind::Identifier)
        return;  // "#" alone, line markers, stray bytes
    const std::string_view d = tok.text;
    const bool active = Active();
    if (d == "if" || d == "ifdef" || d == "ifndef") {
        Tri c = Tri::False;
        if (active)
            c = d == "if" ? Condition(pos, end) : DefinedDirective(d, pos, end);
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
        const Tri c = d == "else" ? Tri::True : d == "elif" ? Condition(pos, end) : DefinedDirective(d, pos, end);
        // Condition() may not touch m_conds, so top is still valid.
        top.active = c != Tri::False;
        top.done = c == Tri::True;
        return;
    }
    if (d == "endif") {
        if (!m_conds.empty())
            m_conds.pop_back();
        return;
    }
    if (!active)
        return;
    if (d == "define") {
        Define(pos, end);
    } else if (d == "undef") {
        if (!NextToken(pos, end, tok) || tok.kind != TokenKind::Identifier)
            return;
        Symbol& m = m_symbols[static_cast<size_t>(Add(tok.text))];
        if (m.defined)
            ++m_redefinitions;
        ++m_version;
        m.defined = false;
        m.mentioned = true;
        m.memo = Memo::None;
    }
}

void Reader::Define(const char* pos, const char* end)
{
    Token name;
    if (!NextToken(pos, end, name) || name.kind != TokenKind::Identifier)
        return;
    const int32_t mi = Add(name.text);
    Remember(mi);
    Symbol& m = m_symbols[static_cast<size_t>(mi)];
    // Remembered values may have used the name as an enum constant or as a
    // type in a cast.
    if (m.defined || m.isEnum || m.isTypeWord)
        ++m_redefinitions;
    ++m_version;
    m.functionLike = pos < end && *pos == '(';  // only when "(" touches the name
    m.defined = true;
    m.mentioned = true;
    m.bodyBegin = Offset(pos);
    m.bodyEnd = Offset(end);
    m.seq = static_cast<uint32_t>(m_definitions.size());
    m_definitions.emplace_back(mi, false);
    m.memo = Memo::None;
    // Most ids are plain numbers: their value needs no evaluation later.
    Token body, more;
    const char* p = pos;
    if (!m.functionLike && NextToken(p, end, body) && body.kind == TokenKind::Number && !NextToken(p, end, more))
        if (const std::optional<Value> v = ParseIntegerLiteral(body.text)) {
            m.memo = Memo::Literal;
            m.valueType = v->type;
            m.valueBits = v->bits;
        }
}

Tri Reader::Defined(std::string_view name) const
{
    const int32_t mi = Find(name);
    if (mi < 0 || !m_symbols[static_cast<size_t>(mi)].mentioned)
        return Tri::Unknown;  // the including program may define it
    return m_symbols[static_cast<size_t>(mi)].defined ? Tri::True : Tri::False;
}

bool Reader::Spend()
{
    ++m_evaluationTokens;
    ++m_fileTokens;
    return m_evaluationTokens <= kTokensPerEvaluation && m_fileTokens <= m_fileBudget;
}

// An #if condition: macros are expanded as tokens, and any name the file
// does not define makes the answer unknown.
Tri Reader::Condition(const char* begin, const char* end)
{
    m_evaluationTokens = 0;
    Job job;
    job.frames.push_back({begin, end, -1, -1});
    bool known = true;
    while (known && !job.frames.empty()) {
        Frame& f = job.frames.back();
        Token tok;
        if (!NextToken(f.pos, f.end, tok)) {
            PopFrame(job);
            continue;
        }
        if (!Spend()) {
            known = false;
            break;
        }
        switch (tok.kind) {
        case TokenKind::Number:
        case TokenKind::Character: {
            const std::optional<Value> v = LiteralValue(tok);
            known = v.has_value();
            if (v)
                EmitValue(job.out, *v);
            break;
        }
        case TokenKind::Punctuator:
            EmitText(job.out, ExprToken::Kind::Punct, tok.text);
            break;
        case TokenKind::Identifier: {
            if (tok.text == "defined") {
                Token name, paren;
                const char* p = f.pos;
                const bool parens = NextToken(p, f.end, name) && name.Is("(");
                if (parens)
                    known = NextToken(p, f.end, name) && NextToken(p, f.end, paren) && paren.Is(")");
                known = known && name.kind == TokenKind::Identifier;
                const Tri d = known ? Defined(name.text) : Tri::Unknown;
                known = d != Tri::Unknown;
                EmitValue(job.out, Value::Of(IntType::LongLong, d == Tri::True));
                f.pos = p;
                break;
            }
            const int32_t mi = Find(tok.text);
            const Symbol* m = mi >= 0 ? &m_symbols[static_cast<size_t>(mi)] : nullptr;
            if (!m || !m->mentioned || m->functionLike || m->frameJob == kConditionJob)
                known = false;
            else if (!m->defined)
                EmitValue(job.out, Value::Of(IntType::LongLong, 0));
            else
                PushFrame(job, kConditionJob, mi);
            break;
        }
        default:
            known = false;
            break;
        }
    }
    while (!job.frames.empty())
        PopFrame(job);
    const std::optional<Value> v = known ? m_evaluator.Evaluate(job.out, EvalMode::Condition) : std::nullopt;
    return v ? (v->IsZero() ? Tri::False : Tri::True) : Tri::Unknown;
}

void Reader::PushFrame(Job& job, int32_t jobIndex, int32_t macro)
{
    Symbol& m = m_symbols[static_cast<size_t>(macro)];
    const char* text = m_text.data();
    job.frames.push_back({text + m.bodyBegin, text + m.bodyEnd, macro, m.frameJob});
    m.frameJob = jobIndex;
}

void Reader::PopFrame(Job& job)
{
    const Frame& f = job.frames.back();
    if (f.macro >= 0)
        m_symbols[static_cast<size_t>(f.macro)].frameJob = f.savedFrameJob;
    job.frames.pop_back();
}

Job& Reader::PushJob(int32_t macro)
{
    if (m_jobCount == m_jobs.size())
        m_jobs.emplace_back();
    Job& job = m_jobs[m_jobCount++];
    job.macro = macro;
    job.frames.clear();
    job.out.clear();
    job.failed = false;
    job.hitHidden = false;
    if (macro >= 0) {
        m_symbols[static_cast<size_t>(macro)].jobActive = true;
        PushFrame(job, static_cast<int32_t>(m_jobCount - 1), macro);
    }
    return job;
}

// Advances the top job by one token. Returns false when the top job has
// nothing left and must be finished.
bool Reader::Step()
{
    const int32_t ji = static_cast<int32_t>(m_jobCount) - 1;
    Job& job = m_jobs[m_jobCount - 1];
    if (job.failed || job.frames.empty())
        return false;
    Frame& f = job.frames.back();
    const char* next = f.pos;
    Token tok;
    if (!NextToken(next, f.end, tok)) {
        PopFrame(job);
        return true;
    }
    if (!Spend()) {
        job.failed = true;
        return false;
    }
    switch (tok.kind) {
    case TokenKind::Number:
    case TokenKind::Character:
        if (const std::optional<Value> v = LiteralValue(tok)) {
            EmitValue(job.out, *v);
            f.pos = next;
            return true;
        }
        job.failed = true;
        return false;
    case TokenKind::Punctuator:
        EmitText(job.out, ExprToken::Kind::Punct, tok.text);
        f.pos = next;
        return true;
    case TokenKind::Identifier:
        break;
    default:
        job.failed = true;
        return false;
    }

    const int32_t mi = Find(tok.text);
    Symbol* m = mi >= 0 ? &m_symbols[static_cast<size_t>(mi)] : nullptr;
    if (m && m->defined) {
        if (m->functionLike) {
            job.failed = true;
            return false;
        }
        if (m->frameJob != ji) {
            if (m->memo == Memo::TooLarge && m->memoVersion == m_version) {
                job.failed = true;
                return false;
            }
            if (m->memo == Memo::Literal || (m->memo == Memo::Value && m->memoRedefinitions == m_redefinitions)) {
                EmitValue(job.out, Value::Of(m->valueType, m->valueBits));
                f.pos = next;
            } else if ((m->memo == Memo::Tokens && m->memoVersion == m_version) || m->jobActive) {
                f.pos = next;
                PushFrame(job, ji, mi);
            } else {
                // Work out the macro on its own first; this token is read
                // again once its job is done.
                PushJob(mi);
            }
            return true;
        }
        job.hitHidden = true;  // not expanded again: an ordinary identifier
    }
    f.pos = next;
    if (m && m->isEnum) {
        if (!m->enumKnown) {
            job.failed = true;
            return false;
        }
        EmitValue(job.out, Value::Of(m->enumType, m->enumBits));
        return true;
    }
    if (m && m->isTypeWord) {
        EmitText(job.out, ExprToken::Kind::Name, tok.text);
        return true;
    }
    job.failed = true;
    return false;
}

std::optional<Value> Reader::RunJobs()
{
    for (;;) {
        if (Step())
            continue;
        Job& job = m_jobs[m_jobCount - 1];
        while (!job.frames.empty())
            PopFrame(job);
        const bool outOfBudget = m_evaluationTokens > kTokensPerEvaluation || m_fileTokens > m_fileBudget;
        const std::optional<Value> v = job.failed ? std::nullopt : m_evaluator.Evaluate(job.out, EvalMode::Constant);
        if (job.macro >= 0) {
            Symbol& m = m_symbols[static_cast<size_t>(job.macro)];
            m.jobActive = false;
            if (v && !job.hitHidden && IsOneOperand(job.out)) {
                m.memo = Memo::Value;
                m.valueType = v->type;
                m.valueBits = v->bits;
            } else if (m_jobCount == 1 && m_evaluationTokens > kTokensPerEvaluation) {
                m.memo = Memo::TooLarge;  // measured from an empty budget: its own size
            } else {
                m.memo = Memo::Tokens;
            }
            m.memoVersion = m_version;
            m.memoRedefinitions = m_redefinitions;
        }
        if (--m_jobCount == 0)
            return v;
        if (outOfBudget)
            m_jobs[m_jobCount - 1].failed = true;
    }
}

std::optional<Value> Reader::EvaluateRange(const char* begin, const char* end)
{
    m_evaluationTokens = 0;
    PushJob(-1).frames.push_back({begin, end, -1, -1});
    return RunJobs();
}

std::optional<Value> Reader::EvaluateMacro(int32_t macro)
{
    const Symbol& m = m_symbols[static_cast<size_t>(macro)];
    if (m.memo == Memo::Literal || (m.memo == Memo::Value && m.memoRedefinitions == m_redefinitions))
        return Value::Of(m.valueType, m.valueBits);
    PushJob(macro);
    return RunJobs();
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
    case EnumState::BaseType:
        if (tok.Is("{")) {
            m_enumState = EnumState::ExpectName;
            m_nextEnumValue = Value::Of(IntType::Int, 0);
        } else if (m_enumState == EnumState::AfterEnum && tok.Is(":")) {
            m_enumState = EnumState::BaseType;
        } else if (m_enumState == EnumState::AfterEnum ? tok.kind != TokenKind::Identifier
                                                       : tok.Is(";") || tok.Is("}")) {
            m_enumState = EnumState::Idle;
        }
        return;
    case EnumState::ExpectName:
        if (tok.Is("}")) {
            m_enumState = EnumState::Idle;
        } else if (tok.kind == TokenKind::Identifier) {
            m_memberName = tok.text;
            m_memberBroken = false;
            m_initBegin = m_initEnd = nullptr;
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
        if (!m_initBegin)
            m_initBegin = tok.text.data();
        m_initEnd = tok.text.data() + tok.text.size();
        return;
    }
}

void Reader::EndEnumMember()
{
    // A value written over several lines is read as the text between its
    // first and last token; a directive line in between makes it fail.
    std::optional<Value> v;
    if (!m_memberBroken)
        v = m_initBegin ? EvaluateRange(m_initBegin, m_initEnd) : m_nextEnumValue;
    m_nextEnumValue.reset();
    if (v && !v->IsSigned() && v->bits > static_cast<uint64_t>(INT64_MAX))
        v.reset();
    if (v) {
        const int64_t s = static_cast<int64_t>(v->bits);
        v = Typed(s);
        if (s < INT64_MAX)
            m_nextEnumValue = Typed(s + 1);
    }
    const int32_t mi = Add(m_memberName);
    Remember(mi);
    Symbol& m = m_symbols[static_cast<size_t>(mi)];
    if (m.isEnum || m.defined)
        ++m_redefinitions;
    ++m_version;
    m.isEnum = true;
    m.enumKnown = v.has_value();
    if (v) {
        m.enumType = v->type;
        m.enumBits = v->bits;
    }
    m.enumSeq = static_cast<uint32_t>(m_definitions.size());
    m_definitions.emplace_back(mi, true);
}

}  // namespace

bool ReadHeader(std::string text, const std::function<void(std::string_view name, uint32_t id)>& onName)
{
    // Offsets into the text are 32 bits wide.
    if (text.find('\0') != std::string::npos || text.size() > UINT32_MAX)
        return false;
    Reader(std::move(text)).Run(onName);
    return true;
}

}  // namespace macro
