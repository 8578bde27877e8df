// The kinds of node of the browse tree.
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
