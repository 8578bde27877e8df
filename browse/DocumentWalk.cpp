#include "browse/DocumentWalk.h"

#include <optional>

#include "browse/NodeLabels.h"

namespace {

template <class Record>
const Record& RecordOf(const Res& res)
{
    return *static_cast<const Record*>(res.record);
}

// Resources nest at most sty::kMaxDepth levels (the reader refuses deeper
// files), so recursion stays shallow enough.
void WalkRes(const Res& res, uint32_t depth, BrowseVisitor& visitor)
{
    const std::optional<NodeKind> kind = ResNodeKind(res.GetType());
    if (!kind)
        return;
    BrowseNode node;
    node.kind = *kind;
    node.depth = depth;
    node.res = &res;
    if (!visitor.Enter(node))
        return;
    if (*kind == NodeKind::PicRegion) {
        BrowseNode frame = node;
        frame.kind = NodeKind::Frame;
        frame.depth = depth + 1;
        for (size_t i = 0; i < res.frames.size(); ++i) {
            frame.frame = i;
            if (visitor.Enter(frame))
                visitor.Leave(frame);
        }
    } else if (*kind == NodeKind::ResGroup) {
        for (const Res* child : res.children)
            WalkRes(*child, depth + 1, visitor);
    }
    visitor.Leave(node);
}

}  // namespace

CString BrowseLabel(const BrowseNode& node, const MacroNameIndex& names, const CString& fileTitle)
{
    switch (node.kind) {
    case NodeKind::File:
        return fileTitle;
    case NodeKind::Scene:
        return SceneLabel(*node.scene, names);
    case NodeKind::Frame:
        return FrameLabel(node.frame);
    case NodeKind::ResGroup:
    case NodeKind::PicRegion:
    case NodeKind::Pic:
    case NodeKind::String:
        break;
    }
    return NodeLabel(node.kind, ResId(*node.res), names);
}

PropertyRows BrowseRows(const BrowseNode& node)
{
    switch (node.kind) {
    case NodeKind::File:
        return FileRows(*node.header);
    case NodeKind::Scene:
        return SceneRows(node.scene->info);
    case NodeKind::ResGroup:
        return ResGroupRows(RecordOf<ResGroupInfo>(*node.res));
    case NodeKind::PicRegion:
        return PicRegionRows(RecordOf<PicRegionInfo>(*node.res));
    case NodeKind::Pic:
        return PicRows(RecordOf<PicInfo>(*node.res));
    case NodeKind::String:
        return StringRows(RecordOf<StringInfo>(*node.res));
    case NodeKind::Frame:
        return FrameRows(RecordOf<PicRegionInfo>(*node.res), node.res->frames.at(node.frame));
    }
    return {};
}

void WalkDocument(const StyleFile& file, BrowseVisitor& visitor)
{
    BrowseNode node;
    node.kind = NodeKind::File;
    node.header = &file.header;
    if (!visitor.Enter(node))
        return;
    for (const Scene* scene : file.scenes)
        WalkScene(*scene, visitor);
    visitor.Leave(node);
}

void WalkScene(const Scene& scene, BrowseVisitor& visitor)
{
    BrowseNode node;
    node.kind = NodeKind::Scene;
    node.depth = 1;
    node.scene = &scene;
    if (!visitor.Enter(node))
        return;
    for (const Res* child : scene.root_group->children)
        WalkRes(*child, 2, visitor);
    visitor.Leave(node);
}
