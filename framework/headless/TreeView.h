// The headless tree view: items in memory, answering the messages the
// platform's tree view answers, with the notices it sends its parent.
#pragma once

#include <memory>
#include <vector>

#include "framework/core/Utf.h"
#include "framework/win32/Win32Api.h"

// An item, linked to its parent and its neighbours so that inserting at
// either end, finding a relative and removing are all constant time.
struct _TREEITEM {
    _TREEITEM* parent = nullptr;
    _TREEITEM* firstChild = nullptr;
    _TREEITEM* lastChild = nullptr;
    _TREEITEM* prev = nullptr;
    _TREEITEM* next = nullptr;
    AfxWideString text;
    int image = 0;
    int selectedImage = 0;
    LPARAM data = 0;
    bool expanded = false;
    size_t slot = 0;  // its place in TreeView::m_items
};

namespace headless {

class TreeView {
public:
    // Asks the parent, as the platform's control does, whether it wants
    // its notices in the ANSI or the Unicode form.
    explicit TreeView(HWND hWnd);

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Every item in display order.
    std::vector<HTREEITEM> Items() const;

private:
    HTREEITEM Insert(const TVINSERTSTRUCTW& insert);
    BOOL Delete(HTREEITEM hItem);
    HTREEITEM Next(UINT code, HTREEITEM hItem) const;
    BOOL Select(HTREEITEM hItem);
    BOOL GetItem(TVITEMW& item) const;
    BOOL SetItem(const TVITEMW& item);
    BOOL Expand(UINT code, HTREEITEM hItem);
    void ExpandParents(HTREEITEM hItem);
    // The items shown, top to bottom: the children of collapsed items are
    // not.
    std::vector<HTREEITEM> VisibleItems() const;
    HTREEITEM HitTest(TVHITTESTINFO& info) const;
    BOOL GetItemRect(RECT& rect) const;

    // Removes top and everything below it, one item at a time, children
    // first and front to back, as the platform does.
    void RemoveSubtree(_TREEITEM* top);
    // Removes one item that has no children left.
    void RemoveLeaf(_TREEITEM* item);
    // Moves the selection and tells the parent.
    void ChangeSelection(_TREEITEM* item);
    template <class Notice>
    void NotifySelChanged(UINT code, _TREEITEM* oldItem, _TREEITEM* newItem);

    HWND m_hWnd;
    bool m_unicodeNotices;
    std::vector<std::unique_ptr<_TREEITEM>> m_items;  // every item, in no order
    _TREEITEM m_root;                                 // holds the top-level items
    _TREEITEM* m_selection = nullptr;
    HIMAGELIST m_imageList = nullptr;
};

}  // namespace headless
