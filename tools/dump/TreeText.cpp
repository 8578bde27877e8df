#include <algorithm>
#include <string_view>

#include "browse/DocumentWalk.h"
#include "tools/dump/KindNames.h"
#include "tools/dump/TreeWriters.h"

namespace {

class TextWriter : public BrowseVisitor {
public:
    TextWriter(const CString& fileTitle, const MacroNameIndex& names, bool rows, OutputBuffer& out)
        : m_fileTitle(fileTitle), m_names(names), m_rows(rows), m_out(out)
    {
    }

    bool Enter(const BrowseNode& node) override
    {
        Indent(node.depth);
        m_out.Put('[');
        m_out.Write(KindName(node.kind));
        m_out.Write("] ");
        m_out.Write(BrowseLabel(node, m_names, m_fileTitle).GetString());
        m_out.Put('\n');
        if (m_rows) {
            char value[16];
            for (const PropertyRow& row : BrowseRows(node)) {
                Indent(node.depth + 1);
                m_out.Write(row.name);
                m_out.Write(": ");
                m_out.Write(std::string_view(value, FormatRowValue(row, value)));
                m_out.Put('\n');
            }
        }
        return true;
    }

private:
    void Indent(uint32_t depth)
    {
        static constexpr std::string_view kSpaces = "                                ";
        for (size_t width = 2 * size_t{depth}; width > 0;) {
            const size_t n = std::min(width, kSpaces.size());
            m_out.Write(kSpaces.substr(0, n));
            width -= n;
        }
    }

    const CString& m_fileTitle;
    const MacroNameIndex& m_names;
    const bool m_rows;
    OutputBuffer& m_out;
};

}  // namespace

void WriteTreeText(const StyleFile& file, const CString& fileTitle, const MacroNameIndex& names, bool rows,
                   OutputBuffer& out)
{
    TextWriter writer(fileTitle, names, rows, out);
    WalkDocument(file, writer);
}
