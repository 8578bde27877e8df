#include "browse/SceneLayout.h"

#include <algorithm>

#include "browse/DocumentWalk.h"

namespace {

// A resource's place relative to the group holding it, and its own flag.
struct ResBox {
    int64_t x, y;
    int64_t width, height;
    bool visible;
};

template <class Record>
ResBox BoxOf(const Record& record)
{
    return {record.x, record.y, record.width, record.height, record.visible != 0};
}

ResBox BoxOf(const BrowseNode& node)
{
    switch (node.kind) {
    case NodeKind::ResGroup:
        return BoxOf(node.res->GetRecord<ResGroupInfo>());
    case NodeKind::PicRegion:
        return BoxOf(node.res->GetRecord<PicRegionInfo>());
    case NodeKind::Pic:
        return BoxOf(node.res->GetRecord<PicInfo>());
    case NodeKind::String:
        return BoxOf(node.res->GetRecord<StringInfo>());
    case NodeKind::File:
    case NodeKind::Scene:
    case NodeKind::Frame:
        break;
    }
    return {};
}

class LayoutWalk : public BrowseVisitor {
public:
    LayoutWalk(const MacroNameIndex& names, bool visibleOnly, std::vector<LaidOutRes>& items)
        : m_names(names), m_visibleOnly(visibleOnly), m_items(items)
    {
    }

    bool Enter(const BrowseNode& node) override
    {
        if (node.kind == NodeKind::Scene) {
            m_origins.push_back({0, 0, true});
            return true;
        }
        const Origin& parent = m_origins.back();
        const ResBox box = BoxOf(node);
        const Origin here{parent.x + box.x, parent.y + box.y, parent.shown && box.visible};
        if (m_visibleOnly && !here.shown)
            return false;
        m_items.push_back({node.kind, node.res, {here.x, here.y, here.x + box.width, here.y + box.height}, here.shown,
                           BrowseLabel(node, m_names, CString())});
        // A group places its children; a region's frames have no place of
        // their own.
        if (node.kind != NodeKind::ResGroup)
            return false;
        m_origins.push_back(here);
        return true;
    }
    void Leave(const BrowseNode&) override { m_origins.pop_back(); }

private:
    struct Origin {
        int64_t x, y;
        bool shown;
    };
    const MacroNameIndex& m_names;
    const bool m_visibleOnly;
    std::vector<LaidOutRes>& m_items;
    std::vector<Origin> m_origins;
};

}  // namespace

SceneRect ClipRect(const SceneRect& rect, const SceneRect& bounds)
{
    const auto clamp = [](int64_t v, int64_t low, int64_t high) { return std::min(std::max(v, low), high); };
    return {clamp(rect.left, bounds.left, bounds.right), clamp(rect.top, bounds.top, bounds.bottom),
            clamp(rect.right, bounds.left, bounds.right), clamp(rect.bottom, bounds.top, bounds.bottom)};
}

SceneLayout::SceneLayout(const Scene& scene, const MacroNameIndex& names, bool visibleOnly) : m_pScene(&scene)
{
    LayoutWalk walk(names, visibleOnly, m_items);
    WalkScene(scene, walk);
}

SceneRect SceneLayout::Area() const
{
    return {0, 0, m_pScene->info.width, m_pScene->info.height};
}

size_t SceneLayout::HitTest(int64_t x, int64_t y) const
{
    for (size_t i = m_items.size(); i-- > 0;)
        if (m_items[i].rect.Contains(x, y))
            return i;
    return npos;
}

size_t SceneLayout::Find(const Res* res) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].res == res)
            return i;
    return npos;
}
