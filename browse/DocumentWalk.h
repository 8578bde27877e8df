// The shape of the browse tree, decided here and only here: the file node,
// then each scene with its resources depth first, a picture region's frames
// under it and a group's children under it. A resource whose type code the
// browser does not know is left out with all below it. The dialog fills its
// tree from this walk, and everything else that follows the tree's order
// (lorvex-dump's tree, a scene's picture) walks it too.
#pragma once

#include <cstddef>
#include <cstdint>

#include "browse/MacroNameIndex.h"
#include "browse/NodeKind.h"
#include "browse/PropertyRows.h"
#include "style/StyleFile.h"

struct BrowseNode {
    NodeKind kind = NodeKind::File;
    uint32_t depth = 0;                   // 0 for the file node, 1 for scenes
    const StyleHeader* header = nullptr;  // the file node's
    const Scene* scene = nullptr;         // a scene node's
    const Res* res = nullptr;             // a resource's; a frame's region
    size_t frame = 0;                     // a frame's index in its region
};

// The node's label as the tree shows it; the file node shows fileTitle.
CString BrowseLabel(const BrowseNode& node, const MacroNameIndex& names, const CString& fileTitle);
// The node's Name/Value rows as the property list shows them.
PropertyRows BrowseRows(const BrowseNode& node);

class BrowseVisitor {
public:
    virtual ~BrowseVisitor() = default;
    // Called for each node before its children; false skips the children,
    // and then Leave is not called for it.
    virtual bool Enter(const BrowseNode& node) = 0;
    // Called after the children of a node whose Enter returned true.
    virtual void Leave(const BrowseNode& node) { static_cast<void>(node); }
};

// Visits the whole document.
void WalkDocument(const StyleFile& file, BrowseVisitor& visitor);
// Visits one scene and its resources, the scene at depth 1.
void WalkScene(const Scene& scene, BrowseVisitor& visitor);
