#include "browse/TreeText.h"
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
        WriteNodeText(m_out, node, BrowseLabel(node, m_names, m_fileTitle).GetString(), m_rows);
        return true;
    }

private:
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
