#include "style/header/LogicalLines.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "style/header/Lexer.h"

namespace header {

namespace {

// Where the next of one byte is, at or after a read position that only
// moves forward. Each byte of the text is searched once, so the passes
// below copy the runs between the bytes they care about whole: most of a
// header is such runs.
class NextByte {
public:
    NextByte(const std::string& text, char c) : m_text(text), m_byte(c) {}

    size_t At(size_t from)
    {
        if (m_at < from || m_at == kNotSearched) {
            const void* hit = std::memchr(m_text.data() + from, m_byte, m_text.size() - from);
            m_at = hit ? static_cast<size_t>(static_cast<const char*>(hit) - m_text.data()) : m_text.size();
        }
        return m_at;
    }

private:
    static constexpr size_t kNotSearched = static_cast<size_t>(-1);
    const std::string& m_text;
    char m_byte;
    size_t m_at = kNotSearched;
};

// Moves text[from, from + length) to text[to, ...); to is never after from.
void MoveRun(std::string& text, size_t& to, size_t& from, size_t length)
{
    if (to != from)
        std::memmove(&text[to], &text[from], length);
    to += length;
    from += length;
}

// The length of the line end at text[at], 0 if there is none there.
size_t LineEndLength(const std::string& text, size_t at)
{
    if (at < text.size() && text[at] == '\n')
        return 1;
    if (at < text.size() && text[at] == '\r')
        return at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
    return 0;
}

// Line ends and line splicing in one pass: every line end becomes LF, and
// a backslash with the line end after it goes. The text only shrinks, so
// the bytes not yet read stay where they were.
void JoinLines(std::string& text)
{
    size_t from = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    size_t to = 0;
    NextByte backslash(text, '\\'), cr(text, '\r');
    while (from < text.size()) {
        const size_t stop = std::min(backslash.At(from), cr.At(from));
        MoveRun(text, to, from, stop - from);
        if (from == text.size())
            break;
        if (text[from] == '\r') {
            from += LineEndLength(text, from);
            text[to++] = '\n';
        } else if (const size_t lineEnd = LineEndLength(text, from + 1)) {
            from += 1 + lineEnd;
        } else {
            text[to++] = text[from++];
        }
    }
    text.resize(to);
}

// A quote starts a literal that may hold "//" or "/*"; a literal ends at the
// line end if it is not closed before.
void ReplaceComments(std::string& text)
{
    size_t from = 0;
    size_t to = 0;
    NextByte slash(text, '/'), quote(text, '"'), apostrophe(text, '\'');
    while (from < text.size()) {
        const size_t stop = std::min({slash.At(from), quote.At(from), apostrophe.At(from)});
        MoveRun(text, to, from, stop - from);
        if (from == text.size())
            break;
        const char next = from + 1 < text.size() ? text[from + 1] : '\0';
        if (text[from] != '/') {
            MoveRun(text, to, from, QuotedLength(std::string_view(text).substr(from)));
        } else if (next == '/') {
            text[to++] = ' ';
            const size_t lineEnd = text.find('\n', from);
            from = lineEnd == std::string::npos ? text.size() : lineEnd;
        } else if (next == '*') {
            text[to++] = ' ';
            const size_t close = text.find("*/", from + 2);
            from = close == std::string::npos ? text.size() : close + 2;
        } else {
            text[to++] = text[from++];
        }
    }
    text.resize(to);
}

}  // namespace

void ToLogicalLines(std::string& text)
{
    JoinLines(text);
    ReplaceComments(text);
}

}  // namespace header
