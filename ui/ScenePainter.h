// Draws a scene's layout into a device context, one scene unit to a pixel:
// the scene's background, then each resource where the layout puts it,
// pictures and regions filled lightly, strings in their own colours, groups
// as frames (filled when opaque), each labelled; hidden resources dashed;
// the highlighted one framed on top of everything.
#pragma once

#include <cstddef>

#include "browse/SceneLayout.h"
#include "framework/afxwin.h"

struct SceneView {
    // The scene point drawn at the context's 0, 0.
    int64_t originX = 0;
    int64_t originY = 0;
    // The part of the context to draw, in its own coordinates.
    CRect area;
    size_t highlight = SceneLayout::npos;
    // The labels' font; null for the system's.
    HFONT font = nullptr;
};

// Paints view.area of dc; what lies outside it is left alone. Without a
// layout, the area is only the backdrop.
void PaintScene(CDC& dc, const SceneLayout* pLayout, const SceneView& view);
