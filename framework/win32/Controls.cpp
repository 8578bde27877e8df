#include <string>

#include "framework/core/Utf.h"
#include "framework/window/ImageList.h"
#include "framework/window/ListCtrl.h"
#include "framework/window/TreeCtrl.h"

namespace {

// Text of a tree item or list cell, read through a growing buffer.
template <class Read>
CString ReadText(Read read)
{
    for (size_t size = 256;; size *= 4) {
        std::wstring buffer(size, L'\0');
        const int length = read(buffer.data(), static_cast<int>(size));
        if (length < 0)
            return CString();
        if (static_cast<size_t>(length) + 1 < size || size >= (1u << 20)) {
            buffer.resize(std::wcslen(buffer.c_str()));
            return CString(AfxWideToUtf8(buffer));
        }
    }
}

}  // namespace

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter)
{
    std::wstring text = AfxUtf8ToWide(lpszItem ? lpszItem : "");
    TVINSERTSTRUCTW insert{};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = text.data();
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    return reinterpret_cast<HTREEITEM>(SendMessageW(m_hWnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    TVITEMW item{};
    item.mask = TVIF_PARAM;
    item.hItem = hItem;
    item.lParam = static_cast<LPARAM>(dwData);
    return static_cast<BOOL>(SendMessageW(m_hWnd, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    TVITEMW item{};
    item.mask = TVIF_PARAM;
    item.hItem = hItem;
    if (!hItem || !SendMessageW(m_hWnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return 0;
    return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem)
{
    return static_cast<BOOL>(SendMessageW(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(hItem)));
}

BOOL CTreeCtrl::DeleteAllItems()
{
    return CTreeCtrl::DeleteItem(TVI_ROOT);
}

HIMAGELIST CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    return reinterpret_cast<HIMAGELIST>(
        SendMessageW(m_hWnd, TVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType),
                     reinterpret_cast<LPARAM>(pImageList ? pImageList->GetSafeHandle() : nullptr)));
}

HIMAGELIST CTreeCtrl::GetImageList(int nImageListType) const
{
    return reinterpret_cast<HIMAGELIST>(SendMessageW(m_hWnd, TVM_GETIMAGELIST, static_cast<WPARAM>(nImageListType), 0));
}

UINT CTreeCtrl::GetCount() const
{
    return static_cast<UINT>(SendMessageW(m_hWnd, TVM_GETCOUNT, 0, 0));
}

namespace {
HTREEITEM NextItem(HWND hTree, HTREEITEM hItem, UINT nCode)
{
    return reinterpret_cast<HTREEITEM>(SendMessageW(hTree, TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
}
}  // namespace

HTREEITEM CTreeCtrl::GetRootItem() const
{
    return NextItem(m_hWnd, nullptr, TVGN_ROOT);
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const
{
    return NextItem(m_hWnd, hItem, TVGN_PARENT);
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const
{
    return NextItem(m_hWnd, hItem, TVGN_CHILD);
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const
{
    return NextItem(m_hWnd, hItem, TVGN_NEXT);
}

HTREEITEM CTreeCtrl::GetSelectedItem() const
{
    return NextItem(m_hWnd, nullptr, TVGN_CARET);
}

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem)
{
    return static_cast<BOOL>(SendMessageW(m_hWnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem)));
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    return ReadText([&](wchar_t* buffer, int size) {
        TVITEMW item{};
        item.mask = TVIF_TEXT;
        item.hItem = hItem;
        item.pszText = buffer;
        item.cchTextMax = size;
        if (!SendMessageW(m_hWnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
            return -1;
        if (item.pszText != buffer)  // the control may answer with its own buffer
            wcsncpy(buffer, item.pszText, static_cast<size_t>(size) - 1);
        return static_cast<int>(std::wcslen(buffer));
    });
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
{
    TVITEMW item{};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = hItem;
    if (!SendMessageW(m_hWnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return FALSE;
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
    return TRUE;
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    std::wstring heading = AfxUtf8ToWide(lpszColumnHeading ? lpszColumnHeading : "");
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT;
    column.fmt = nFormat;
    column.pszText = heading.data();
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return static_cast<int>(SendMessageW(m_hWnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(nCol),
                                         reinterpret_cast<LPARAM>(&column)));
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    return static_cast<DWORD>(SendMessageW(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwNewStyle)));
}

DWORD CListCtrl::GetExtendedStyle() const
{
    return static_cast<DWORD>(SendMessageW(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    return static_cast<int>(SendMessageW(m_hWnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol), 0));
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    std::wstring text = AfxUtf8ToWide(lpszItem ? lpszItem : "");
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = text.data();
    return static_cast<int>(SendMessageW(m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    std::wstring text = AfxUtf8ToWide(lpszText ? lpszText : "");
    LVITEMW item{};
    item.iSubItem = nSubItem;
    item.pszText = text.data();
    return static_cast<BOOL>(
        SendMessageW(m_hWnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    return ReadText([&](wchar_t* buffer, int size) {
        LVITEMW item{};
        item.iSubItem = nSubItem;
        item.pszText = buffer;
        item.cchTextMax = size;
        return static_cast<int>(
            SendMessageW(m_hWnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
    });
}

int CListCtrl::GetItemCount() const
{
    return static_cast<int>(SendMessageW(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

BOOL CListCtrl::DeleteAllItems()
{
    return static_cast<BOOL>(SendMessageW(m_hWnd, LVM_DELETEALLITEMS, 0, 0));
}

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    DeleteImageList();
    m_hImageList = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    return m_hImageList != nullptr;
}

int CImageList::Add(HICON hIcon)
{
    return ImageList_ReplaceIcon(m_hImageList, -1, hIcon);
}

int CImageList::GetImageCount() const
{
    return ImageList_GetImageCount(m_hImageList);
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return TRUE;
}
