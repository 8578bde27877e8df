// CMenu: a thin wrapper around a menu handle that it does not own.
#pragma once

#include "framework/win32/Win32Api.h"

class CMenu {
public:
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);

    HMENU m_hMenu = nullptr;
};
