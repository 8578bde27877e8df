// One scene drawn as an SVG picture of its layout (what each field does to
// the picture: docs/lorvex-dump.md).
#pragma once

#include "browse/MacroNameIndex.h"
#include "style/Scene.h"
#include "tools/dump/OutputBuffer.h"

// Draws scene: its area, then each resource the browser shows, parents
// before children, each labelled as the tree labels it. Hidden resources
// (their own visible flag 0, or inside a hidden group) are drawn dashed and
// faint, or left out with all below them when visibleOnly.
void WriteSceneSvg(const Scene& scene, const MacroNameIndex& names, bool visibleOnly, OutputBuffer& out);
