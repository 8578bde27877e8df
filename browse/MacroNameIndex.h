// The macro table's lookup: the name of an id, the first node of the list
// that has it winning. Labels of a whole tree look names up through it, not
// along the list, so that a rebuild costs one pass over the names, not one
// per node.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "style/uiFile.h"

class MacroNameIndex {
public:
    // Indexes the list at pHead (may be null). Where ids repeat, the node
    // nearer the head wins. The index points into the list's nodes, which
    // must outlive it unchanged.
    explicit MacroNameIndex(const NameIdNode* pHead);

    // The name of id, or null when the table has none.
    const CString* Find(uint32_t id) const;

private:
    std::unordered_map<uint32_t, const CString*> m_names;
};
