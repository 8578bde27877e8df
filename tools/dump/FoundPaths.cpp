#include <string>
#include <vector>

#include "tools/dump/TreeWriters.h"

namespace {

class PathWriter : public BrowseVisitor {
public:
    PathWriter(const CString& fileTitle, const MacroNameIndex& names, const NodeMatcher& matcher, OutputBuffer& out)
        : m_fileTitle(fileTitle), m_names(names), m_matcher(matcher), m_out(out)
    {
    }

    bool Enter(const BrowseNode& node) override
    {
        // The labels from the file node down to this one.
        m_labels.resize(node.depth);
        m_labels.push_back(BrowseLabel(node, m_names, m_fileTitle).GetString());
        if (m_matcher.Matches(node, m_labels.back())) {
            ++m_matches;
            for (size_t i = 0; i < m_labels.size(); ++i) {
                if (i > 0)
                    m_out.Put('/');
                m_out.Write(m_labels[i]);
            }
            m_out.Put('\n');
        }
        return true;
    }

    size_t Matches() const { return m_matches; }

private:
    const CString& m_fileTitle;
    const MacroNameIndex& m_names;
    const NodeMatcher& m_matcher;
    OutputBuffer& m_out;
    std::vector<std::string> m_labels;
    size_t m_matches = 0;
};

}  // namespace

size_t WriteFoundPaths(const StyleFile& file, const CString& fileTitle, const MacroNameIndex& names,
                       const NodeMatcher& matcher, OutputBuffer& out)
{
    PathWriter writer(fileTitle, names, matcher, out);
    WalkDocument(file, writer);
    return writer.Matches();
}
