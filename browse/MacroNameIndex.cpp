#include "browse/MacroNameIndex.h"

MacroNameIndex::MacroNameIndex(const NameIdNode* pHead)
{
    for (const NameIdNode* node = pHead; node; node = node->next)
        m_names.try_emplace(node->id, &node->name);  // keeps the first
}

const CString* MacroNameIndex::Find(uint32_t id) const
{
    const auto found = m_names.find(id);
    return found == m_names.end() ? nullptr : found->second;
}
