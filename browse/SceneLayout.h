// Where a scene's resources lie, for drawing them and for pointing at them.
// Each resource the browser shows comes in display order, the tree's order:
// parents before children and siblings in document order, so that what
// comes later is drawn on top. A resource's x, y are taken from the group
// that holds it (from the scene's top-left for a top-level one): it lies at
// the sum of its own x, y and those of every group above it, in 64 bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "browse/MacroNameIndex.h"
#include "browse/NodeKind.h"
#include "style/Scene.h"

// A rectangle in scene coordinates, the scene's top-left at 0, 0; right and
// bottom lie just outside it.
struct SceneRect {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;

    int64_t Width() const { return right - left; }
    int64_t Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int64_t x, int64_t y) const { return left <= x && x < right && top <= y && y < bottom; }
    bool Intersects(const SceneRect& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    friend bool operator==(const SceneRect& a, const SceneRect& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

// rect cut to bounds: each edge held inside them, so a rect wholly outside
// becomes an empty one on their border.
SceneRect ClipRect(const SceneRect& rect, const SceneRect& bounds);

struct LaidOutRes {
    NodeKind kind;  // ResGroup, PicRegion, Pic or String
    const Res* res;
    SceneRect rect;
    // Its own visible flag is not 0, nor is that of any group above it.
    bool shown;
    CString label;  // as the tree labels it
};

class SceneLayout {
public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    // Labels come from names. With visibleOnly, a resource that is not
    // shown is left out with everything below it.
    SceneLayout(const Scene& scene, const MacroNameIndex& names, bool visibleOnly = false);

    const Scene& GetScene() const { return *m_pScene; }
    // The scene's own area: at 0, 0, its width by its height.
    SceneRect Area() const;
    const std::vector<LaidOutRes>& Items() const { return m_items; }

    // The index of the topmost resource, the one drawn last, whose rectangle
    // holds the point; npos where there is only the scene.
    size_t HitTest(int64_t x, int64_t y) const;
    // The index of res; npos if the layout does not hold it.
    size_t Find(const Res* res) const;

private:
    const Scene* m_pScene;
    std::vector<LaidOutRes> m_items;
};
