#include "browse/MacroNameIndex.h"

MacroNameIndex::MacroNameIndex(const NameIdNode* pHead)
{
    // Room for every name at once, so that no insert rehashes: Find Next
    // makes an index each time.
    size_t count = 0;
    for (const NameIdNode* node = pHead; node; node = node->next)
        ++count;
    m_names.reserve(count);
    for (const NameIdNode* node = pHead; node; node = node->next)
        m_names.try_emplace(node->id, &node->name);  // keeps the first
}

const CString* MacroNameIndex::Find(uint32_t id) const
{
    const auto found = m_names.find(id);
    return found == m_names.end() ? nullptr : found->second;
}
