#include "browse/TreeText.h"

#include "browse/NodeIndex.h"

namespace {

struct StringOut {
    std::string& text;
    void Put(char c) { text.push_back(c); }
    void Write(std::string_view part) { text.append(part); }
};

}  // namespace

std::string SubtreeText(const StyleFile& file, const MacroNameIndex& names, const CString& fileTitle, size_t top)
{
    std::string text;
    StringOut out{text};
    WalkSubtree(file, top, [&](const BrowseNode& node, size_t) {
        WriteNodeText(out, node, BrowseLabel(node, names, fileTitle).GetString(), true);
    });
    return text;
}
