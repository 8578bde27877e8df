// The macro table by id, for labelling a whole tree: a list walk per node
// would cost names x nodes, an index costs one pass over the names.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "style/uiFile.h"

class MacroNameIndex {
public:
    // Indexes the list at pHead (may be null). Where ids repeat, the node
    // nearer the head wins, as with LookupMacroName. The index points into
    // the list's nodes, which must outlive it unchanged.
    explicit MacroNameIndex(const NameIdNode* pHead);

    // The name of id, or null when the table has none.
    const CString* Find(uint32_t id) const;

private:
    std::unordered_map<uint32_t, const CString*> m_names;
};
