// The text layer of the C-header reader: the first phases of a C compiler
// (line splicing, comments) and a lexer for preprocessing tokens.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace macro {

// Rewrites text in place as a compiler sees it before directives are read:
// every backslash-newline removed, every comment replaced by one space, "\r"
// before "\n" dropped, a UTF-8 byte order mark at the start dropped. One
// line of the result is one logical line.
void SpliceAndStripComments(std::string& text);

enum class TokenKind : unsigned char {
    Identifier,
    Number,     // a preprocessing number: 12, 0x1Fu, 1.5e3, 08 ...
    Character,  // 'a', L'a' (prefix included)
    String,     // "text", L"text"
    Punctuator,
    Other,      // any other byte: stray '\', '@', bytes of binary files
};

struct Token {
    TokenKind kind = TokenKind::Other;
    std::string_view text;

    bool Is(std::string_view punct) const { return kind == TokenKind::Punctuator && text == punct; }
};

// The lexer's helpers, in the header with NextToken.
namespace lex {

enum CharClass : unsigned char { kOther, kSpace, kIdent, kDigit };

struct CharTable {
    CharClass cls[256];
    constexpr CharTable() : cls()
    {
        for (int c = 0; c < 256; ++c)
            cls[c] = kOther;
        for (const char c : {' ', '\t', '\v', '\f', '\r', '\n'})
            cls[static_cast<unsigned char>(c)] = kSpace;
        for (int c = 'a'; c <= 'z'; ++c)
            cls[c] = kIdent;
        for (int c = 'A'; c <= 'Z'; ++c)
            cls[c] = kIdent;
        for (int c = 0x80; c < 256; ++c)
            cls[c] = kIdent;  // UTF-8 in names
        cls[static_cast<unsigned char>('_')] = kIdent;
        cls[static_cast<unsigned char>('$')] = kIdent;
        for (int c = '0'; c <= '9'; ++c)
            cls[c] = kDigit;
    }
};
inline constexpr CharTable kChars;

inline CharClass Class(char c)
{
    return kChars.cls[static_cast<unsigned char>(c)];
}

inline bool IsIdentChar(char c)
{
    const CharClass k = Class(c);
    return k == kIdent || k == kDigit;
}

// Skips a character or string literal starting at its quote; returns the
// position just past it, or of the line end if it is unterminated.
inline const char* SkipLiteral(const char* p, const char* end)
{
    const char quote = *p;
    for (++p; p < end; ++p) {
        if (*p == '\n')
            return p;
        if (*p == '\\' && p + 1 < end && p[1] != '\n')
            ++p;
        else if (*p == quote)
            return p + 1;
    }
    return p;
}

// The length of the punctuator at p (0 if there is none).
inline size_t PunctuatorLength(const char* p, const char* end)
{
    const char c = p[0];
    const char n = p + 1 < end ? p[1] : '\0';
    switch (c) {
    case '<':
    case '>':
        if (n == c)
            return p + 2 < end && p[2] == '=' ? 3 : 2;
        return n == '=' ? 2 : 1;
    case '.':
        return n == '.' && p + 2 < end && p[2] == '.' ? 3 : 1;
    case '=': case '!': case '*': case '/': case '%': case '^':
        return n == '=' ? 2 : 1;
    case '&': case '|': case '+':
        return n == c || n == '=' ? 2 : 1;
    case '-':
        return n == '-' || n == '=' || n == '>' ? 2 : 1;
    case '#':
        return n == '#' ? 2 : 1;
    case ':':
        return n == ':' ? 2 : 1;
    case '[': case ']': case '(': case ')': case '{': case '}': case ',': case ';': case '?': case '~':
        return 1;
    default:
        return 0;
    }
}

}  // namespace lex

// Reads the token at pos, skipping white space before it (line ends
// included), and moves pos past it. False when only white space is left.
// Always inlined: the reader calls it for every token, and reading back a
// token that a call stored through memory stalls the processor; inlined,
// the token stays in registers (a seventh of the reading time).
[[gnu::always_inline]] inline bool NextToken(const char*& pos, const char* end, Token& out)
{
    const char* p = pos;
    while (p < end && lex::Class(*p) == lex::kSpace)
        ++p;
    if (p == end) {
        pos = p;
        return false;
    }
    const char* start = p;
    const lex::CharClass k = lex::Class(*p);
    TokenKind kind;
    if (k == lex::kIdent) {
        while (p < end && lex::IsIdentChar(*p))
            ++p;
        const std::string_view word(start, static_cast<size_t>(p - start));
        kind = TokenKind::Identifier;
        const bool prefix = word == "L" || word == "u" || word == "U" || word == "u8";
        if (prefix && p < end && (*p == '\'' || *p == '"')) {
            const char quote = *p;
            p = lex::SkipLiteral(p, end);
            const bool closed = p[-1] == quote && static_cast<size_t>(p - start) > word.size() + 1;
            kind = !closed ? TokenKind::Other : quote == '\'' ? TokenKind::Character : TokenKind::String;
        }
    } else if (k == lex::kDigit || (*p == '.' && p + 1 < end && lex::Class(p[1]) == lex::kDigit)) {
        for (++p; p < end; ++p) {
            const char d = *p;
            const bool exponentSign =
                (d == '+' || d == '-') && (p[-1] == 'e' || p[-1] == 'E' || p[-1] == 'p' || p[-1] == 'P');
            if (!lex::IsIdentChar(d) && d != '.' && !exponentSign)
                break;
        }
        kind = TokenKind::Number;
    } else if (*p == '\'' || *p == '"') {
        const char quote = *p;
        p = lex::SkipLiteral(p, end);
        const bool closed = p - start >= 2 && p[-1] == quote;
        kind = !closed ? TokenKind::Other : quote == '\'' ? TokenKind::Character : TokenKind::String;
    } else {
        const size_t len = lex::PunctuatorLength(p, end);
        kind = len ? TokenKind::Punctuator : TokenKind::Other;
        p += len ? len : 1;
    }
    out = {kind, std::string_view(start, static_cast<size_t>(p - start))};
    pos = p;
    return true;
}


}  // namespace macro
