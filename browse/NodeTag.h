// What each item of the browse tree shows.
#pragma once

#include <cstdint>
#include <optional>

#include "style/Res.h"

enum class NodeKind : uint32_t {
    File = 0,
    Scene = 1,
    ResGroup = 2,
    PicRegion = 3,
    Pic = 4,
    String = 5,
    Frame = 6,
};

// Kind k shows images 2k (normal) and 2k + 1 (selected) of the tree's list.
constexpr int NodeImage(NodeKind kind)
{
    return 2 * static_cast<int>(kind);
}
constexpr int NodeSelectedImage(NodeKind kind)
{
    return 2 * static_cast<int>(kind) + 1;
}

// The kind of node a resource of type code `type` shows as; none for a code
// the browser does not know, whose resource is left out with all below it.
constexpr std::optional<NodeKind> ResNodeKind(ResType type)
{
    switch (type) {
    case RES_PIC_REGION:
        return NodeKind::PicRegion;
    case RES_STRING:
        return NodeKind::String;
    case RES_GROUP:
        return NodeKind::ResGroup;
    case RES_PIC:
        return NodeKind::Pic;
    default:
        return std::nullopt;
    }
}

// The data of one tree item: the object shown (a StyleHeader, Scene or
// Res) or, for a frame, its index in the region's frame list.
struct NodeTag {
    NodeKind kind;
    uintptr_t payload;
};
