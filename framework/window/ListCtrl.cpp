#include "framework/window/ListCtrl.h"

#include "framework/core/Utf.h"
#include "framework/window/ControlText.h"

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    AfxWideString heading = AfxUtf8ToWide(lpszColumnHeading ? lpszColumnHeading : "");
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
    AfxWideString text = AfxUtf8ToWide(lpszItem ? lpszItem : "");
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = text.data();
    return static_cast<int>(SendMessageW(m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    AfxWideString text = AfxUtf8ToWide(lpszText ? lpszText : "");
    LVITEMW item{};
    item.iSubItem = nSubItem;
    item.pszText = text.data();
    return static_cast<BOOL>(
        SendMessageW(m_hWnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    return AfxReadControlText([&](WCHAR* buffer, int size) {
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

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    return static_cast<int>(
        SendMessageW(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), static_cast<LPARAM>(nFlags)));
}

BOOL CListCtrl::GetItemRect(int nItem, RECT* lpRect, UINT nCode) const
{
    lpRect->left = static_cast<LONG>(nCode);
    return static_cast<BOOL>(
        SendMessageW(m_hWnd, LVM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(lpRect)));
}
