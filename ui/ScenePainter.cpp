#include "ui/ScenePainter.h"

#include <algorithm>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace {

// Around the scene, as a window's empty workspace.
const COLORREF kBackdrop = RGB(0x50, 0x50, 0x50);
const COLORREF kSceneFrame = RGB(0x80, 0x80, 0x80);
// The kinds' own colours, as lorvex-dump's pictures draw them.
const COLORREF kGroupLine = RGB(0x1f, 0x6f, 0xb4);
const COLORREF kRegionLine = RGB(0xff, 0x7f, 0x0e);
const COLORREF kPicLine = RGB(0x2c, 0xa0, 0x2c);
// A colour no kind uses, bright on dark scenes and on light ones.
const COLORREF kHighlight = RGB(0xff, 0x00, 0xc8);
// How much of its colour a picture's or a region's fill takes, of 255.
const unsigned kLightFill = 38;

// A file's 0xAARRGGBB colour without its alpha.
COLORREF FromArgb(uint32_t argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// top over under, top taking alpha of 255.
COLORREF Blend(COLORREF top, COLORREF under, unsigned alpha)
{
    const auto mix = [alpha](unsigned a, unsigned b) { return static_cast<BYTE>((a * alpha + b * (255 - alpha)) / 255); };
    return RGB(mix(GetRValue(top), GetRValue(under)), mix(GetGValue(top), GetGValue(under)),
               mix(GetBValue(top), GetBValue(under)));
}

bool IsDark(COLORREF color)
{
    return GetRValue(color) * 299 + GetGValue(color) * 587 + GetBValue(color) * 114 < 128 * 1000;
}

// The pens of one paint, made as they are first asked for.
class Pens {
public:
    explicit Pens(CDC& dc) : m_dc(dc) {}
    Pens(const Pens&) = delete;
    Pens& operator=(const Pens&) = delete;
    // Gives the context its own pen back before the pens go.
    ~Pens()
    {
        if (m_hOld)
            m_dc.SelectObject(m_hOld);
    }

    void Select(int style, int width, COLORREF color)
    {
        std::unique_ptr<CPen>& pen = m_pens[{style, width, color}];
        if (!pen)
            pen = std::make_unique<CPen>(style, width, color);
        HGDIOBJ old = m_dc.SelectObject(pen.get());
        if (!m_hOld)
            m_hOld = old;
    }

private:
    struct Key {
        int style, width;
        COLORREF color;
        bool operator<(const Key& o) const
        {
            return std::tie(style, width, color) < std::tie(o.style, o.width, o.color);
        }
    };
    CDC& m_dc;
    std::map<Key, std::unique_ptr<CPen>> m_pens;
    HGDIOBJ m_hOld = nullptr;
};

class Painter {
public:
    Painter(CDC& dc, const SceneLayout& layout, const SceneView& view)
        : m_dc(dc), m_layout(layout), m_view(view), m_pens(dc)
    {
        const SceneInfo& info = layout.GetScene().info;
        m_sceneFill = info.opaque ? FromArgb(info.background_color) : RGB(0xff, 0xff, 0xff);
        m_labelColor = IsDark(m_sceneFill) ? RGB(0xf0, 0xf0, 0xf0) : RGB(0x11, 0x11, 0x11);
        // The scene points the area shows, and a little more: edges cut to
        // these bounds lie outside the area, so a resource reaching past it
        // shows no false edge, and coordinates stay small for the system.
        m_shown = {view.originX + view.area.left, view.originY + view.area.top, view.originX + view.area.right,
                   view.originY + view.area.bottom};
        m_bounds = {m_shown.left - 4, m_shown.top - 4, m_shown.right + 4, m_shown.bottom + 4};
    }

    void Paint()
    {
        const SceneRect area = m_layout.Area();
        m_dc.FillSolidRect(ToDc(ClipRect(area, m_bounds)), m_sceneFill);
        m_pens.Select(PS_SOLID, 1, kSceneFrame);
        m_dc.Rectangle(ToDc(ClipRect({-1, -1, area.right + 1, area.bottom + 1}, m_bounds)));
        for (const LaidOutRes& item : m_layout.Items())
            if (!item.rect.IsEmpty() && item.rect.Intersects(m_shown))
                Draw(item);
        DrawLabels();
        if (m_view.highlight < m_layout.Items().size())
            DrawHighlight(m_layout.Items()[m_view.highlight].rect);
    }

private:
    CRect ToDc(const SceneRect& r) const
    {
        return CRect(static_cast<int>(r.left - m_view.originX), static_cast<int>(r.top - m_view.originY),
                     static_cast<int>(r.right - m_view.originX), static_cast<int>(r.bottom - m_view.originY));
    }

    void Draw(const LaidOutRes& item)
    {
        const CRect rect = ToDc(ClipRect(item.rect, m_bounds));
        COLORREF line = kGroupLine;
        COLORREF text = m_labelColor;
        switch (item.kind) {
        case NodeKind::ResGroup: {
            const auto& group = item.res->GetRecord<ResGroupInfo>();
            if (group.opaque && item.shown)
                m_dc.FillSolidRect(rect, Blend(FromArgb(group.background_color), m_sceneFill,
                                               group.background_color >> 24));
            break;
        }
        case NodeKind::PicRegion:
        case NodeKind::Pic:
            line = item.kind == NodeKind::Pic ? kPicLine : kRegionLine;
            if (item.shown)
                m_dc.FillSolidRect(rect, Blend(line, m_sceneFill, kLightFill));
            break;
        case NodeKind::String: {
            const auto& string = item.res->GetRecord<StringInfo>();
            const unsigned alpha = string.background_color >> 24;
            if (alpha && item.shown)
                m_dc.FillSolidRect(rect, Blend(FromArgb(string.background_color), m_sceneFill, alpha));
            line = text = FromArgb(string.foreground_color);
            break;
        }
        default:
            break;
        }
        if (item.shown) {
            m_pens.Select(PS_SOLID, 1, line);
        } else {
            // Faint, and grey whatever its own colours: a hidden string's
            // may be the scene's.
            line = text = Blend(m_labelColor, m_sceneFill, 128);
            m_pens.Select(PS_DASH, 1, line);
        }
        m_dc.Rectangle(rect);
        // A label needs room to be read; the smallest boxes go without.
        if (rect.Width() >= 12 && rect.Height() >= 10)
            m_labels.push_back({&item.label, rect, text});
    }

    // Each label at its resource's top-left, inside it, unless it would
    // cover one drawn there already: the topmost resources' come first.
    void DrawLabels()
    {
        std::vector<CRect> placed;
        for (size_t i = m_labels.size(); i-- > 0;) {
            const Label& label = m_labels[i];
            const SIZE size = m_dc.GetTextExtent(*label.text);
            const CRect& r = label.clip;
            const CRect box(r.left + 3, r.top + 1, std::min<int>(r.right, r.left + 3 + size.cx),
                            std::min<int>(r.bottom, r.top + 1 + size.cy));
            const auto covers = [&](const CRect& other) {
                return box.left < other.right && other.left < box.right && box.top < other.bottom &&
                       other.top < box.bottom;
            };
            if (std::any_of(placed.begin(), placed.end(), covers))
                continue;
            placed.push_back(box);
            m_dc.SetTextColor(label.color);
            m_dc.ExtTextOut(box.left, box.top, ETO_CLIPPED, &r, *label.text);
        }
    }

    void DrawHighlight(const SceneRect& r)
    {
        // Outside the resource, so that it shows even on one of no size.
        const SceneRect around{r.left - 3, r.top - 3, std::max(r.right, r.left) + 3, std::max(r.bottom, r.top) + 3};
        m_pens.Select(PS_SOLID, 3, kHighlight);
        m_dc.Rectangle(ToDc(ClipRect(around, m_bounds)));
    }

    struct Label {
        const CString* text;
        CRect clip;  // its resource's rectangle
        COLORREF color;
    };

    CDC& m_dc;
    const SceneLayout& m_layout;
    const SceneView& m_view;
    Pens m_pens;
    std::vector<Label> m_labels;
    COLORREF m_sceneFill;
    COLORREF m_labelColor;
    SceneRect m_shown;
    SceneRect m_bounds;
};

}  // namespace

void PaintScene(CDC& dc, const SceneLayout* pLayout, const SceneView& view)
{
    dc.FillSolidRect(view.area, kBackdrop);
    if (!pLayout)
        return;
    const HGDIOBJ oldBrush = dc.SelectStockObject(NULL_BRUSH);
    const HGDIOBJ oldFont = view.font ? dc.SelectObject(view.font) : dc.SelectStockObject(DEFAULT_GUI_FONT);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    {
        Painter painter(dc, *pLayout, view);
        painter.Paint();
    }
    dc.SetBkMode(oldMode);
    dc.SelectObject(oldFont);
    dc.SelectObject(oldBrush);
}
