#include "style/header/Lexer.h"

namespace header {

namespace {

// The class of each byte, looked up once per byte of every token.
enum CharClass : unsigned char { kOther, kSpace, kIdentifier, kDigit };

struct CharClasses {
    CharClass of[256] = {};

    constexpr CharClasses()
    {
        for (const char c : {' ', '\t', '\n', '\r', '\v', '\f'})
            of[static_cast<unsigned char>(c)] = kSpace;
        for (int c = 'a'; c <= 'z'; ++c)
            of[c] = kIdentifier;
        for (int c = 'A'; c <= 'Z'; ++c)
            of[c] = kIdentifier;
        of[static_cast<unsigned char>('_')] = kIdentifier;
        of[static_cast<unsigned char>('$')] = kIdentifier;
        for (int c = 0x80; c < 256; ++c)
            of[c] = kIdentifier;  // bytes of UTF-8 names
        for (int c = '0'; c <= '9'; ++c)
            of[c] = kDigit;
    }
};

constexpr CharClasses kClasses;

CharClass ClassOf(char c)
{
    return kClasses.of[static_cast<unsigned char>(c)];
}

bool IsSpace(char c)
{
    return ClassOf(c) == kSpace;
}

bool IsDigit(char c)
{
    return ClassOf(c) == kDigit;
}

bool IsIdentifierStart(char c)
{
    return ClassOf(c) == kIdentifier;
}

bool IsIdentifierChar(char c)
{
    return ClassOf(c) == kIdentifier || ClassOf(c) == kDigit;
}

// The length of the punctuator at the start of text, 0 if there is none.
size_t PunctuatorLength(std::string_view text)
{
    const char c = text[0];
    const char next = text.size() > 1 ? text[1] : '\0';
    const char third = text.size() > 2 ? text[2] : '\0';
    switch (c) {
    case '<':
    case '>':
        if (next == c)
            return third == '=' ? 3 : 2;  // << <<= >> >>=
        return next == '=' ? 2 : 1;
    case '.':
        return next == '.' && third == '.' ? 3 : 1;
    case '=': case '!': case '*': case '/': case '%': case '^':
        return next == '=' ? 2 : 1;
    case '&': case '|': case '+':
        return next == c || next == '=' ? 2 : 1;
    case '-':
        return next == '-' || next == '=' || next == '>' ? 2 : 1;
    case '#':
        return next == '#' ? 2 : 1;
    case ':':
        return next == ':' ? 2 : 1;
    case '[': case ']': case '(': case ')': case '{': case '}': case ',': case ';': case '?': case '~':
        return 1;
    default:
        return 0;
    }
}

// A quoted literal is a token only when it is closed on its line.
TokenKind QuotedKind(std::string_view literal, size_t prefixLength)
{
    const char quote = literal[prefixLength];
    const bool closed = literal.size() >= prefixLength + 2 && literal.back() == quote;
    if (!closed)
        return TokenKind::Other;
    return quote == '\'' ? TokenKind::Character : TokenKind::String;
}

size_t NumberLength(std::string_view text)
{
    size_t n = 1;
    for (; n < text.size(); ++n) {
        const char c = text[n];
        const char before = text[n - 1];
        const bool exponentSign =
            (c == '+' || c == '-') && (before == 'e' || before == 'E' || before == 'p' || before == 'P');
        if (!IsIdentifierChar(c) && c != '.' && !exponentSign)
            break;
    }
    return n;
}

}  // namespace

size_t QuotedLength(std::string_view text)
{
    const char quote = text[0];
    for (size_t n = 1; n < text.size(); ++n) {
        if (text[n] == '\n')
            return n;
        if (text[n] == '\\' && n + 1 < text.size() && text[n + 1] != '\n')
            ++n;
        else if (text[n] == quote)
            return n + 1;
    }
    return text.size();
}

bool NextToken(std::string_view& rest, Token& token)
{
    size_t start = 0;
    while (start < rest.size() && IsSpace(rest[start]))
        ++start;
    rest.remove_prefix(start);
    if (rest.empty())
        return false;

    const char c = rest[0];
    size_t length = 1;
    TokenKind kind = TokenKind::Other;
    if (IsIdentifierStart(c)) {
        while (length < rest.size() && IsIdentifierChar(rest[length]))
            ++length;
        kind = TokenKind::Identifier;
        const std::string_view word = rest.substr(0, length);
        const bool prefix = word == "L" || word == "u" || word == "U" || word == "u8";
        if (prefix && length < rest.size() && (rest[length] == '\'' || rest[length] == '"')) {
            length += QuotedLength(rest.substr(length));
            kind = QuotedKind(rest.substr(0, length), word.size());
        }
    } else if (IsDigit(c) || (c == '.' && rest.size() > 1 && IsDigit(rest[1]))) {
        length = NumberLength(rest);
        kind = TokenKind::Number;
    } else if (c == '\'' || c == '"') {
        length = QuotedLength(rest);
        kind = QuotedKind(rest.substr(0, length), 0);
    } else if (const size_t punctuator = PunctuatorLength(rest)) {
        length = punctuator;
        kind = TokenKind::Punctuator;
    }
    token = {kind, rest.substr(0, length)};
    rest.remove_prefix(length);
    return true;
}

}  // namespace header
