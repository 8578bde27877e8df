#include "ui/TagTreeCtrl.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CTagTreeCtrl, CTreeCtrl)
END_MESSAGE_MAP()

CTagTreeCtrl::~CTagTreeCtrl()
{
    FreeAllItemData();
}

BOOL CTagTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    // Recorded first, so that a block whose attachment fails is still freed.
    m_ownedData.push_back(reinterpret_cast<NodeTag*>(dwData));
    m_taggedItems.push_back(hItem);
    return CTreeCtrl::SetItemData(hItem, dwData);
}

// The tree tells its parent of a new selection while it removes items, and
// that notice names an item still present. Tags are therefore deleted only
// after the removal, so no notice can lead to a freed tag.
BOOL CTagTreeCtrl::DeleteItem(HTREEITEM hItem)
{
    auto* tag = reinterpret_cast<NodeTag*>(CTreeCtrl::GetItemData(hItem));
    if (tag) {
        const auto entry = std::find(m_ownedData.begin(), m_ownedData.end(), tag);
        if (entry != m_ownedData.end()) {
            *entry = nullptr;
            m_taggedItems[static_cast<size_t>(entry - m_ownedData.begin())] = nullptr;
        }
    }
    const BOOL result = CTreeCtrl::DeleteItem(hItem);
    delete tag;
    return result;
}

BOOL CTagTreeCtrl::DeleteAllItems()
{
    // With an item selected, the tree moves the selection from item to item
    // as it removes them and tells the parent each time, which would fill
    // the property list with the rows of nodes on their way out. Nothing
    // selected, it removes them without a word, and faster.
    SelectItem(nullptr);
    const BOOL result = CTreeCtrl::DeleteItem(TVI_ROOT);
    FreeAllItemData();
    return result;
}

void CTagTreeCtrl::FreeAllItemData()
{
    for (NodeTag* tag : m_ownedData)
        delete tag;
    m_ownedData.clear();
    m_taggedItems.clear();
}

HTREEITEM CTagTreeCtrl::GetTaggedItem(size_t nIndex) const
{
    return nIndex < m_taggedItems.size() ? m_taggedItems[nIndex] : nullptr;
}

std::optional<size_t> CTagTreeCtrl::FindTaggedItem(HTREEITEM hItem) const
{
    if (!hItem)
        return std::nullopt;
    const auto found = std::find(m_taggedItems.begin(), m_taggedItems.end(), hItem);
    if (found == m_taggedItems.end())
        return std::nullopt;
    return static_cast<size_t>(found - m_taggedItems.begin());
}
