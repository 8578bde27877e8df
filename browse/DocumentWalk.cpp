#include "browse/DocumentWalk.h"

#include <optional>

#include "browse/NodeLabels.h"

namespace {

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
    return NodeLabel(node.kind, node.res->GetId(), names);
}

PropertyRows BrowseRows(const BrowseNode& node)
{
    switch (node.kind) {
    case NodeKind::File:
        return FileRows(*node.header);
    case NodeKind::Scene:
        return SceneRows(node.scene->info);
    case NodeKind::ResGroup:
        return ResGroupRows(node.res->GetRecord<ResGroupInfo>());
    case NodeKind::PicRegion:
        return PicRegionRows(node.res->GetRecord<PicRegionInfo>());
    case NodeKind::Pic:
        return PicRows(node.res->GetRecord<PicInfo>());
    case NodeKind::String:
        return StringRows(node.res->GetRecord<StringInfo>());
    case NodeKind::Frame:
        return FrameRows(node.res->GetRecord<PicRegionInfo>(), node.res->frames.at(node.frame));
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
