#include "style/MacroText.h"

namespace macro {

namespace {

bool IsIdentStart(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$' || c >= 0x80;
}

bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

bool IsIdentChar(unsigned char c)
{
    return IsIdentStart(c) || IsDigit(c);
}

// Phase 2: line ends become "\n" and backslash-newline pairs disappear.
std::string Splice(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::string out;
    out.reserve(text.size());
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < n && text[i + 1] == '\n')
            continue;
        if (c == '\\') {
            size_t j = i + 1;
            if (j < n && text[j] == '\r' && j + 1 < n && text[j + 1] == '\n')
                ++j;
            if (j < n && text[j] == '\n') {
                i = j;
                continue;
            }
        }
        out.push_back(c);
    }
    return out;
}

// Skips a character or string literal starting at text[i] (the quote);
// returns the index just past it, or of the line end if it is unterminated.
size_t SkipLiteral(std::string_view text, size_t i)
{
    const char quote = text[i];
    for (++i; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n')
            return i;
        if (c == '\\' && i + 1 < text.size() && text[i + 1] != '\n')
            ++i;
        else if (c == quote)
            return i + 1;
    }
    return i;
}

}  // namespace

std::string SpliceAndStripComments(std::string_view text)
{
    std::string spliced = Splice(text);
    const std::string_view s = spliced;
    const size_t n = s.size();
    size_t out = 0;  // the result is never longer: write it in place
    size_t i = 0;
    while (i < n) {
        const char c = s[i];
        if (c == '"' || c == '\'') {
            const size_t end = SkipLiteral(s, i);
            while (i < end)
                spliced[out++] = s[i++];
        } else if (c == '/' && i + 1 < n && s[i + 1] == '/') {
            spliced[out++] = ' ';
            i += 2;
            while (i < n && s[i] != '\n')
                ++i;
        } else if (c == '/' && i + 1 < n && s[i + 1] == '*') {
            spliced[out++] = ' ';
            const size_t close = s.find("*/", i + 2);
            i = close == std::string_view::npos ? n : close + 2;
        } else {
            spliced[out++] = c;
            ++i;
        }
    }
    spliced.resize(out);
    return spliced;
}

void Tokenize(std::string_view line, std::vector<Token>& out)
{
    static constexpr std::string_view kPunct3[] = {"<<=", ">>=", "..."};
    static constexpr std::string_view kPunct2[] = {"<<", ">>", "<=", ">=", "==", "!=", "&&", "||", "++", "--",
                                                   "->", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "##", "::"};
    static constexpr std::string_view kPunct1 = "[](){}.,;:?~!+-*/%<>=&|^#";

    const size_t n = line.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r') {
            ++i;
            continue;
        }
        const size_t start = i;
        if (IsIdentStart(c)) {
            while (i < n && IsIdentChar(static_cast<unsigned char>(line[i])))
                ++i;
            const std::string_view word = line.substr(start, i - start);
            const bool prefix = word == "L" || word == "u" || word == "U" || word == "u8";
            if (prefix && i < n && (line[i] == '\'' || line[i] == '"')) {
                const bool isChar = line[i] == '\'';
                i = SkipLiteral(line, i);
                const bool closed = line[i - 1] == (isChar ? '\'' : '"') && i - start > word.size() + 1;
                out.push_back({closed ? (isChar ? TokenKind::Character : TokenKind::String) : TokenKind::Other,
                               line.substr(start, i - start)});
                continue;
            }
            out.push_back({TokenKind::Identifier, word});
            continue;
        }
        if (IsDigit(c) || (c == '.' && i + 1 < n && IsDigit(static_cast<unsigned char>(line[i + 1])))) {
            ++i;
            while (i < n) {
                const unsigned char d = static_cast<unsigned char>(line[i]);
                const bool exponentSign = (d == '+' || d == '-') &&
                    (line[i - 1] == 'e' || line[i - 1] == 'E' || line[i - 1] == 'p' || line[i - 1] == 'P');
                if (!IsIdentChar(d) && d != '.' && !exponentSign)
                    break;
                ++i;
            }
            out.push_back({TokenKind::Number, line.substr(start, i - start)});
            continue;
        }
        if (c == '\'' || c == '"') {
            i = SkipLiteral(line, i);
            const bool closed = i - start >= 2 && line[i - 1] == static_cast<char>(c);
            out.push_back({closed ? (c == '\'' ? TokenKind::Character : TokenKind::String) : TokenKind::Other,
                           line.substr(start, i - start)});
            continue;
        }
        size_t len = 0;
        for (std::string_view p : kPunct3)
            if (line.substr(i, 3) == p)
                len = 3;
        if (len == 0)
            for (std::string_view p : kPunct2)
                if (line.substr(i, 2) == p)
                    len = 2;
        if (len == 0 && kPunct1.find(static_cast<char>(c)) != std::string_view::npos)
            len = 1;
        const TokenKind kind = len ? TokenKind::Punctuator : TokenKind::Other;
        i += len ? len : 1;
        out.push_back({kind, line.substr(start, i - start)});
    }
}

}  // namespace macro
