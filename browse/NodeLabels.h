// The text each node of the browse tree shows. The file node shows the
// file's title, which its caller keeps.
#pragma once

#include <cstddef>
#include <cstdint>

#include "browse/MacroNameIndex.h"
#include "browse/NodeKind.h"
#include "style/Scene.h"

// A scene's or a resource's label: the macro name of its id when the table
// has one (used as it is, even empty), else the kind's pattern with the id
// in lower-case hexadecimal: Scene_1a, ResGroup_0, PicRigion_ff, Pic_10,
// String1a. kind is one of Scene, ResGroup, PicRegion, Pic or String.
CString NodeLabel(NodeKind kind, uint32_t id, const MacroNameIndex& names);
CString SceneLabel(const Scene& scene, const MacroNameIndex& names);

// Frame i of a picture region: Frame00, Frame07, Frame100.
CString FrameLabel(size_t index);
