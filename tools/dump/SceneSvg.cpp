#include "tools/dump/SceneSvg.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <vector>

#include "browse/DocumentWalk.h"
#include "browse/NodeLabels.h"
#include "framework/core/Utf.h"
#include "tools/dump/KindNames.h"

namespace {

constexpr int64_t kMargin = 8;

// A resource's place and look, whatever its kind of record.
struct ResBox {
    int64_t x, y;  // relative to the enclosing group (or the scene)
    int64_t width, height;
    bool visible;
};

template <class Record>
ResBox BoxOf(const Record& record)
{
    return {record.x, record.y, record.width, record.height, record.visible != 0};
}

ResBox BoxOf(const BrowseNode& node)
{
    switch (node.kind) {
    case NodeKind::ResGroup:
        return BoxOf(node.res->GetRecord<ResGroupInfo>());
    case NodeKind::PicRegion:
        return BoxOf(node.res->GetRecord<PicRegionInfo>());
    case NodeKind::Pic:
        return BoxOf(node.res->GetRecord<PicInfo>());
    case NodeKind::String:
        return BoxOf(node.res->GetRecord<StringInfo>());
    case NodeKind::File:
    case NodeKind::Scene:
    case NodeKind::Frame:
        break;
    }
    return {};
}

struct Bounds {
    int64_t left, top, right, bottom;
    void Add(int64_t x, int64_t y, int64_t width, int64_t height)
    {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + width);
        bottom = std::max(bottom, y + height);
    }
};

// Walks the scene with each resource's absolute position and whether it
// shows; Draw is called for each resource drawn.
class LayoutWalk : public BrowseVisitor {
public:
    explicit LayoutWalk(bool visibleOnly) : m_visibleOnly(visibleOnly) {}

    bool Enter(const BrowseNode& node) override
    {
        if (node.kind == NodeKind::Scene) {
            m_origins.push_back({0, 0, true});
            return true;
        }
        const Origin& parent = m_origins.back();
        const ResBox box = BoxOf(node);
        const Origin here{parent.x + box.x, parent.y + box.y, parent.shown && box.visible};
        if (m_visibleOnly && !here.shown)
            return false;
        Draw(node, box, here.x, here.y, here.shown);
        // A group places its children; a region's frames are not drawn.
        if (node.kind != NodeKind::ResGroup)
            return false;
        m_origins.push_back(here);
        return true;
    }
    void Leave(const BrowseNode&) override { m_origins.pop_back(); }

protected:
    virtual void Draw(const BrowseNode& node, const ResBox& box, int64_t x, int64_t y, bool shown) = 0;

private:
    struct Origin {
        int64_t x, y;
        bool shown;
    };
    const bool m_visibleOnly;
    std::vector<Origin> m_origins;
};

class BoundsWalk : public LayoutWalk {
public:
    BoundsWalk(bool visibleOnly, Bounds& bounds) : LayoutWalk(visibleOnly), m_bounds(bounds) {}

private:
    void Draw(const BrowseNode&, const ResBox& box, int64_t x, int64_t y, bool) override
    {
        m_bounds.Add(x, y, box.width, box.height);
    }
    Bounds& m_bounds;
};

class SvgText {
public:
    explicit SvgText(OutputBuffer& out) : m_out(out) {}

    SvgText& operator<<(std::string_view text)
    {
        m_out.Write(text);
        return *this;
    }
    SvgText& operator<<(int64_t value)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        m_out.Write(std::string_view(digits, static_cast<size_t>(end - digits)));
        return *this;
    }
    // "#rrggbb" of a 0xAARRGGBB colour.
    void Rgb(uint32_t argb)
    {
        static const char kHex[] = "0123456789abcdef";
        char text[7] = {'#'};
        for (int i = 0; i < 6; ++i)
            text[1 + i] = kHex[(argb >> (20 - 4 * i)) & 0xF];
        m_out.Write(std::string_view(text, sizeof text));
    }
    // Text content: valid UTF-8, markup characters escaped, and the control
    // characters XML does not allow replaced.
    void Escaped(std::string_view text)
    {
        for (char c : AfxValidUtf8(text)) {
            switch (c) {
            case '&':
                m_out.Write("&amp;");
                break;
            case '<':
                m_out.Write("&lt;");
                break;
            case '>':
                m_out.Write("&gt;");
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
                    m_out.Write("\xEF\xBF\xBD");
                else
                    m_out.Put(c);
            }
        }
    }
    // fill and fill-opacity of a 0xAARRGGBB colour (alpha 0xFF is opaque).
    void Fill(uint32_t argb)
    {
        *this << " fill=\"";
        Rgb(argb);
        *this << "\"";
        const uint32_t alpha = argb >> 24;
        if (alpha != 0xFF) {
            // Three decimals of alpha / 255, enough to tell all 256 apart.
            const int64_t thousandths = (alpha * 1000 + 127) / 255;
            char text[8] = {'0', '.', char('0' + thousandths / 100), char('0' + thousandths / 10 % 10),
                            char('0' + thousandths % 10)};
            *this << " fill-opacity=\"" << std::string_view(text, 5) << "\"";
        }
    }

private:
    OutputBuffer& m_out;
};

class DrawWalk : public LayoutWalk {
public:
    DrawWalk(bool visibleOnly, const MacroNameIndex& names, SvgText& svg)
        : LayoutWalk(visibleOnly), m_names(names), m_svg(svg)
    {
    }

private:
    void Draw(const BrowseNode& node, const ResBox& box, int64_t x, int64_t y, bool shown) override
    {
        const CString label = BrowseLabel(node, m_names, CString());
        m_svg << "<rect class=\"" << KindName(node.kind) << (shown ? "" : " hidden") << "\" x=\"" << x
              << "\" y=\"" << y << "\" width=\"" << box.width << "\" height=\"" << box.height << "\"";
        Paint(node);
        m_svg << "><title>";
        m_svg.Escaped(label.GetString());
        m_svg << " (" << KindName(node.kind) << ") at " << x << ", " << y << ", " << box.width << " x "
              << box.height;
        if (!shown)
            m_svg << ", hidden";
        Note(node, x, y);
        m_svg << "</title></rect>\n";
        m_svg << "<text x=\"" << x + 3 << "\" y=\"" << y + 12 << "\"" << (shown ? "" : " class=\"hidden\"") << ">";
        m_svg.Escaped(label.GetString());
        m_svg << "</text>\n";
    }

    // The colours a record carries; the other kinds take theirs from the
    // style sheet.
    void Paint(const BrowseNode& node)
    {
        if (node.kind == NodeKind::ResGroup) {
            const auto& group = node.res->GetRecord<ResGroupInfo>();
            if (group.opaque)
                m_svg.Fill(group.background_color);
            else
                m_svg << " fill=\"none\"";
        } else if (node.kind == NodeKind::String) {
            const auto& text = node.res->GetRecord<StringInfo>();
            m_svg.Fill(text.background_color);
            m_svg << " stroke=\"";
            m_svg.Rgb(text.foreground_color);
            m_svg << "\"";
        }
    }

    // What the tooltip adds for a kind: what the picture cannot show.
    void Note(const BrowseNode& node, int64_t x, int64_t y)
    {
        if (node.kind == NodeKind::ResGroup) {
            const auto& group = node.res->GetRecord<ResGroupInfo>();
            if (group.abs_x != x || group.abs_y != y)
                m_svg << "; abs_x, abs_y " << int64_t{group.abs_x} << ", " << int64_t{group.abs_y}
                      << " differ from the position its x, y give";
        } else if (node.kind == NodeKind::PicRegion) {
            m_svg << "; " << static_cast<int64_t>(node.res->frames.size()) << " frames";
        } else if (node.kind == NodeKind::Pic) {
            m_svg << "; pic id " << int64_t{node.res->GetRecord<PicInfo>().pic_id};
        } else if (node.kind == NodeKind::String) {
            m_svg << "; string id " << int64_t{node.res->GetRecord<StringInfo>().string_id};
        }
    }

    const MacroNameIndex& m_names;
    SvgText& m_svg;
};

const char kStyle[] =
    "<style>\n"
    "rect{stroke-width:1}\n"
    ".scene{stroke:#808080}\n"
    ".group{stroke:#1f6fb4}\n"
    ".region{fill:#ff7f0e;fill-opacity:.15;stroke:#ff7f0e}\n"
    ".pic{fill:#2ca02c;fill-opacity:.15;stroke:#2ca02c}\n"
    ".hidden{stroke-dasharray:4 3;opacity:.4}\n"
    "text{font:11px sans-serif;fill:#111;stroke:#fff;stroke-width:3px;paint-order:stroke}\n"
    "</style>\n";

}  // namespace

void WriteSceneSvg(const Scene& scene, const MacroNameIndex& names, bool visibleOnly, OutputBuffer& out)
{
    const SceneInfo& info = scene.info;
    Bounds bounds{0, 0, info.width, info.height};
    BoundsWalk measure(visibleOnly, bounds);
    WalkScene(scene, measure);
    const int64_t left = bounds.left - kMargin, top = bounds.top - kMargin;
    const int64_t width = bounds.right - bounds.left + 2 * kMargin;
    const int64_t height = bounds.bottom - bounds.top + 2 * kMargin;

    SvgText svg(out);
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height
        << "\" viewBox=\"" << left << " " << top << " " << width << " " << height << "\">\n"
        << kStyle;
    const CString label = SceneLabel(scene, names);
    svg << "<title>";
    svg.Escaped(label.GetString());
    svg << "</title>\n";
    svg << "<rect class=\"scene\" x=\"0\" y=\"0\" width=\"" << int64_t{info.width} << "\" height=\""
        << int64_t{info.height} << "\"";
    if (info.opaque)
        svg.Fill(info.background_color);
    else
        svg << " fill=\"none\"";
    svg << "><title>";
    svg.Escaped(label.GetString());
    svg << " (scene), " << int64_t{info.width} << " x " << int64_t{info.height} << " at " << int64_t{info.x}
        << ", " << int64_t{info.y} << " on the display</title></rect>\n";
    DrawWalk draw(visibleOnly, names, svg);
    WalkScene(scene, draw);
    svg << "</svg>\n";
}
