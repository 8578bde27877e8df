#include "framework/window/Menu.h"

#include "framework/core/Utf.h"

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    if (nFlags & MF_SEPARATOR)
        return AppendMenuW(m_hMenu, nFlags, nIDNewItem, nullptr);
    return AppendMenuW(m_hMenu, nFlags, nIDNewItem, AfxUtf8ToWide(lpszNewItem ? lpszNewItem : "").c_str());
}
