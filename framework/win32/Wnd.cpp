#include "framework/core/Utf.h"
#include "framework/win32/Win32.h"
#include "framework/window/Backend.h"
#include "framework/window/Wnd.h"

// The object is kept in the window's user data, which the windows we attach
// to (our dialogs and the system's controls on them) leave to the
// application. Not in a window property: every message of an attached
// window looks its object up, and under Wine GetPropW is a round trip to
// the wineserver (about 30 us), which made filling a tree of 100,000 items
// take seconds longer.
CWnd* AfxWndFromHandle(HWND hWnd)
{
    return reinterpret_cast<CWnd*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = AfxWndFromHandle(hWnd);
    if (!pWnd)
        return DefWindowProcW(hWnd, message, wParam, lParam);
    return pWnd->WindowProc(message, wParam, lParam);
}

HWND AfxGetDlgItem(HWND hDlg, int nID)
{
    return ::GetDlgItem(hDlg, nID);
}

void AfxGetWindowText(HWND hWnd, CString& rString)
{
    const int length = GetWindowTextLengthW(hWnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hWnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    rString = AfxWideToUtf8(text).c_str();
}

void AfxSetWindowText(HWND hWnd, LPCTSTR lpszString)
{
    SetWindowTextW(hWnd, AfxUtf8ToWide(lpszString ? lpszString : "").c_str());
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    // A window whose user data is taken, by another object or by its own
    // code, is not attached.
    if (!hWnd || m_hWnd || GetWindowLongPtrW(hWnd, GWLP_USERDATA))
        return FALSE;
    SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_hWnd = hWnd;
    m_pfnSuper = reinterpret_cast<void*>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = m_hWnd;
    if (!hWnd)
        return nullptr;
    if (m_pfnSuper)
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
    return hWnd;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return CallWindowProcW(reinterpret_cast<WNDPROC>(m_pfnSuper), m_hWnd, message, wParam, lParam);
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageW(m_hWnd, message, wParam, lParam);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert)
{
    m_menuSystem.m_hMenu = ::GetSystemMenu(m_hWnd, bRevert);
    return m_menuSystem.m_hMenu ? &m_menuSystem : nullptr;
}

BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}

void CWnd::GetClientRect(RECT* lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    if (nFlags & MF_SEPARATOR)
        return AppendMenuW(m_hMenu, nFlags, nIDNewItem, nullptr);
    return AppendMenuW(m_hMenu, nFlags, nIDNewItem, AfxUtf8ToWide(lpszNewItem ? lpszNewItem : "").c_str());
}
