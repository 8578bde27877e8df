// The word each kind of node goes by in the tree as text, the JSON dump and
// the scene picture.
#pragma once

#include "browse/NodeKind.h"

constexpr const char* KindName(NodeKind kind)
{
    switch (kind) {
    case NodeKind::File:
        return "file";
    case NodeKind::Scene:
        return "scene";
    case NodeKind::ResGroup:
        return "group";
    case NodeKind::PicRegion:
        return "region";
    case NodeKind::Pic:
        return "pic";
    case NodeKind::String:
        return "string";
    case NodeKind::Frame:
        return "frame";
    }
    return "";
}
