// The browse tree: a tree control that owns the NodeTag attached to each of
// its items and deletes them with the items and with itself.
#pragma once

#include <vector>

#include "ui/NodeTag.h"
#include "framework/afxcmn.h"

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

protected:
    void FreeAllItemData();

    // Tags in the order they were attached; an entry cleared by DeleteItem
    // stays as null until the next FreeAllItemData.
    std::vector<NodeTag*> m_ownedData;

    DECLARE_MESSAGE_MAP()
};
