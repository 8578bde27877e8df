#include "framework/headless/TreeView.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "framework/headless/Objects.h"

namespace headless {

namespace {

bool IsSpecial(HTREEITEM hItem)
{
    return hItem == TVI_ROOT || hItem == TVI_FIRST || hItem == TVI_LAST;
}

// Puts item among parent's children after `after`, or first when after is
// null.
void Link(_TREEITEM* parent, _TREEITEM* item, _TREEITEM* after)
{
    item->parent = parent;
    item->prev = after;
    item->next = after ? after->next : parent->firstChild;
    if (item->prev)
        item->prev->next = item;
    else
        parent->firstChild = item;
    if (item->next)
        item->next->prev = item;
    else
        parent->lastChild = item;
}

void Unlink(_TREEITEM* item)
{
    _TREEITEM* parent = item->parent;
    if (item->prev)
        item->prev->next = item->next;
    else
        parent->firstChild = item->next;
    if (item->next)
        item->next->prev = item->prev;
    else
        parent->lastChild = item->prev;
}

}  // namespace

TreeView::TreeView(HWND hWnd)
    : m_hWnd(hWnd),
      m_unicodeNotices(SendMessageW(hWnd->parent, WM_NOTIFYFORMAT, reinterpret_cast<WPARAM>(hWnd), NF_QUERY) ==
                       NFR_UNICODE)
{
}

LRESULT TreeView::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case TVM_INSERTITEMW:
        return reinterpret_cast<LRESULT>(Insert(*reinterpret_cast<const TVINSERTSTRUCTW*>(lParam)));
    case TVM_DELETEITEM:
        return Delete(reinterpret_cast<HTREEITEM>(lParam));
    case TVM_GETNEXTITEM:
        return reinterpret_cast<LRESULT>(Next(static_cast<UINT>(wParam), reinterpret_cast<HTREEITEM>(lParam)));
    case TVM_SELECTITEM:
        return wParam == TVGN_CARET && Select(reinterpret_cast<HTREEITEM>(lParam));
    case TVM_GETITEMW:
        return GetItem(*reinterpret_cast<TVITEMW*>(lParam));
    case TVM_SETITEMW:
        return SetItem(*reinterpret_cast<const TVITEMW*>(lParam));
    case TVM_GETCOUNT:
        return static_cast<LRESULT>(m_items.size());
    case TVM_SETIMAGELIST: {
        if (wParam != TVSIL_NORMAL)
            return 0;
        HIMAGELIST old = m_imageList;
        m_imageList = reinterpret_cast<HIMAGELIST>(lParam);
        return reinterpret_cast<LRESULT>(old);
    }
    case TVM_GETIMAGELIST:
        return wParam == TVSIL_NORMAL ? reinterpret_cast<LRESULT>(m_imageList) : 0;
    case TVM_EXPAND:
        return Expand(static_cast<UINT>(wParam), reinterpret_cast<HTREEITEM>(lParam));
    case TVM_HITTEST:
        return reinterpret_cast<LRESULT>(HitTest(*reinterpret_cast<TVHITTESTINFO*>(lParam)));
    case TVM_GETITEMRECT:
        return GetItemRect(*reinterpret_cast<RECT*>(lParam));
    default:
        return DefWindowProcW(m_hWnd, message, wParam, lParam);
    }
}

std::vector<HTREEITEM> TreeView::Items() const
{
    std::vector<HTREEITEM> out;
    out.reserve(m_items.size());
    for (_TREEITEM* item = m_root.firstChild; item;) {
        out.push_back(item);
        if (item->firstChild) {
            item = item->firstChild;
            continue;
        }
        while (item != &m_root && !item->next)
            item = item->parent;
        item = item == &m_root ? nullptr : item->next;
    }
    return out;
}

HTREEITEM TreeView::Insert(const TVINSERTSTRUCTW& insert)
{
    _TREEITEM* parent = !insert.hParent || insert.hParent == TVI_ROOT ? &m_root : insert.hParent;
    auto owned = std::make_unique<_TREEITEM>();
    _TREEITEM* item = owned.get();
    item->slot = m_items.size();
    m_items.push_back(std::move(owned));
    TVITEMW fields = insert.item;
    fields.hItem = item;
    SetItem(fields);

    // After a sibling it names; at the front for TVI_FIRST; else at the end.
    _TREEITEM* after = parent->lastChild;
    if (insert.hInsertAfter == TVI_FIRST)
        after = nullptr;
    else if (insert.hInsertAfter && !IsSpecial(insert.hInsertAfter) && insert.hInsertAfter->parent == parent)
        after = insert.hInsertAfter;
    Link(parent, item, after);
    return item;
}

BOOL TreeView::Delete(HTREEITEM hItem)
{
    if (!hItem || hItem == TVI_ROOT) {
        while (m_root.firstChild)
            RemoveSubtree(m_root.firstChild);
        return TRUE;
    }
    if (IsSpecial(hItem))
        return FALSE;
    RemoveSubtree(hItem);
    return TRUE;
}

void TreeView::RemoveSubtree(_TREEITEM* top)
{
    // Once an item's first child is gone, the next one is first: walking
    // down first children and back up reaches every item without a stack.
    _TREEITEM* item = top;
    for (;;) {
        while (item->firstChild)
            item = item->firstChild;
        _TREEITEM* parent = item->parent;
        const bool last = item == top;
        RemoveLeaf(item);
        if (last)
            return;
        item = parent;
    }
}

void TreeView::RemoveLeaf(_TREEITEM* item)
{
    // The selection moves on to an item that stays: the next sibling, else
    // the parent, else the previous sibling. The notice names both while
    // both are still in the tree.
    if (item == m_selection) {
        _TREEITEM* next = item->next;
        if (!next && item->parent != &m_root)
            next = item->parent;
        if (!next)
            next = item->prev;
        ChangeSelection(next);
    }
    Unlink(item);
    // Swapped with the last item, so that freeing it takes constant time.
    const size_t slot = item->slot;
    std::swap(m_items[slot], m_items.back());
    m_items[slot]->slot = slot;
    m_items.pop_back();
}

HTREEITEM TreeView::Next(UINT code, HTREEITEM hItem) const
{
    const bool isItem = hItem && !IsSpecial(hItem);
    switch (code) {
    case TVGN_ROOT:
        return m_root.firstChild;
    case TVGN_CARET:
        return m_selection;
    case TVGN_CHILD:
        return isItem ? hItem->firstChild : m_root.firstChild;
    case TVGN_NEXT:
        return isItem ? hItem->next : nullptr;
    case TVGN_PREVIOUS:
        return isItem ? hItem->prev : nullptr;
    case TVGN_PARENT:
        return isItem && hItem->parent != &m_root ? hItem->parent : nullptr;
    default:
        return nullptr;
    }
}

BOOL TreeView::Select(HTREEITEM hItem)
{
    if (hItem && IsSpecial(hItem))
        return FALSE;
    // The platform shows the item it selects.
    if (hItem)
        ExpandParents(hItem);
    if (hItem != m_selection)
        ChangeSelection(hItem);
    return TRUE;
}

BOOL TreeView::Expand(UINT code, HTREEITEM hItem)
{
    if (!hItem || IsSpecial(hItem) || !hItem->firstChild)
        return FALSE;
    if (code == TVE_EXPAND)
        hItem->expanded = true;
    else if (code == TVE_COLLAPSE)
        hItem->expanded = false;
    else
        return FALSE;
    return TRUE;
}

void TreeView::ExpandParents(HTREEITEM hItem)
{
    for (_TREEITEM* parent = hItem->parent; parent != &m_root; parent = parent->parent)
        parent->expanded = true;
}

std::vector<HTREEITEM> TreeView::VisibleItems() const
{
    std::vector<HTREEITEM> out;
    for (_TREEITEM* item = m_root.firstChild; item;) {
        out.push_back(item);
        if (item->firstChild && item->expanded) {
            item = item->firstChild;
            continue;
        }
        while (item != &m_root && !item->next)
            item = item->parent;
        item = item == &m_root ? nullptr : item->next;
    }
    return out;
}

HTREEITEM TreeView::HitTest(TVHITTESTINFO& info) const
{
    const std::vector<HTREEITEM> rows = VisibleItems();
    const LONG row = info.pt.y >= 0 ? info.pt.y / kRowHeight : -1;
    info.hItem = row >= 0 && static_cast<size_t>(row) < rows.size() && info.pt.x >= 0 ? rows[row] : nullptr;
    return info.hItem;
}

BOOL TreeView::GetItemRect(RECT& rect) const
{
    HTREEITEM hItem;
    std::memcpy(&hItem, &rect, sizeof hItem);
    const std::vector<HTREEITEM> rows = VisibleItems();
    const auto found = std::find(rows.begin(), rows.end(), hItem);
    if (found == rows.end())
        return FALSE;
    const LONG top = static_cast<LONG>(found - rows.begin()) * kRowHeight;
    rect = RECT{0, top, 100, top + kRowHeight};
    return TRUE;
}

void TreeView::ChangeSelection(_TREEITEM* item)
{
    _TREEITEM* old = m_selection;
    m_selection = item;
    if (m_unicodeNotices)
        NotifySelChanged<NMTREEVIEWW>(TVN_SELCHANGEDW, old, item);
    else
        NotifySelChanged<NMTREEVIEWA>(TVN_SELCHANGEDA, old, item);
}

template <class Notice>
void TreeView::NotifySelChanged(UINT code, _TREEITEM* oldItem, _TREEITEM* newItem)
{
    Notice nm{};
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = static_cast<UINT_PTR>(m_hWnd->id);
    nm.hdr.code = code;
    nm.action = TVC_UNKNOWN;
    nm.itemOld.mask = nm.itemNew.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
    nm.itemOld.hItem = oldItem;
    nm.itemOld.lParam = oldItem ? oldItem->data : 0;
    nm.itemNew.hItem = newItem;
    nm.itemNew.state = newItem ? TVIS_SELECTED : 0;
    nm.itemNew.lParam = newItem ? newItem->data : 0;
    SendMessageW(m_hWnd->parent, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

BOOL TreeView::GetItem(TVITEMW& item) const
{
    const _TREEITEM* source = item.hItem;
    if (!source || IsSpecial(item.hItem))
        return FALSE;
    if (item.mask & TVIF_TEXT)
        CopyText(source->text, item.pszText, item.cchTextMax);
    if (item.mask & TVIF_IMAGE)
        item.iImage = source->image;
    if (item.mask & TVIF_SELECTEDIMAGE)
        item.iSelectedImage = source->selectedImage;
    if (item.mask & TVIF_PARAM)
        item.lParam = source->data;
    if (item.mask & TVIF_STATE)
        item.state = (source == m_selection ? TVIS_SELECTED : 0) & item.stateMask;
    return TRUE;
}

BOOL TreeView::SetItem(const TVITEMW& item)
{
    _TREEITEM* target = item.hItem;
    if (!target || IsSpecial(item.hItem))
        return FALSE;
    if (item.mask & TVIF_TEXT)
        target->text = item.pszText ? AfxWideString(item.pszText) : AfxWideString();
    if (item.mask & TVIF_IMAGE)
        target->image = item.iImage;
    if (item.mask & TVIF_SELECTEDIMAGE)
        target->selectedImage = item.iSelectedImage;
    if (item.mask & TVIF_PARAM)
        target->data = item.lParam;
    return TRUE;
}

}  // namespace headless
