#include "style/MacroText.h"

#include <algorithm>
#include <cstring>

namespace macro {

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

    // Comments: only '/' can start one, and a quote starts a literal that
    // may hold "//" or "/*". The text between them is copied as a run.
    const size_t m = text.size();
    s = text.data();
    from = 0;
    to = 0;
    const auto find = [s, m](char c, size_t at) {
        const void* hit = std::memchr(s + at, c, m - at);
        return hit ? static_cast<size_t>(static_cast<const char*>(hit) - s) : m;
    };
    size_t slash = find('/', 0), dquote = find('"', 0), squote = find('\'', 0);
    while (from < m) {
        if (slash < from)
            slash = find('/', from);
        if (dquote < from)
            dquote = find('"', from);
        if (squote < from)
            squote = find('\'', from);
        const size_t stop = std::min({slash, dquote, squote});
        if (to != from)
            std::memmove(s + to, s + from, stop - from);
        to += stop - from;
        from = stop;
        if (from == m)
            break;
        const char c = s[from];
        if (c == '"' || c == '\'') {
            const size_t end = static_cast<size_t>(lex::SkipLiteral(s + from, s + m) - s);
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

}  // namespace macro
