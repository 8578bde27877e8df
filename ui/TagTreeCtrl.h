// The browse tree: a tree control that owns the NodeTag attached to each of
// its items and deletes them with the items and with itself. It also keeps
// the items in the order their tags were attached, which is the order the
// dialog builds its tree in: the n-th is the node of index n (browse/
// NodeIndex.h), found without asking the control for a single item.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "framework/afxcmn.h"
#include "ui/NodeTag.h"

class CTagTreeCtrl : public CTreeCtrl {
public:
    CTagTreeCtrl() = default;
    ~CTagTreeCtrl() override;

    // Records dwData (a NodeTag made with new) for deletion, then attaches
    // it to the item. Each tag may be given once.
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    // Removes the item and deletes its own tag; its children's tags stay
    // recorded until DeleteAllItems or destruction.
    BOOL DeleteItem(HTREEITEM hItem);
    // Removes every item, then deletes every recorded tag.
    BOOL DeleteAllItems();

    // The item whose tag was attached nIndex-th, null beyond the last; and
    // where an item's tag came. After DeleteItem the removed item's place
    // is empty, but its children's still name them until DeleteAllItems.
    HTREEITEM GetTaggedItem(size_t nIndex) const;
    std::optional<size_t> FindTaggedItem(HTREEITEM hItem) const;

protected:
    void FreeAllItemData();

    // Tags in the order they were attached; an entry cleared by DeleteItem
    // stays as null until the next FreeAllItemData.
    std::vector<NodeTag*> m_ownedData;
    // The item of each entry of m_ownedData.
    std::vector<HTREEITEM> m_taggedItems;

    DECLARE_MESSAGE_MAP()
};
