// CMenu: a thin wrapper around a menu handle. A menu it made itself
// (CreatePopupMenu) it destroys with itself; one it was handed (the system
// menu) it never does.
#pragma once

#include "framework/win32/Win32Api.h"

class CWnd;

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu();

    BOOL CreatePopupMenu();
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    // Shows the menu at (x, y) on the screen for pWnd and returns when it
    // closes. With TPM_RETURNCMD the result is the command chosen, 0 for
    // none, and no command is sent.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd);

    HMENU m_hMenu = nullptr;

private:
    bool m_bOwned = false;
};
