#include "framework/headless/State.h"
#include "framework/window/Backend.h"

HWND AfxGetDlgItem(HWND hDlg, int nID)
{
    return headless::Child(hDlg, nID);
}

void AfxGetWindowText(HWND hWnd, CString& rString)
{
    rString = hWnd ? hWnd->text.c_str() : "";
}

void AfxSetWindowText(HWND hWnd, LPCTSTR lpszString)
{
    if (hWnd)
        hWnd->text = lpszString ? lpszString : "";
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!hWnd || hWnd->wnd || m_hWnd)
        return FALSE;
    hWnd->wnd = this;
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = m_hWnd;
    if (hWnd && hWnd->wnd == this)
        hWnd->wnd = nullptr;
    m_hWnd = nullptr;
    return hWnd;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return headless::Send(m_hWnd, message, wParam, lParam);
}

// What the platform does by default with the messages the program leaves
// to it, as far as the tests need: icons, minimising and closing.
LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = m_hWnd;
    if (!hWnd)
        return 0;
    hWnd->defaultCalls.push_back({message, wParam, lParam});
    switch (message) {
    case WM_SETICON: {
        HICON& slot = hWnd->icons[wParam == ICON_BIG ? 1 : 0];
        HICON old = slot;
        slot = reinterpret_cast<HICON>(lParam);
        return reinterpret_cast<LRESULT>(old);
    }
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            hWnd->iconic = true;
            break;
        case SC_RESTORE:
            hWnd->iconic = false;
            break;
        case SC_CLOSE:
            return headless::Send(hWnd, WM_CLOSE);
        }
        return 0;
    case WM_CLOSE:
        return headless::Send(hWnd, WM_COMMAND, IDCANCEL, 0);
    default:
        return 0;
    }
}

CMenu* CWnd::GetSystemMenu(BOOL)
{
    if (!m_hWnd || !m_hWnd->systemMenu)
        return nullptr;
    m_menuSystem.m_hMenu = m_hWnd->systemMenu.get();
    return &m_menuSystem;
}

BOOL CWnd::IsIconic() const
{
    return m_hWnd && m_hWnd->iconic;
}

void CWnd::GetClientRect(RECT* lpRect) const
{
    *lpRect = m_hWnd ? m_hWnd->client : RECT{0, 0, 0, 0};
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    if (!m_hMenu)
        return FALSE;
    const bool separator = (nFlags & MF_SEPARATOR) != 0;
    m_hMenu->items.push_back({nFlags, nIDNewItem, separator || !lpszNewItem ? "" : lpszNewItem});
    return TRUE;
}
