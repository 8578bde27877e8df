#include "style/MacroText.h"

#include <cstring>

namespace macro {

namespace {

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
constexpr CharTable kChars;

CharClass Class(char c)
{
    return kChars.cls[static_cast<unsigned char>(c)];
}

bool IsIdentChar(char c)
{
    const CharClass k = Class(c);
    return k == kIdent || k == kDigit;
}

// Skips a character or string literal starting at its quote; returns the
// position just past it, or of the line end if it is unterminated.
const char* SkipLiteral(const char* p, const char* end)
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
size_t PunctuatorLength(const char* p, const char* end)
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

}  // namespace

void SpliceAndStripComments(std::string& text)
{
    // Both passes write at or before the position they read, so they work
    // in place. Plain runs are copied whole.
    size_t from = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    size_t to = 0;
    const size_t n = text.size();
    char* s = text.data();
    const auto next = [s, n](char c, size_t at) {
        const void* hit = std::memchr(s + at, c, n - at);
        return hit ? static_cast<size_t>(static_cast<const char*>(hit) - s) : n;
    };
    size_t backslash = next('\\', from), cr = next('\r', from);
    while (from < n) {
        if (backslash < from)
            backslash = next('\\', from);
        if (cr < from)
            cr = next('\r', from);
        const size_t stop = backslash < cr ? backslash : cr;
        if (to != from)
            std::memmove(s + to, s + from, stop - from);
        to += stop - from;
        from = stop;
        if (from == n)
            break;
        if (s[from] == '\r') {
            if (from + 1 < n && s[from + 1] == '\n')
                ++from;  // the "\n" is copied with the next run
            else
                s[to++] = s[from++];
            continue;
        }
        size_t j = from + 1;
        if (j + 1 < n && s[j] == '\r' && s[j + 1] == '\n')
            ++j;
        if (j < n && s[j] == '\n')
            from = j + 1;
        else
            s[to++] = s[from++];
    }
    text.resize(to);

    const size_t m = text.size();
    s = text.data();
    from = 0;
    to = 0;
    while (from < m) {
        const char c = s[from];
        if (c != '/' && c != '"' && c != '\'') {
            s[to++] = s[from++];
            continue;
        }
        if (c == '"' || c == '\'') {
            const size_t end = static_cast<size_t>(SkipLiteral(s + from, s + m) - s);
            std::memmove(s + to, s + from, end - from);
            to += end - from;
            from = end;
        } else if (from + 1 < m && s[from + 1] == '/') {
            s[to++] = ' ';
            const void* nl = std::memchr(s + from, '\n', m - from);
            from = nl ? static_cast<size_t>(static_cast<const char*>(nl) - s) : m;
        } else if (from + 1 < m && s[from + 1] == '*') {
            s[to++] = ' ';
            const size_t close = std::string_view(s, m).find("*/", from + 2);
            from = close == std::string_view::npos ? m : close + 2;
        } else {
            s[to++] = s[from++];
        }
    }
    text.resize(to);
}

bool NextToken(const char*& pos, const char* end, Token& out)
{
    const char* p = pos;
    while (p < end && Class(*p) == kSpace)
        ++p;
    if (p == end) {
        pos = p;
        return false;
    }
    const char* start = p;
    const CharClass k = Class(*p);
    TokenKind kind;
    if (k == kIdent) {
        while (p < end && IsIdentChar(*p))
            ++p;
        const std::string_view word(start, static_cast<size_t>(p - start));
        kind = TokenKind::Identifier;
        const bool prefix = word == "L" || word == "u" || word == "U" || word == "u8";
        if (prefix && p < end && (*p == '\'' || *p == '"')) {
            const char quote = *p;
            p = SkipLiteral(p, end);
            const bool closed = p[-1] == quote && static_cast<size_t>(p - start) > word.size() + 1;
            kind = !closed ? TokenKind::Other : quote == '\'' ? TokenKind::Character : TokenKind::String;
        }
    } else if (k == kDigit || (*p == '.' && p + 1 < end && Class(p[1]) == kDigit)) {
        for (++p; p < end; ++p) {
            const char d = *p;
            const bool exponentSign =
                (d == '+' || d == '-') && (p[-1] == 'e' || p[-1] == 'E' || p[-1] == 'p' || p[-1] == 'P');
            if (!IsIdentChar(d) && d != '.' && !exponentSign)
                break;
        }
        kind = TokenKind::Number;
    } else if (*p == '\'' || *p == '"') {
        const char quote = *p;
        p = SkipLiteral(p, end);
        const bool closed = p - start >= 2 && p[-1] == quote;
        kind = !closed ? TokenKind::Other : quote == '\'' ? TokenKind::Character : TokenKind::String;
    } else {
        const size_t len = PunctuatorLength(p, end);
        kind = len ? TokenKind::Punctuator : TokenKind::Other;
        p += len ? len : 1;
    }
    out = {kind, std::string_view(start, static_cast<size_t>(p - start))};
    pos = p;
    return true;
}

}  // namespace macro
