#include "browse/DocumentDiff.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <string>
#include <unordered_map>
#include <utility>

#include "browse/NodeLabels.h"

namespace {

constexpr uint32_t kNone = std::numeric_limits<uint32_t>::max();

// The rows whose conventional value a writer takes from where things lie in
// the file and how many there are (docs/sty-format.md): one resource
// inserted changes them on every node after it and on its parent, which the
// added node already says.
bool IsLayoutRow(const char* name)
{
    static constexpr const char* kLayoutRows[] = {"offset",     "size",    "child offset", "pic offset",
                                                  "frames num", "res num", "scene num"};
    return std::any_of(std::begin(kLayoutRows), std::end(kLayoutRows),
                       [name](const char* layout) { return std::strcmp(name, layout) == 0; });
}

// The nodes of the file and its scenes, or of one scene and everything in
// it, in the walk's order, each with the end of its subtree: the children
// of node i are i + 1, then each next one where the one before it ends, up
// to the end of i. A region's frames are counted on it rather than kept: a
// document may hold many more frames than resources. Node and subtree
// counts fit 32 bits: a file is at most 4 GiB and no two blocks overlap.
class FlatTree : private BrowseVisitor {
public:
    explicit FlatTree(const StyleFile& file) : m_scenesOnly(true) { WalkDocument(file, *this); }
    explicit FlatTree(const Scene& scene) { WalkScene(scene, *this); }

    uint32_t End(uint32_t i) const { return m_nodes[i].end; }
    uint32_t Frames(uint32_t i) const { return m_nodes[i].frames; }
    NodeKind Kind(uint32_t i) const { return m_nodes[i].kind; }

    BrowseNode Node(uint32_t i) const
    {
        const Entry& entry = m_nodes[i];
        BrowseNode node;
        node.kind = entry.kind;
        node.depth = entry.depth;
        switch (entry.kind) {
        case NodeKind::File:
            node.header = static_cast<const StyleHeader*>(entry.object);
            break;
        case NodeKind::Scene:
            node.scene = static_cast<const Scene*>(entry.object);
            break;
        case NodeKind::ResGroup:
        case NodeKind::PicRegion:
        case NodeKind::Pic:
        case NodeKind::String:
        case NodeKind::Frame:
            node.res = static_cast<const Res*>(entry.object);
            break;
        }
        return node;
    }

    // Frame k of region node i, as the walk gives it.
    BrowseNode FrameNode(uint32_t i, uint32_t k) const
    {
        BrowseNode node = Node(i);
        node.kind = NodeKind::Frame;
        node.depth += 1;
        node.frame = k;
        return node;
    }

private:
    struct Entry {
        const void* object;  // the StyleHeader, Scene or Res, as kind says
        uint32_t end;
        uint32_t frames;
        uint32_t depth;
        NodeKind kind;
    };

    bool Enter(const BrowseNode& node) override
    {
        if (node.kind == NodeKind::Frame) {
            ++m_nodes[m_open.back()].frames;
            return false;
        }
        const void* object = node.res;
        if (node.kind == NodeKind::File)
            object = node.header;
        else if (node.kind == NodeKind::Scene)
            object = node.scene;
        const uint32_t index = static_cast<uint32_t>(m_nodes.size());
        m_nodes.push_back(Entry{object, index + 1, 0, node.depth, node.kind});
        if (m_scenesOnly && node.kind == NodeKind::Scene)
            return false;
        m_open.push_back(index);
        return true;
    }

    void Leave(const BrowseNode&) override
    {
        m_nodes[m_open.back()].end = static_cast<uint32_t>(m_nodes.size());
        m_open.pop_back();
    }

    std::vector<Entry> m_nodes;
    std::vector<uint32_t> m_open;  // the nodes entered and not yet left
    bool m_scenesOnly = false;     // the scenes' own nodes only, not what lies in them
};

// The labels of one list of siblings, in one buffer rather than a string
// each: a scene may hold a million resources side by side.
class LabelList {
public:
    void Add(const CString& label)
    {
        m_text += label.GetString();
        m_ends.push_back(m_text.size());
    }
    // Valid until the next Add.
    std::string_view operator[](size_t i) const
    {
        const size_t begin = i == 0 ? 0 : m_ends[i - 1];
        return std::string_view(m_text).substr(begin, m_ends[i] - begin);
    }

private:
    std::string m_text;
    std::vector<size_t> m_ends;
};

// The children of one of two matched nodes, and how they match the other's.
struct Siblings {
    std::vector<uint32_t> nodes;  // indexes in their tree
    LabelList labels;
    std::vector<uint32_t> occurrence;  // among the siblings with the same label, from 1
    std::vector<uint32_t> match;       // the position of the other's child it matches, or kNone
    std::vector<uint32_t> rank;        // its index among the matched siblings

    size_t size() const { return nodes.size(); }
    DiffStep Step(size_t k) const { return DiffStep{labels[k], occurrence[k]}; }
};

class DocumentDiffer {
public:
    DocumentDiffer(const MacroNameIndex& names, const DiffOptions& options, DiffSink& sink)
        : m_names(names), m_options(options), m_sink(sink)
    {
    }

    void Run(const StyleFile& before, const StyleFile& after)
    {
        const FlatTree a(before);
        const FlatTree b(after);
        if (RowsDiffer(a.Node(0), b.Node(0)))
            Report(DiffChange::Changed, b.Node(0), m_rows);
        DiffChildren(a, 0, b, 0);
    }

private:
    void Report(DiffChange change, const BrowseNode& node, const std::vector<RowChange>& rows, size_t from = 0,
                size_t to = 0)
    {
        m_sink.Report(Difference{change, m_path, node, rows, from, to});
    }

    // The children of a's node i and b's node j, which match each other.
    void DiffChildren(const FlatTree& a, uint32_t i, const FlatTree& b, uint32_t j)
    {
        if (a.End(i) == i + 1 && b.End(j) == j + 1)
            return;
        Siblings before = ChildrenOf(a, i);
        Siblings after = ChildrenOf(b, j);
        Match(a, before, b, after);

        // Each removed child follows the child of b that matches the last
        // matched one before it in a: (that child's position + 1, or 0 for
        // none; its own position).
        std::vector<std::pair<uint32_t, uint32_t>> removed;
        uint32_t anchor = 0;
        for (uint32_t k = 0; k < before.size(); ++k) {
            if (before.match[k] != kNone)
                anchor = before.match[k] + 1;
            else
                removed.emplace_back(anchor, k);
        }
        std::stable_sort(removed.begin(), removed.end(),
                         [](const auto& x, const auto& y) { return x.first < y.first; });
        auto next = removed.cbegin();
        const auto reportRemovedAt = [&](uint32_t at) {
            for (; next != removed.cend() && next->first == at; ++next) {
                m_path.push_back(before.Step(next->second));
                Report(DiffChange::Removed, a.Node(before.nodes[next->second]), m_noRows);
                m_path.pop_back();
            }
        };

        reportRemovedAt(0);
        for (uint32_t k = 0; k < after.size(); ++k) {
            m_path.push_back(after.Step(k));
            const uint32_t other = after.match[k];
            if (other == kNone)
                Report(DiffChange::Added, b.Node(after.nodes[k]), m_noRows);
            else
                DiffMatched(a, before.nodes[other], b, after.nodes[k], before.rank[other], after.rank[k]);
            m_path.pop_back();
            reportRemovedAt(k + 1);
        }
    }

    Siblings ChildrenOf(const FlatTree& tree, uint32_t i) const
    {
        Siblings children;
        for (uint32_t child = i + 1; child < tree.End(i); child = tree.End(child)) {
            children.nodes.push_back(child);
            children.labels.Add(BrowseLabel(tree.Node(child), m_names, CString()));
        }
        children.occurrence.resize(children.size());
        children.match.assign(children.size(), kNone);
        children.rank.assign(children.size(), kNone);
        return children;
    }

    // The k-th child of a with a label matches the k-th child of b with the
    // same label, found by hashing the labels; a pair of different kinds
    // does not match.
    static void Match(const FlatTree& a, Siblings& before, const FlatTree& b, Siblings& after)
    {
        struct Chain {
            uint32_t next = kNone;  // the child of a that the next child of b with this label matches
            uint32_t last = kNone;  // the last child of a with this label
            uint32_t beforeCount = 0;
            uint32_t afterCount = 0;
        };
        std::unordered_map<std::string_view, Chain> chains;
        chains.reserve(before.size());
        std::vector<uint32_t> nextSame(before.size(), kNone);  // the next child of a with the same label
        for (uint32_t k = 0; k < before.size(); ++k) {
            Chain& chain = chains[before.labels[k]];
            before.occurrence[k] = ++chain.beforeCount;
            if (chain.last == kNone)
                chain.next = k;
            else
                nextSame[chain.last] = k;
            chain.last = k;
        }
        for (uint32_t k = 0; k < after.size(); ++k) {
            Chain& chain = chains[after.labels[k]];
            after.occurrence[k] = ++chain.afterCount;
            const uint32_t other = chain.next;
            if (other == kNone)
                continue;
            chain.next = nextSame[other];
            if (a.Kind(before.nodes[other]) != b.Kind(after.nodes[k]))
                continue;
            before.match[other] = k;
            after.match[k] = other;
        }
        for (Siblings* side : {&before, &after}) {
            uint32_t rank = 0;
            for (uint32_t k = 0; k < side->size(); ++k)
                if (side->match[k] != kNone)
                    side->rank[k] = rank++;
        }
    }

    // Node i of a and node j of b match; the path names them.
    void DiffMatched(const FlatTree& a, uint32_t i, const FlatTree& b, uint32_t j, size_t from, size_t to)
    {
        const BrowseNode before = a.Node(i);
        const BrowseNode after = b.Node(j);
        if (from != to)
            Report(DiffChange::Moved, after, m_noRows, from, to);
        if (RowsDiffer(before, after))
            Report(DiffChange::Changed, after, m_rows);
        switch (after.kind) {
        case NodeKind::Scene: {
            const FlatTree sceneA(*before.scene);
            const FlatTree sceneB(*after.scene);
            DiffChildren(sceneA, 0, sceneB, 0);
            break;
        }
        case NodeKind::PicRegion:
            DiffFrames(a, i, b, j);
            break;
        case NodeKind::File:
        case NodeKind::ResGroup:
        case NodeKind::Pic:
        case NodeKind::String:
        case NodeKind::Frame:
            DiffChildren(a, i, b, j);
            break;
        }
    }

    // Frames match by index; the rows a frame shows of its region are the
    // region's and are compared there only. That leaves a frame its pic id
    // (FrameRows), so only frames whose pic ids differ have rows to compare:
    // a large document has tens of millions of frames.
    void DiffFrames(const FlatTree& a, uint32_t i, const FlatTree& b, uint32_t j)
    {
        const uint32_t countA = a.Frames(i);
        const uint32_t countB = b.Frames(j);
        const uint32_t common = std::min(countA, countB);
        const uint16_t* picsA = a.Node(i).res->frames.data();
        const uint16_t* picsB = b.Node(j).res->frames.data();
        for (uint32_t k = 0; k < common; ++k) {
            if (picsA[k] == picsB[k])
                continue;
            const BrowseNode after = b.FrameNode(j, k);
            if (RowsDiffer(a.FrameNode(i, k), after))
                ReportFrame(DiffChange::Changed, after, m_rows);
        }
        for (uint32_t k = common; k < countB; ++k)
            ReportFrame(DiffChange::Added, b.FrameNode(j, k), m_noRows);
        for (uint32_t k = common; k < countA; ++k)
            ReportFrame(DiffChange::Removed, a.FrameNode(i, k), m_noRows);
    }

    void ReportFrame(DiffChange change, const BrowseNode& frame, const std::vector<RowChange>& rows)
    {
        const CString label = BrowseLabel(frame, m_names, CString());
        m_path.push_back(DiffStep{label.GetString(), 1});
        Report(change, frame, rows);
        m_path.pop_back();
    }

    // Fills m_rows with the compared rows that differ between two nodes of
    // the same kind; true if there are any.
    bool RowsDiffer(const BrowseNode& before, const BrowseNode& after)
    {
        const uint32_t compared = ComparedRows(after);
        m_rows.clear();
        if (compared == 0)
            return false;
        const PropertyRows rowsA = BrowseRows(before);
        const PropertyRows rowsB = BrowseRows(after);
        for (size_t r = 0; r < rowsB.size(); ++r)
            if ((compared >> r & 1) != 0 && rowsA[r].value != rowsB[r].value)
                m_rows.push_back(RowChange{rowsA[r], rowsB[r]});
        return !m_rows.empty();
    }

    // Which rows of a node of this one's kind are compared, one bit per row.
    // Each kind has its fixed list of rows, so this is worked out once.
    uint32_t ComparedRows(const BrowseNode& node)
    {
        static_assert(PropertyRows::kMaxRows <= 32);
        const size_t kind = static_cast<size_t>(node.kind);
        if (m_comparedKnown[kind])
            return m_compared[kind];
        const PropertyRows rows = BrowseRows(node);
        PropertyRows regionRows;
        if (node.kind == NodeKind::Frame) {
            BrowseNode region = node;
            region.kind = NodeKind::PicRegion;
            regionRows = BrowseRows(region);
        }
        uint32_t compared = 0;
        for (size_t r = 0; r < rows.size(); ++r) {
            const char* name = rows[r].name;
            const bool region = std::any_of(regionRows.begin(), regionRows.end(), [name](const PropertyRow& row) {
                return std::strcmp(row.name, name) == 0;
            });
            if (!region && (m_options.layoutRows || !IsLayoutRow(name)))
                compared |= uint32_t{1} << r;
        }
        m_comparedKnown[kind] = true;
        m_compared[kind] = compared;
        return compared;
    }

    const MacroNameIndex& m_names;
    const DiffOptions m_options;
    DiffSink& m_sink;
    DiffPath m_path;
    std::vector<RowChange> m_rows;  // the rows RowsDiffer found
    const std::vector<RowChange> m_noRows;
    std::array<uint32_t, 7> m_compared{};
    std::array<bool, 7> m_comparedKnown{};
};

}  // namespace

void DiffDocuments(const StyleFile& before, const StyleFile& after, const MacroNameIndex& names,
                   const DiffOptions& options, DiffSink& sink)
{
    DocumentDiffer(names, options, sink).Run(before, after);
}
