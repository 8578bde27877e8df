#include "tools/dump/SceneSvg.h"

#include <charconv>
#include <cstdint>

#include "browse/DocumentWalk.h"
#include "browse/KindNames.h"
#include "browse/NodeLabels.h"
#include "browse/SceneLayout.h"
#include "framework/core/Utf.h"

namespace {

// Room around the scene's area: a resource that reaches further is cut
// there, so that one far-off value cannot stretch the picture.
constexpr int64_t kMargin = 8;

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

// Writes one resource's rect and label.
class ResourceWriter {
public:
    ResourceWriter(const SceneRect& canvas, SvgText& svg) : m_canvas(canvas), m_svg(svg) {}

    void Write(const LaidOutRes& item)
    {
        const SceneRect& rect = item.rect;
        const SceneRect drawn = ClipRect(rect, m_canvas);
        const bool clipped = !(drawn == rect);
        const char* const kind = KindName(item.kind);
        m_svg << "<rect class=\"" << kind << (item.shown ? "" : " hidden") << (clipped ? " clipped" : "")
              << "\" x=\"" << drawn.left << "\" y=\"" << drawn.top << "\" width=\"" << drawn.Width()
              << "\" height=\"" << drawn.Height() << "\"";
        Paint(item);
        m_svg << "><title>";
        m_svg.Escaped(item.label.GetString());
        m_svg << " (" << kind << ") at " << rect.left << ", " << rect.top << ", " << rect.Width() << " x "
              << rect.Height();
        if (!item.shown)
            m_svg << ", hidden";
        if (clipped)
            m_svg << ", cut at the edge of the picture";
        Note(item);
        m_svg << "</title></rect>\n";
        m_svg << "<text x=\"" << drawn.left + 3 << "\" y=\"" << drawn.top + 12 << "\""
              << (item.shown ? "" : " class=\"hidden\"") << ">";
        m_svg.Escaped(item.label.GetString());
        m_svg << "</text>\n";
    }

private:
    // The colours a record carries; the other kinds take theirs from the
    // style sheet.
    void Paint(const LaidOutRes& item)
    {
        if (item.kind == NodeKind::ResGroup) {
            const auto& group = item.res->GetRecord<ResGroupInfo>();
            if (group.opaque)
                m_svg.Fill(group.background_color);
            else
                m_svg << " fill=\"none\"";
        } else if (item.kind == NodeKind::String) {
            const auto& text = item.res->GetRecord<StringInfo>();
            m_svg.Fill(text.background_color);
            m_svg << " stroke=\"";
            m_svg.Rgb(text.foreground_color);
            m_svg << "\"";
        }
    }

    // What the tooltip adds for a kind: what the picture cannot show.
    void Note(const LaidOutRes& item)
    {
        const Res& res = *item.res;
        if (item.kind == NodeKind::ResGroup) {
            const auto& group = res.GetRecord<ResGroupInfo>();
            if (group.abs_x != item.rect.left || group.abs_y != item.rect.top)
                m_svg << "; abs_x, abs_y " << int64_t{group.abs_x} << ", " << int64_t{group.abs_y}
                      << " differ from the position its x, y give";
        } else if (item.kind == NodeKind::PicRegion) {
            m_svg << "; " << static_cast<int64_t>(res.frames.size()) << " frames";
        } else if (item.kind == NodeKind::Pic) {
            m_svg << "; pic id " << int64_t{res.GetRecord<PicInfo>().pic_id};
        } else if (item.kind == NodeKind::String) {
            m_svg << "; string id " << int64_t{res.GetRecord<StringInfo>().string_id};
        }
    }

    const SceneRect m_canvas;
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
    ".clipped{stroke:#d62728;stroke-width:2}\n"
    "text{font:11px sans-serif;fill:#111;stroke:#fff;stroke-width:3px;paint-order:stroke}\n"
    "</style>\n";

}  // namespace

void WriteSceneSvg(const Scene& scene, const MacroNameIndex& names, bool visibleOnly, OutputBuffer& out)
{
    const SceneLayout layout(scene, names, visibleOnly);
    const SceneInfo& info = scene.info;
    const SceneRect area = layout.Area();
    const SceneRect canvas{area.left - kMargin, area.top - kMargin, area.right + kMargin, area.bottom + kMargin};

    SvgText svg(out);
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << canvas.Width() << "\" height=\""
        << canvas.Height() << "\" viewBox=\"" << canvas.left << " " << canvas.top << " " << canvas.Width() << " "
        << canvas.Height() << "\">\n"
        << kStyle;
    const CString label = SceneLabel(scene, names);
    svg << "<title>";
    svg.Escaped(label.GetString());
    svg << "</title>\n";
    svg << "<rect class=\"scene\" x=\"0\" y=\"0\" width=\"" << area.Width() << "\" height=\"" << area.Height()
        << "\"";
    if (info.opaque)
        svg.Fill(info.background_color);
    else
        svg << " fill=\"none\"";
    svg << "><title>";
    svg.Escaped(label.GetString());
    svg << " (scene), " << area.Width() << " x " << area.Height() << " at " << int64_t{info.x} << ", "
        << int64_t{info.y} << " on the display</title></rect>\n";
    ResourceWriter writer(canvas, svg);
    for (const LaidOutRes& item : layout.Items())
        writer.Write(item);
    svg << "</svg>\n";
}
