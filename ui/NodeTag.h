// What each item of the browse tree carries: its picture in the tree's image
// list and the data attached to it.
#pragma once

#include <cstdint>

#include "browse/NodeKind.h"

// Kind k shows images 2k (normal) and 2k + 1 (selected) of the tree's list.
constexpr int NodeImage(NodeKind kind)
{
    return 2 * static_cast<int>(kind);
}
constexpr int NodeSelectedImage(NodeKind kind)
{
    return 2 * static_cast<int>(kind) + 1;
}

// The data of one tree item: the object shown (a StyleHeader, Scene or
// Res) or, for a frame, its index in the region's frame list.
struct NodeTag {
    NodeKind kind;
    uintptr_t payload;
};
