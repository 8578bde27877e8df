#include "browse/NodeFind.h"

#include <limits>

namespace {

constexpr size_t kEnd = std::numeric_limits<size_t>::max();

// Tries the nodes whose index lies in [first, last] and keeps the first
// match, or the last one.
class RangeSearch : public BrowseVisitor {
public:
    enum class Keep { First, Last };

    RangeSearch(const MacroNameIndex& names, const CString& fileTitle, const NodeMatcher& matcher, size_t first,
                size_t last, Keep keep)
        : m_names(names), m_fileTitle(fileTitle), m_matcher(matcher), m_first(first), m_last(last), m_keep(keep)
    {
    }

    bool Enter(const BrowseNode& node) override
    {
        if (m_done)
            return false;
        const size_t index = m_next++;
        if (index < m_first)
            return true;
        if (m_matcher.Matches(node, BrowseLabel(node, m_names, m_fileTitle).GetString())) {
            m_found = index;
            m_done = m_keep == Keep::First;
        }
        m_done = m_done || index == m_last;
        return !m_done;
    }

    std::optional<size_t> Found() const { return m_found; }

private:
    const MacroNameIndex& m_names;
    const CString& m_fileTitle;
    const NodeMatcher& m_matcher;
    const size_t m_first;
    const size_t m_last;
    const Keep m_keep;
    size_t m_next = 0;
    bool m_done = false;
    std::optional<size_t> m_found;
};

}  // namespace

std::optional<size_t> FindNode(const StyleFile& file, const MacroNameIndex& names, const CString& fileTitle,
                               const NodeMatcher& matcher, std::optional<size_t> from, FindDirection direction)
{
    const auto search = [&](size_t first, size_t last, RangeSearch::Keep keep) {
        RangeSearch visitor(names, fileTitle, matcher, first, last, keep);
        WalkDocument(file, visitor);
        return visitor.Found();
    };
    if (direction == FindDirection::Down) {
        if (!from)
            return search(0, kEnd, RangeSearch::Keep::First);
        if (const std::optional<size_t> after = search(*from + 1, kEnd, RangeSearch::Keep::First))
            return after;
        return search(0, *from, RangeSearch::Keep::First);
    }
    if (!from)
        return search(0, kEnd, RangeSearch::Keep::Last);
    if (*from > 0)
        if (const std::optional<size_t> before = search(0, *from - 1, RangeSearch::Keep::Last))
            return before;
    return search(*from, kEnd, RangeSearch::Keep::Last);
}
