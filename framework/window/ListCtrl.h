// CListCtrl: the platform's list view, used in report mode.
#pragma once

#include "framework/window/Wnd.h"

class CListCtrl : public CWnd {
public:
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    // Sets the whole extended style; returns the previous one.
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    DWORD GetExtendedStyle() const;
    int GetColumnWidth(int nCol) const;

    // Inserts a row whose first column shows lpszItem; returns its index.
    int InsertItem(int nItem, LPCTSTR lpszItem);
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemCount() const;
    BOOL DeleteAllItems();
    // The next row after nItem (-1: from the first) that has nFlags
    // (LVNI_SELECTED); -1 when none has.
    int GetNextItem(int nItem, int nFlags) const;
    // The row's place in client coordinates (nCode LVIR_BOUNDS).
    BOOL GetItemRect(int nItem, RECT* lpRect, UINT nCode) const;
};
