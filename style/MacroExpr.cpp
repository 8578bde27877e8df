#include "style/MacroExpr.h"

#include <iterator>
#include <unordered_map>

namespace macro {

namespace {

constexpr uint64_t kU32Max = 0xFFFFFFFFu;
constexpr uint64_t kI32Max = 0x7FFFFFFFu;
constexpr uint64_t kI64Max = 0x7FFFFFFFFFFFFFFFull;

int Rank(IntType t)
{
    return t == IntType::Int || t == IntType::UInt ? 1 : 2;
}

bool IsUnsigned(IntType t)
{
    return t == IntType::UInt || t == IntType::ULongLong;
}

unsigned Width(IntType t)
{
    return Rank(t) == 1 ? 32 : 64;
}

// The usual arithmetic conversions of C for two promoted operands.
IntType Common(IntType a, IntType b)
{
    if (Rank(a) != Rank(b))
        return Rank(a) > Rank(b) ? a : b;  // long long holds every unsigned int
    return IsUnsigned(a) || IsUnsigned(b) ? (Rank(a) == 1 ? IntType::UInt : IntType::ULongLong) : a;
}

Value Convert(Value v, IntType to)
{
    return Value::Of(to, v.bits);
}

Value Truth(bool b, EvalMode mode)
{
    return Value::Of(mode == EvalMode::Condition ? IntType::LongLong : IntType::Int, b ? 1 : 0);
}

// A cast target: its width and signedness.
struct CastType {
    unsigned width = 0;  // 0: not a type
    bool isSigned = true;
};

struct NamedType {
    std::string_view name;
    CastType type;
};

constexpr NamedType kNamedTypes[] = {
    {"int8_t", {8, true}},        {"INT8", {8, true}},          {"CHAR", {8, true}},
    {"CCHAR", {8, true}},         {"uint8_t", {8, false}},      {"UINT8", {8, false}},
    {"BYTE", {8, false}},         {"UCHAR", {8, false}},        {"BOOLEAN", {8, false}},
    {"int16_t", {16, true}},      {"INT16", {16, true}},        {"SHORT", {16, true}},
    {"uint16_t", {16, false}},    {"UINT16", {16, false}},      {"WORD", {16, false}},
    {"USHORT", {16, false}},      {"ATOM", {16, false}},        {"LANGID", {16, false}},
    {"WCHAR", {16, false}},       {"wchar_t", {16, false}},     {"int32_t", {32, true}},
    {"INT", {32, true}},          {"INT32", {32, true}},        {"LONG", {32, true}},
    {"LONG32", {32, true}},       {"BOOL", {32, true}},         {"HRESULT", {32, true}},
    {"NTSTATUS", {32, true}},     {"uint32_t", {32, false}},    {"UINT", {32, false}},
    {"UINT32", {32, false}},      {"DWORD", {32, false}},       {"DWORD32", {32, false}},
    {"ULONG", {32, false}},       {"ULONG32", {32, false}},     {"COLORREF", {32, false}},
    {"LCID", {32, false}},        {"int64_t", {64, true}},      {"INT64", {64, true}},
    {"LONG64", {64, true}},       {"LONGLONG", {64, true}},     {"INT_PTR", {64, true}},
    {"LONG_PTR", {64, true}},     {"LPARAM", {64, true}},       {"LRESULT", {64, true}},
    {"SSIZE_T", {64, true}},      {"intptr_t", {64, true}},     {"ptrdiff_t", {64, true}},
    {"intmax_t", {64, true}},     {"uint64_t", {64, false}},    {"UINT64", {64, false}},
    {"ULONG64", {64, false}},     {"DWORD64", {64, false}},     {"ULONGLONG", {64, false}},
    {"UINT_PTR", {64, false}},    {"ULONG_PTR", {64, false}},   {"DWORD_PTR", {64, false}},
    {"WPARAM", {64, false}},      {"SIZE_T", {64, false}},      {"size_t", {64, false}},
    {"uintptr_t", {64, false}},   {"uintmax_t", {64, false}},
};

constexpr std::string_view kKeywords[] = {"signed", "unsigned", "char", "short", "int", "long",
                                          "__int8", "__int16", "__int32", "__int64", "const", "volatile"};

const CastType* FindNamedType(std::string_view name)
{
    static const std::unordered_map<std::string_view, CastType> table = [] {
        std::unordered_map<std::string_view, CastType> t;
        for (const NamedType& n : kNamedTypes)
            t.emplace(n.name, n.type);
        return t;
    }();
    const auto it = table.find(name);
    return it == table.end() ? nullptr : &it->second;
}

// The type named by the words between a cast's parentheses.
CastType ResolveType(const ExprToken* words, size_t count)
{
    int nSigned = 0, nUnsigned = 0, nChar = 0, nShort = 0, nInt = 0, nLong = 0, nFixed = 0;
    unsigned fixedWidth = 0;
    const CastType* named = nullptr;
    size_t nNamed = 0;
    for (size_t i = 0; i < count; ++i) {
        const std::string_view w = words[i].text;
        if (w == "const" || w == "volatile")
            continue;
        if (w == "signed")
            ++nSigned;
        else if (w == "unsigned")
            ++nUnsigned;
        else if (w == "char")
            ++nChar;
        else if (w == "short")
            ++nShort;
        else if (w == "int")
            ++nInt;
        else if (w == "long")
            ++nLong;
        else if (w.substr(0, 5) == "__int") {
            ++nFixed;
            fixedWidth = w == "__int8" ? 8 : w == "__int16" ? 16 : w == "__int32" ? 32 : 64;
        } else {
            named = FindNamedType(w);
            if (!named)
                return {};
            ++nNamed;
        }
    }
    if (nNamed)
        return nNamed == 1 && nSigned + nUnsigned + nChar + nShort + nInt + nLong + nFixed == 0 ? *named
                                                                                            : CastType{};
    const bool isSigned = nUnsigned == 0;
    if (nSigned + nUnsigned > 1 || nInt > 1 || nChar + nShort + (nLong ? 1 : 0) + nFixed > 1 || nLong > 2 ||
        (nInt && (nChar || nFixed)))
        return {};
    if (nChar)
        return {8, isSigned};
    if (nShort)
        return {16, isSigned};
    if (nFixed)
        return {fixedWidth, isSigned};
    if (nLong == 2)
        return {64, isSigned};
    if (nSigned + nUnsigned + nInt + nLong == 0)
        return {};
    return {32, isSigned};
}

Value ApplyCast(Value v, CastType t)
{
    if (t.width == 64)
        return Value::Of(t.isSigned ? IntType::LongLong : IntType::ULongLong, v.bits);
    if (t.width == 32)
        return Value::Of(t.isSigned ? IntType::Int : IntType::UInt, v.bits);
    const uint64_t mask = (uint64_t{1} << t.width) - 1;
    uint64_t bits = v.bits & mask;
    if (t.isSigned && (bits >> (t.width - 1)))
        bits |= ~mask;
    return Value::Of(IntType::Int, bits);  // narrower types promote to int
}

enum class Op : unsigned char {
    Neg, Plus, BitNot, LogNot, Cast,  // prefix
    Mul, Div, Mod, Add, Sub, Shl, Shr, Lt, Gt, Le, Ge, Eq, Ne, BitAnd, BitXor, BitOr, LogAnd, LogOr,
    Question, Ternary, LParen,  // markers and ?:
};

int Precedence(Op op)
{
    switch (op) {
    case Op::Neg: case Op::Plus: case Op::BitNot: case Op::LogNot: case Op::Cast: return 14;
    case Op::Mul: case Op::Div: case Op::Mod: return 13;
    case Op::Add: case Op::Sub: return 12;
    case Op::Shl: case Op::Shr: return 11;
    case Op::Lt: case Op::Gt: case Op::Le: case Op::Ge: return 10;
    case Op::Eq: case Op::Ne: return 9;
    case Op::BitAnd: return 8;
    case Op::BitXor: return 7;
    case Op::BitOr: return 6;
    case Op::LogAnd: return 5;
    case Op::LogOr: return 4;
    case Op::Question: case Op::Ternary: return 3;
    case Op::LParen: return 0;
    }
    return 0;
}

bool IsPrefix(Op op)
{
    return Precedence(op) == 14;
}

// The binary operator spelled p, if it is one.
std::optional<Op> BinaryOpOf(std::string_view p)
{
    if (p.empty() || p.size() > 2)
        return std::nullopt;
    const char c = p[0];
    if (p.size() == 1) {
        switch (c) {
        case '*': return Op::Mul;
        case '/': return Op::Div;
        case '%': return Op::Mod;
        case '+': return Op::Add;
        case '-': return Op::Sub;
        case '<': return Op::Lt;
        case '>': return Op::Gt;
        case '&': return Op::BitAnd;
        case '^': return Op::BitXor;
        case '|': return Op::BitOr;
        default: return std::nullopt;
        }
    }
    const char d = p[1];
    if (d == c) {
        switch (c) {
        case '<': return Op::Shl;
        case '>': return Op::Shr;
        case '=': return Op::Eq;
        case '&': return Op::LogAnd;
        case '|': return Op::LogOr;
        default: return std::nullopt;
        }
    }
    if (d != '=')
        return std::nullopt;
    switch (c) {
    case '<': return Op::Le;
    case '>': return Op::Ge;
    case '!': return Op::Ne;
    default: return std::nullopt;
    }
}

std::optional<Value> Signed(IntType t, bool overflow, int64_t r)
{
    if (overflow || (t == IntType::Int && (r < INT32_MIN || r > INT32_MAX)))
        return std::nullopt;
    return Value::Of(t, static_cast<uint64_t>(r));
}

std::optional<Value> ApplyBinary(Op op, Value a, Value b, EvalMode mode)
{
    if (op == Op::Shl || op == Op::Shr) {
        // The result has the left operand's type; the count must fit its width.
        if ((b.IsSigned() && static_cast<int64_t>(b.bits) < 0) || b.bits >= Width(a.type))
            return std::nullopt;
        const unsigned n = static_cast<unsigned>(b.bits);
        if (op == Op::Shl)
            return Value::Of(a.type, a.bits << n);
        return Value::Of(a.type, a.IsSigned() ? static_cast<uint64_t>(static_cast<int64_t>(a.bits) >> n) : a.bits >> n);
    }
    if (op == Op::LogAnd)
        return Truth(!a.IsZero() && !b.IsZero(), mode);
    if (op == Op::LogOr)
        return Truth(!a.IsZero() || !b.IsZero(), mode);

    const IntType t = Common(a.type, b.type);
    a = Convert(a, t);
    b = Convert(b, t);
    const bool isSigned = !IsUnsigned(t);
    const int64_t sa = static_cast<int64_t>(a.bits), sb = static_cast<int64_t>(b.bits);
    int64_t r = 0;
    switch (op) {
    case Op::Mul:
        if (isSigned)
            {
            const bool overflow = __builtin_mul_overflow(sa, sb, &r);
            return Signed(t, overflow, r);
        }
        return Value::Of(t, a.bits * b.bits);
    case Op::Add:
        if (isSigned)
            {
            const bool overflow = __builtin_add_overflow(sa, sb, &r);
            return Signed(t, overflow, r);
        }
        return Value::Of(t, a.bits + b.bits);
    case Op::Sub:
        if (isSigned)
            {
            const bool overflow = __builtin_sub_overflow(sa, sb, &r);
            return Signed(t, overflow, r);
        }
        return Value::Of(t, a.bits - b.bits);
    case Op::Div:
    case Op::Mod:
        if (b.IsZero())
            return std::nullopt;
        if (isSigned) {
            if (sb == -1 && (sa == INT64_MIN || (t == IntType::Int && sa == INT32_MIN)))
                return std::nullopt;
            return Value::Of(t, static_cast<uint64_t>(op == Op::Div ? sa / sb : sa % sb));
        }
        return Value::Of(t, op == Op::Div ? a.bits / b.bits : a.bits % b.bits);
    case Op::Lt: return Truth(isSigned ? sa < sb : a.bits < b.bits, mode);
    case Op::Gt: return Truth(isSigned ? sa > sb : a.bits > b.bits, mode);
    case Op::Le: return Truth(isSigned ? sa <= sb : a.bits <= b.bits, mode);
    case Op::Ge: return Truth(isSigned ? sa >= sb : a.bits >= b.bits, mode);
    case Op::Eq: return Truth(a.bits == b.bits, mode);
    case Op::Ne: return Truth(a.bits != b.bits, mode);
    case Op::BitAnd: return Value::Of(t, a.bits & b.bits);
    case Op::BitXor: return Value::Of(t, a.bits ^ b.bits);
    case Op::BitOr: return Value::Of(t, a.bits | b.bits);
    default: return std::nullopt;
    }
}

std::optional<Value> ApplyPrefix(Op op, Value v, CastType cast, EvalMode mode)
{
    switch (op) {
    case Op::Neg:
        if (v.IsSigned()) {
            const int64_t s = static_cast<int64_t>(v.bits);
            if (s == INT64_MIN || (v.type == IntType::Int && s == INT32_MIN))
                return std::nullopt;
            return Value::Of(v.type, static_cast<uint64_t>(-s));
        }
        return Value::Of(v.type, ~v.bits + 1);
    case Op::Plus: return v;
    case Op::BitNot: return Value::Of(v.type, ~v.bits);
    case Op::LogNot: return Truth(v.IsZero(), mode);
    case Op::Cast: return ApplyCast(v, cast);
    default: return std::nullopt;
    }
}

bool IsMarker(Op op)
{
    return op == Op::LParen || op == Op::Question;
}

}  // namespace

// Pops the top operator and applies it to the value stack.
bool Evaluator::Reduce(EvalMode mode)
{
    std::vector<Value>& values = m_values;
    const PendingOp pending = m_ops.back();
    m_ops.pop_back();
    const Op op = static_cast<Op>(pending.op);
    std::optional<Value> r;
    if (IsPrefix(op)) {
        if (values.empty())
            return false;
        r = ApplyPrefix(op, values.back(), CastType{pending.castWidth, pending.castSigned}, mode);
        values.pop_back();
    } else if (op == Op::Ternary) {
        if (values.size() < 3)
            return false;
        const Value c = values[values.size() - 3], a = values[values.size() - 2], b = values.back();
        values.resize(values.size() - 3);
        const IntType t = Common(a.type, b.type);
        r = Convert(c.IsZero() ? b : a, t);
    } else if (!IsMarker(op)) {
        if (values.size() < 2)
            return false;
        const Value a = values[values.size() - 2], b = values.back();
        values.resize(values.size() - 2);
        r = ApplyBinary(op, a, b, mode);
    }
    if (!r)
        return false;
    // Field by field: r was just written by narrower stores, and a copy of
    // the whole Value reading them back at once stalls.
    Value& result = values.emplace_back();
    result.type = r->type;
    result.bits = r->bits;
    return true;
}

std::optional<Value> ParseIntegerLiteral(std::string_view text)
{
    unsigned base = 10;
    size_t i = 0;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        i = 2;
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'b' || text[1] == 'B')) {
        base = 2;
        i = 2;
    } else if (!text.empty() && text[0] == '0') {
        base = 8;
    }
    const size_t digitsStart = i;
    uint64_t v = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        unsigned d;
        if (c >= '0' && c <= '9')
            d = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = static_cast<unsigned>(c - 'A' + 10);
        else
            break;
        if (d >= base || __builtin_mul_overflow(v, base, &v) || __builtin_add_overflow(v, d, &v))
            return std::nullopt;
    }
    if (i == digitsStart)
        return std::nullopt;

    const std::string_view suffix = text.substr(i);
    bool isUnsigned = false;
    int longs = 0;
    size_t j = 0;
    if (j < suffix.size() && (suffix[j] == 'u' || suffix[j] == 'U')) {
        isUnsigned = true;
        ++j;
    }
    if (suffix.substr(j, 2) == "ll" || suffix.substr(j, 2) == "LL") {
        longs = 2;
        j += 2;
    } else if (j < suffix.size() && (suffix[j] == 'l' || suffix[j] == 'L')) {
        longs = 1;
        ++j;
    }
    if (!isUnsigned && j < suffix.size() && (suffix[j] == 'u' || suffix[j] == 'U')) {
        isUnsigned = true;
        ++j;
    }
    if (j != suffix.size())
        return std::nullopt;

    // The first type of the literal's list that holds the value; long is
    // as wide as int, so it adds nothing to the lists.
    const bool decimal = base == 10;
    if (longs < 2 && v <= kI32Max && !isUnsigned)
        return Value::Of(IntType::Int, v);
    if (longs < 2 && v <= kU32Max && (isUnsigned || !decimal))
        return Value::Of(IntType::UInt, v);
    if (v <= kI64Max && !isUnsigned)
        return Value::Of(IntType::LongLong, v);
    if (isUnsigned || !decimal)
        return Value::Of(IntType::ULongLong, v);
    return std::nullopt;
}

std::optional<Value> ParseCharacterConstant(std::string_view text)
{
    if (text.size() < 3 || text.front() != '\'' || text.back() != '\'')
        return std::nullopt;
    const std::string_view body = text.substr(1, text.size() - 2);
    uint64_t c = 0;
    size_t used = 1;
    if (body[0] != '\\') {
        c = static_cast<unsigned char>(body[0]);
    } else if (body.size() >= 2) {
        static constexpr std::string_view kSimple = "ntvbrfa\\'\"?";
        static constexpr std::string_view kSimpleValues = "\n\t\v\b\r\f\a\\'\"?";
        const char e = body[1];
        used = 2;
        if (kSimple.find(e) != std::string_view::npos) {
            c = static_cast<unsigned char>(kSimpleValues[kSimple.find(e)]);
        } else if (e >= '0' && e <= '7') {
            c = static_cast<uint64_t>(e - '0');
            while (used < body.size() && used < 4 && body[used] >= '0' && body[used] <= '7')
                c = c * 8 + static_cast<uint64_t>(body[used++] - '0');
        } else if (e == 'x') {
            size_t digits = 0;
            for (; used < body.size(); ++used, ++digits) {
                const char h = body[used];
                const int d = h >= '0' && h <= '9' ? h - '0'
                    : h >= 'a' && h <= 'f'         ? h - 'a' + 10
                    : h >= 'A' && h <= 'F'         ? h - 'A' + 10
                                                   : -1;
                if (d < 0)
                    break;
                c = c * 16 + static_cast<uint64_t>(d);
                if (c > 0xFF)
                    return std::nullopt;
            }
            if (digits == 0)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }
    if (used != body.size() || c > 0xFF)
        return std::nullopt;
    // Plain char is signed on this target.
    return Value::Of(IntType::Int, static_cast<uint64_t>(static_cast<int64_t>(static_cast<int8_t>(c))));
}

std::vector<std::string_view> TypeWords()
{
    std::vector<std::string_view> words(std::begin(kKeywords), std::end(kKeywords));
    for (const NamedType& n : kNamedTypes)
        words.push_back(n.name);
    return words;
}

std::optional<Value> Evaluator::Evaluate(const std::vector<ExprToken>& tokens, EvalMode mode)
{
    std::vector<Value>& values = m_values;
    std::vector<PendingOp>& ops = m_ops;
    values.clear();
    ops.clear();
    const auto push = [&ops](Op op, CastType cast = {}) {
        ops.push_back({static_cast<unsigned char>(op), static_cast<unsigned char>(cast.width), cast.isSigned});
    };
    const auto top = [&ops] { return static_cast<Op>(ops.back().op); };
    bool expectOperand = true;
    const size_t n = tokens.size();
    for (size_t i = 0; i < n; ++i) {
        const ExprToken& tok = tokens[i];
        if (tok.kind == ExprToken::Kind::Value) {
            if (!expectOperand)
                return std::nullopt;
            Value v = tok.value;
            if (mode == EvalMode::Condition && Rank(v.type) == 1)
                v = Value::Of(IsUnsigned(v.type) ? IntType::ULongLong : IntType::LongLong, v.bits);
            values.push_back(v);
            expectOperand = false;
            continue;
        }
        if (tok.kind != ExprToken::Kind::Punct)
            return std::nullopt;
        const std::string_view p = tok.text;
        if (expectOperand) {
            if (p == "(") {
                size_t k = i + 1;
                while (k < n && tokens[k].kind == ExprToken::Kind::Name)
                    ++k;
                if (k == i + 1) {
                    push(Op::LParen);
                    continue;
                }
                if (mode != EvalMode::Constant || k == n || tokens[k].kind != ExprToken::Kind::Punct ||
                    tokens[k].text != ")")
                    return std::nullopt;
                const CastType t = ResolveType(&tokens[i + 1], k - i - 1);
                if (t.width == 0)
                    return std::nullopt;
                push(Op::Cast, t);
                i = k;
            } else if (p == "-") {
                push(Op::Neg);
            } else if (p == "+") {
                push(Op::Plus);
            } else if (p == "~") {
                push(Op::BitNot);
            } else if (p == "!") {
                push(Op::LogNot);
            } else {
                return std::nullopt;
            }
            continue;
        }
        if (p == ")") {
            while (!ops.empty() && !IsMarker(top()))
                if (!Reduce(mode))
                    return std::nullopt;
            if (ops.empty() || top() != Op::LParen)
                return std::nullopt;
            ops.pop_back();
            continue;
        }
        if (p == ":") {
            while (!ops.empty() && !IsMarker(top()))
                if (!Reduce(mode))
                    return std::nullopt;
            if (ops.empty() || top() != Op::Question)
                return std::nullopt;
            ops.back().op = static_cast<unsigned char>(Op::Ternary);
            expectOperand = true;
            continue;
        }
        const std::optional<Op> binary = p == "?" ? Op::Question : BinaryOpOf(p);
        if (!binary)
            return std::nullopt;
        const Op op = *binary;
        // ?: groups from the right, every binary operator from the left.
        const int prec = Precedence(op);
        while (!ops.empty() && !IsMarker(top()) &&
               (Precedence(top()) > prec || (op != Op::Question && Precedence(top()) == prec)))
            if (!Reduce(mode))
                return std::nullopt;
        push(op);
        expectOperand = true;
    }
    if (expectOperand)
        return std::nullopt;
    while (!ops.empty()) {
        if (IsMarker(top()) || !Reduce(mode))
            return std::nullopt;
    }
    if (values.size() != 1)
        return std::nullopt;
    return values.back();
}

}  // namespace macro
