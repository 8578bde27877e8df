#include <algorithm>

#include "framework/headless/State.h"

namespace {

std::vector<_TREEITEM*>& Siblings(HWND hTree, _TREEITEM* item)
{
    return item->parent ? item->parent->children : hTree->treeRoots;
}

_TREEITEM* SiblingAt(HWND hTree, _TREEITEM* item, int step)
{
    auto& list = Siblings(hTree, item);
    const auto pos = std::find(list.begin(), list.end(), item) - list.begin() + step;
    return pos >= 0 && pos < static_cast<long>(list.size()) ? list[static_cast<size_t>(pos)] : nullptr;
}

void NotifySelChanged(HWND hTree, _TREEITEM* oldItem, _TREEITEM* newItem)
{
    NMTREEVIEW nm{};
    nm.hdr.hwndFrom = hTree;
    nm.hdr.idFrom = static_cast<UINT_PTR>(hTree->id);
    nm.hdr.code = TVN_SELCHANGED;
    nm.action = TVC_UNKNOWN;
    nm.itemOld.mask = nm.itemNew.mask = TVIF_PARAM;
    nm.itemOld.hItem = oldItem;
    nm.itemOld.lParam = oldItem ? oldItem->data : 0;
    nm.itemNew.hItem = newItem;
    nm.itemNew.lParam = newItem ? newItem->data : 0;
    headless::Send(hTree->parent, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

void Select(HWND hTree, _TREEITEM* item)
{
    _TREEITEM* old = hTree->treeSelection;
    hTree->treeSelection = item;
    NotifySelChanged(hTree, old, item);
}

// Removes an item the way the platform's tree does: children first, one at
// a time; when the selected item goes, the selection moves to a neighbour
// that is still in the tree and the parent hears of it.
void RemoveSubtree(HWND hTree, _TREEITEM* item)
{
    while (!item->children.empty())
        RemoveSubtree(hTree, item->children.front());
    if (hTree->treeSelection == item) {
        _TREEITEM* next = SiblingAt(hTree, item, 1);
        if (!next)
            next = item->parent;
        if (!next)
            next = SiblingAt(hTree, item, -1);
        Select(hTree, next);
    }
    auto& list = Siblings(hTree, item);
    list.erase(std::find(list.begin(), list.end(), item));
    auto& owned = hTree->treeItems;
    owned.erase(std::find_if(owned.begin(), owned.end(), [item](const auto& p) { return p.get() == item; }));
}

}  // namespace

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter)
{
    if (!m_hWnd)
        return nullptr;
    auto item = std::make_unique<_TREEITEM>();
    item->parent = hParent == TVI_ROOT ? nullptr : hParent;
    item->text = lpszItem ? lpszItem : "";
    item->image = nImage;
    item->selectedImage = nSelectedImage;
    HTREEITEM result = item.get();
    auto& list = Siblings(m_hWnd, result);
    if (hInsertAfter == TVI_FIRST)
        list.insert(list.begin(), result);
    else if (hInsertAfter == TVI_LAST || std::find(list.begin(), list.end(), hInsertAfter) == list.end())
        list.push_back(result);
    else
        list.insert(std::find(list.begin(), list.end(), hInsertAfter) + 1, result);
    m_hWnd->treeItems.push_back(std::move(item));
    return result;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    if (!hItem)
        return FALSE;
    hItem->data = static_cast<LPARAM>(dwData);
    return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    return hItem ? static_cast<DWORD_PTR>(hItem->data) : 0;
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem)
{
    if (!m_hWnd)
        return FALSE;
    if (hItem == TVI_ROOT || !hItem) {
        while (!m_hWnd->treeRoots.empty())
            RemoveSubtree(m_hWnd, m_hWnd->treeRoots.front());
        return TRUE;
    }
    RemoveSubtree(m_hWnd, hItem);
    return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems()
{
    return CTreeCtrl::DeleteItem(TVI_ROOT);
}

HIMAGELIST CTreeCtrl::SetImageList(CImageList* pImageList, int)
{
    HIMAGELIST old = m_hWnd->treeImageList;
    m_hWnd->treeImageList = pImageList ? pImageList->GetSafeHandle() : nullptr;
    return old;
}

HIMAGELIST CTreeCtrl::GetImageList(int) const
{
    return m_hWnd->treeImageList;
}

UINT CTreeCtrl::GetCount() const
{
    return static_cast<UINT>(m_hWnd->treeItems.size());
}

HTREEITEM CTreeCtrl::GetRootItem() const
{
    return m_hWnd->treeRoots.empty() ? nullptr : m_hWnd->treeRoots.front();
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const
{
    return hItem ? hItem->parent : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const
{
    return hItem && !hItem->children.empty() ? hItem->children.front() : nullptr;
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const
{
    return hItem ? SiblingAt(m_hWnd, hItem, 1) : nullptr;
}

HTREEITEM CTreeCtrl::GetSelectedItem() const
{
    return m_hWnd->treeSelection;
}

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem)
{
    if (hItem != m_hWnd->treeSelection)
        Select(m_hWnd, hItem);
    return TRUE;
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    return CString(hItem ? hItem->text : std::string());
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
{
    if (!hItem)
        return FALSE;
    nImage = hItem->image;
    nSelectedImage = hItem->selectedImage;
    return TRUE;
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int)
{
    auto& columns = m_hWnd->columns;
    const size_t at = std::min(static_cast<size_t>(std::max(nCol, 0)), columns.size());
    columns.insert(columns.begin() + static_cast<long>(at), {lpszColumnHeading ? lpszColumnHeading : "", nFormat, nWidth});
    return static_cast<int>(at);
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    const DWORD old = m_hWnd->listExStyle;
    m_hWnd->listExStyle = dwNewStyle;
    return old;
}

DWORD CListCtrl::GetExtendedStyle() const
{
    return m_hWnd->listExStyle;
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    const auto& columns = m_hWnd->columns;
    return nCol >= 0 && static_cast<size_t>(nCol) < columns.size() ? columns[static_cast<size_t>(nCol)].width : 0;
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    auto& rows = m_hWnd->rows;
    const size_t at = std::min(static_cast<size_t>(std::max(nItem, 0)), rows.size());
    std::vector<std::string> row(std::max<size_t>(m_hWnd->columns.size(), 1));
    row[0] = lpszItem ? lpszItem : "";
    rows.insert(rows.begin() + static_cast<long>(at), std::move(row));
    return static_cast<int>(at);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    auto& rows = m_hWnd->rows;
    if (nItem < 0 || static_cast<size_t>(nItem) >= rows.size() || nSubItem < 0)
        return FALSE;
    auto& row = rows[static_cast<size_t>(nItem)];
    if (static_cast<size_t>(nSubItem) >= row.size())
        return FALSE;
    row[static_cast<size_t>(nSubItem)] = lpszText ? lpszText : "";
    return TRUE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    const auto& rows = m_hWnd->rows;
    if (nItem < 0 || static_cast<size_t>(nItem) >= rows.size() || nSubItem < 0)
        return CString();
    const auto& row = rows[static_cast<size_t>(nItem)];
    return static_cast<size_t>(nSubItem) < row.size() ? CString(row[static_cast<size_t>(nSubItem)]) : CString();
}

int CListCtrl::GetItemCount() const
{
    return static_cast<int>(m_hWnd->rows.size());
}

BOOL CListCtrl::DeleteAllItems()
{
    m_hWnd->rows.clear();
    return TRUE;
}

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int, int)
{
    DeleteImageList();
    // The handle owns the list until DeleteImageList, as on the platform.
    m_hImageList = new _IMAGELIST{cx, cy, nFlags, {}};
    return TRUE;
}

int CImageList::Add(HICON hIcon)
{
    if (!m_hImageList || !hIcon)
        return -1;
    m_hImageList->images.push_back(hIcon);
    return static_cast<int>(m_hImageList->images.size()) - 1;
}

int CImageList::GetImageCount() const
{
    return m_hImageList ? static_cast<int>(m_hImageList->images.size()) : 0;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    delete m_hImageList;
    m_hImageList = nullptr;
    return TRUE;
}
