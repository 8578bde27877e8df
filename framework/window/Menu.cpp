#include "framework/window/Menu.h"

#include "framework/core/Utf.h"
#include "framework/window/Wnd.h"

CMenu::~CMenu()
{
    if (m_bOwned && m_hMenu)
        DestroyMenu(m_hMenu);
}

BOOL CMenu::CreatePopupMenu()
{
    if (m_bOwned && m_hMenu)
        DestroyMenu(m_hMenu);
    m_hMenu = ::CreatePopupMenu();
    m_bOwned = m_hMenu != nullptr;
    return m_bOwned;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    if (nFlags & MF_SEPARATOR)
        return AppendMenuW(m_hMenu, nFlags, nIDNewItem, nullptr);
    return AppendMenuW(m_hMenu, nFlags, nIDNewItem, AfxUtf8ToWide(lpszNewItem ? lpszNewItem : "").c_str());
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, nullptr);
}
