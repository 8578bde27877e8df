#include "browse/NodeLabels.h"

#include <charconv>
#include <cinttypes>
#include <cstdio>


namespace {

const char* LabelPattern(NodeKind kind)
{
    switch (kind) {
    case NodeKind::Scene:
        return "Scene_%" PRIx32;
    case NodeKind::ResGroup:
        return "ResGroup_%" PRIx32;
    case NodeKind::PicRegion:
        return "PicRigion_%" PRIx32;
    case NodeKind::Pic:
        return "Pic_%" PRIx32;
    case NodeKind::String:
        return "String%" PRIx32;
    case NodeKind::File:
    case NodeKind::Frame:
        break;
    }
    return "%" PRIx32;
}

}  // namespace

CString NodeLabel(NodeKind kind, uint32_t id, const MacroNameIndex& names)
{
    if (const CString* name = names.Find(id))
        return *name;
    char text[32];
    std::snprintf(text, sizeof text, LabelPattern(kind), id);
    return CString(text);
}

CString SceneLabel(const Scene& scene, const MacroNameIndex& names)
{
    return NodeLabel(NodeKind::Scene, scene.info.id, names);
}

CString FrameLabel(size_t index)
{
    // "Frame%02zu" without printf: a dump of a big document labels millions
    // of frames.
    char text[32] = "Frame0";
    char* const digits = text + (index < 10 ? 6 : 5);
    *std::to_chars(digits, text + sizeof text - 1, index).ptr = '\0';
    return CString(text);
}
