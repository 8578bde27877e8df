#include "framework/window/TreeCtrl.h"

#include <algorithm>
#include <cstring>

#include "framework/core/Utf.h"
#include "framework/window/ControlText.h"

namespace {

HTREEITEM NextItem(HWND hTree, HTREEITEM hItem, UINT nCode)
{
    return reinterpret_cast<HTREEITEM>(SendMessageW(hTree, TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
}

}  // namespace

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter)
{
    AfxWideString text = AfxUtf8ToWide(lpszItem ? lpszItem : "");
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
    return AfxReadControlText([&](WCHAR* buffer, int size) {
        TVITEMW item{};
        item.mask = TVIF_TEXT;
        item.hItem = hItem;
        item.pszText = buffer;
        item.cchTextMax = size;
        if (!SendMessageW(m_hWnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
            return -1;
        // The control may answer with a buffer of its own.
        if (item.pszText != buffer) {
            const size_t length = std::min(std::char_traits<WCHAR>::length(item.pszText), static_cast<size_t>(size) - 1);
            std::char_traits<WCHAR>::copy(buffer, item.pszText, length);
            buffer[length] = 0;
        }
        return 0;
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

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode)
{
    return static_cast<BOOL>(SendMessageW(m_hWnd, TVM_EXPAND, nCode, reinterpret_cast<LPARAM>(hItem)));
}

HTREEITEM CTreeCtrl::HitTest(POINT point) const
{
    TVHITTESTINFO info{};
    info.pt = point;
    return reinterpret_cast<HTREEITEM>(SendMessageW(m_hWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, RECT* lpRect, BOOL bTextOnly) const
{
    // The request names the item in the rectangle's own first bytes.
    std::memcpy(lpRect, &hItem, sizeof hItem);
    return static_cast<BOOL>(
        SendMessageW(m_hWnd, TVM_GETITEMRECT, static_cast<WPARAM>(bTextOnly), reinterpret_cast<LPARAM>(lpRect)));
}
