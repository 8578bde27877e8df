#include "browse/NodeIndex.h"

#include <optional>

namespace {

class SubtreeVisitor : public BrowseVisitor {
public:
    SubtreeVisitor(size_t top, const std::function<void(const BrowseNode&, size_t)>& visit) : m_top(top), m_visit(visit)
    {
    }

    bool Enter(const BrowseNode& node) override
    {
        if (m_done)
            return false;
        const size_t index = m_next++;
        if (!m_topDepth && index == m_top)
            m_topDepth = node.depth;
        if (m_topDepth)
            m_visit(node, index);
        return true;
    }

    // Below the top every node is deeper: the first node to leave at the
    // top's depth is the top itself.
    void Leave(const BrowseNode& node) override
    {
        if (m_topDepth && node.depth == *m_topDepth)
            m_done = true;
    }

private:
    const size_t m_top;
    const std::function<void(const BrowseNode&, size_t)>& m_visit;
    size_t m_next = 0;
    std::optional<uint32_t> m_topDepth;  // set while inside the subtree
    bool m_done = false;
};

}  // namespace

void WalkSubtree(const StyleFile& file, size_t top, const std::function<void(const BrowseNode&, size_t)>& visit)
{
    SubtreeVisitor visitor(top, visit);
    WalkDocument(file, visitor);
}

std::vector<size_t> NodesWithChildren(const StyleFile& file, size_t top)
{
    std::vector<size_t> parents;
    // A node has children when the node after it is deeper.
    std::optional<size_t> previous;
    uint32_t previousDepth = 0;
    WalkSubtree(file, top, [&](const BrowseNode& node, size_t index) {
        if (previous && node.depth > previousDepth)
            parents.push_back(*previous);
        previous = index;
        previousDepth = node.depth;
    });
    return parents;
}
