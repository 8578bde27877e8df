#include "style/header/LogicalLines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

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
// a backslash with the line end after it goes, its place noted in splices.
// The text only shrinks, so the bytes not yet read stay where they were.
void JoinLines(std::string& text, std::vector<uint32_t>& splices)
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
            splices.push_back(static_cast<uint32_t>(to));
        } else {
            text[to++] = text[from++];
        }
    }
    text.resize(to);
}

// The places of line ends that went, carried from the text before a pass
// to the text after it: a run the pass moves keeps them, a comment it turns
// into one space puts them after that space.
class JoinCarrier {
public:
    JoinCarrier(const std::vector<uint32_t>& before, std::vector<uint32_t>& after) : m_before(before), m_after(after) {}

    // The text [from, end) before the pass became [to, ...) after it.
    void Moved(size_t from, size_t end, size_t to)
    {
        for (; m_next < m_before.size() && m_before[m_next] < end; ++m_next)
            m_after.push_back(static_cast<uint32_t>(to + (m_before[m_next] - from)));
    }
    // The text [from, end) became one space at to; newlines are the line
    // ends it held.
    void Collapsed(size_t from, size_t end, size_t to, size_t newlines)
    {
        Moved(from, from + 1, to);
        for (; m_next < m_before.size() && m_before[m_next] < end; ++m_next)
            m_after.push_back(static_cast<uint32_t>(to + 1));
        m_after.insert(m_after.end(), newlines, static_cast<uint32_t>(to + 1));
    }
    // What is left went at the end of the text.
    void Finish(size_t to)
    {
        m_after.insert(m_after.end(), m_before.size() - m_next, static_cast<uint32_t>(to));
        m_next = m_before.size();
    }

private:
    const std::vector<uint32_t>& m_before;
    std::vector<uint32_t>& m_after;
    size_t m_next = 0;
};

// A quote starts a literal that may hold "//" or "/*"; a literal ends at the
// line end if it is not closed before.
void ReplaceComments(std::string& text, JoinCarrier& joins)
{
    size_t from = 0;
    size_t to = 0;
    const auto move = [&text, &joins, &from, &to](size_t length) {
        joins.Moved(from, from + length, to);
        MoveRun(text, to, from, length);
    };
    NextByte slash(text, '/'), quote(text, '"'), apostrophe(text, '\'');
    while (from < text.size()) {
        const size_t stop = std::min({slash.At(from), quote.At(from), apostrophe.At(from)});
        move(stop - from);
        if (from == text.size())
            break;
        const char next = from + 1 < text.size() ? text[from + 1] : '\0';
        if (text[from] != '/') {
            move(QuotedLength(std::string_view(text).substr(from)));
        } else if (next == '/' || next == '*') {
            size_t end = text.size();
            if (next == '/') {
                end = std::min(text.find('\n', from), text.size());
            } else if (const size_t close = text.find("*/", from + 2); close != std::string::npos) {
                end = close + 2;
            }
            const auto newlines = static_cast<size_t>(std::count(text.begin() + from, text.begin() + end, '\n'));
            joins.Collapsed(from, end, to, newlines);
            text[to++] = ' ';
            from = end;
        } else {
            move(1);
        }
    }
    joins.Finish(to);
    text.resize(to);
}

}  // namespace

uint32_t LineMap::LineOf(std::string_view text, size_t offset)
{
    if (offset < m_offset) {
        m_offset = m_join = 0;
        m_line = 1;
    }
    m_line += static_cast<uint32_t>(std::count(text.begin() + m_offset, text.begin() + offset, '\n'));
    for (; m_join < m_joins.size() && m_joins[m_join] <= offset; ++m_join)
        ++m_line;
    m_offset = offset;
    return m_line;
}

LineMap ToLogicalLines(std::string& text)
{
    std::vector<uint32_t> splices, joins;
    JoinLines(text, splices);
    JoinCarrier carrier(splices, joins);
    ReplaceComments(text, carrier);
    return LineMap(std::move(joins));
}

}  // namespace header
