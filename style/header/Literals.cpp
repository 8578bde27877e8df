#include "style/header/Literals.h"

namespace header {

namespace {

// The value of a digit in base 16 or below, or -1.
int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

struct Suffix {
    bool isUnsigned = false;
    bool isLongLong = false;
};

// u, l, ll in any valid order and case; nothing for anything else.
std::optional<Suffix> ParseSuffix(std::string_view s)
{
    Suffix suffix;
    const auto takeU = [&s, &suffix] {
        if (!s.empty() && (s[0] == 'u' || s[0] == 'U')) {
            suffix.isUnsigned = true;
            s.remove_prefix(1);
        }
    };
    takeU();
    if (s.substr(0, 2) == "ll" || s.substr(0, 2) == "LL") {
        suffix.isLongLong = true;
        s.remove_prefix(2);
    } else if (!s.empty() && (s[0] == 'l' || s[0] == 'L')) {
        s.remove_prefix(1);  // long is as wide as int
    }
    if (!suffix.isUnsigned)
        takeU();
    if (!s.empty())
        return std::nullopt;
    return suffix;
}

}  // namespace

std::optional<Value> ParseIntegerLiteral(std::string_view text)
{
    unsigned base = 10;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'b' || text[1] == 'B')) {
        base = 2;
        text.remove_prefix(2);
    } else if (!text.empty() && text[0] == '0') {
        base = 8;
    }
    uint64_t v = 0;
    size_t digits = 0;
    for (; digits < text.size(); ++digits) {
        const int d = DigitValue(text[digits]);
        if (d < 0 || (base != 16 && text[digits] > '9'))
            break;
        if (static_cast<unsigned>(d) >= base || __builtin_mul_overflow(v, base, &v) ||
            __builtin_add_overflow(v, static_cast<unsigned>(d), &v))
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    const std::optional<Suffix> suffix = ParseSuffix(text.substr(digits));
    if (!suffix)
        return std::nullopt;

    // The first type of the literal's list that holds the value; decimal
    // literals without u are never unsigned.
    const bool decimal = base == 10;
    if (!suffix->isLongLong && !suffix->isUnsigned && v <= INT32_MAX)
        return Value::Of(PromotedType::Int, v);
    if (!suffix->isLongLong && (suffix->isUnsigned || !decimal) && v <= UINT32_MAX)
        return Value::Of(PromotedType::UInt, v);
    if (!suffix->isUnsigned && v <= INT64_MAX)
        return Value::Of(PromotedType::LongLong, v);
    if (suffix->isUnsigned || !decimal)
        return Value::Of(PromotedType::ULongLong, v);
    return std::nullopt;
}

std::optional<Value> ParseCharacterConstant(std::string_view text)
{
    if (text.size() < 3 || text.front() != '\'' || text.back() != '\'')
        return std::nullopt;
    std::string_view body = text.substr(1, text.size() - 2);
    uint64_t c = 0;
    if (body[0] != '\\') {
        c = static_cast<unsigned char>(body[0]);
        body.remove_prefix(1);
    } else if (body.size() >= 2) {
        static constexpr std::string_view kEscapes = "ntvbrfa\\'\"?";
        static constexpr std::string_view kEscaped = "\n\t\v\b\r\f\a\\'\"?";
        const char e = body[1];
        body.remove_prefix(2);
        if (kEscapes.find(e) != std::string_view::npos) {
            c = static_cast<unsigned char>(kEscaped[kEscapes.find(e)]);
        } else if (e >= '0' && e <= '7') {
            c = static_cast<uint64_t>(e - '0');
            for (int more = 0; more < 2 && !body.empty() && body[0] >= '0' && body[0] <= '7'; ++more) {
                c = c * 8 + static_cast<uint64_t>(body[0] - '0');
                body.remove_prefix(1);
            }
        } else if (e == 'x') {
            size_t digits = 0;
            for (; !body.empty() && DigitValue(body[0]) >= 0; ++digits) {
                c = c * 16 + static_cast<uint64_t>(DigitValue(body[0]));
                body.remove_prefix(1);
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
    if (!body.empty() || c > 0xFF)
        return std::nullopt;
    // Plain char is signed on this target.
    return Value::Of(PromotedType::Int, static_cast<uint64_t>(static_cast<int64_t>(static_cast<int8_t>(c))));
}

std::optional<Value> LiteralValue(const Token& token)
{
    if (token.kind == TokenKind::Number)
        return ParseIntegerLiteral(token.text);
    if (token.kind == TokenKind::Character)
        return ParseCharacterConstant(token.text);
    return std::nullopt;
}

}  // namespace header
