#include "framework/window/Wnd.h"

#include <cstdio>
#include <unordered_set>

#include "framework/core/Utf.h"
#include "framework/window/WinThread.h"

namespace {

// The windows that have an object attached, on the one user-interface thread.
std::unordered_set<HWND>& AttachedWindows()
{
    static std::unordered_set<HWND> windows;
    return windows;
}

}  // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    // A window CreateEx makes is attached as it hears it is being made,
    // with the object CreateEx passed; the system's own messages before
    // that one get the default processing.
    if (!pWnd && message == WM_NCCREATE) {
        pWnd = static_cast<CWnd*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (pWnd && !pWnd->Attach(hWnd))
            pWnd = nullptr;
    }
    if (!pWnd)
        return DefWindowProcW(hWnd, message, wParam, lParam);
    return pWnd->WindowProc(message, wParam, lParam);
}

CString AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor)
{
    char name[64];
    std::snprintf(name, sizeof name, "AfxWnd:%x:%p", nClassStyle, static_cast<void*>(hCursor));
    const AfxWideString wideName = AfxUtf8ToWide(name);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(instance, wideName.c_str(), &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.style = nClassStyle;
        wc.lpfnWndProc = &AfxWndProc;
        wc.hInstance = instance;
        wc.hCursor = hCursor;
        wc.lpszClassName = wideName.c_str();
        RegisterClassExW(&wc);
    }
    return CString(name);
}

namespace {

void GetText(HWND hWnd, CString& rString)
{
    const int length = GetWindowTextLengthW(hWnd);
    AfxWideString text(static_cast<size_t>(length > 0 ? length : 0) + 1, 0);
    const int copied = GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    rString = AfxWideToUtf8(text);
}

void SetText(HWND hWnd, LPCTSTR lpszString)
{
    SetWindowTextW(hWnd, AfxUtf8ToWide(lpszString ? lpszString : "").c_str());
}

}  // namespace

const AFX_MSGMAP* PASCAL CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {&CCmdTarget::GetThisMessageMap, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

CWnd::~CWnd()
{
    if (m_hWnd)
        UnsubclassWindow();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Handlers may send messages to their own window: keep the outer
    // message for Default() once the inner one is done.
    const CurrentMessage outer = m_current;
    m_current = {message, wParam, lParam};
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    m_current = outer;

    if (message == WM_NCDESTROY) {
        CWinThread* thread = AfxGetThread();
        if (thread && thread->m_pMainWnd == this)
            thread->m_pMainWnd = nullptr;
        UnsubclassWindow();
        PostNcDestroy();
    }
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    UINT code = 0;
    UINT id = 0;
    if (message == WM_COMMAND) {
        // Menus and accelerators (no control window) are plain commands.
        code = lParam ? HIWORD(wParam) : 0;
        id = LOWORD(wParam);
    } else if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (!header)
            return FALSE;
        code = header->code;
        id = static_cast<UINT>(header->idFrom);
    }
    return DispatchMapped(message, code, id, wParam, lParam, pResult);
}

// The object is kept in the window's user data, which the windows we attach
// to (our dialogs and the system's controls on them) leave to the
// application. Not in a window property: every message of an attached
// window looks its object up, and under Wine GetPropW is a round trip to
// the wineserver, too slow for a lookup on each message of a tree being
// filled with many thousands of items. Other windows of the thread (a
// system dialog's, whose folder view keeps its own object there) may hold
// anything in their user data, so it is read only for a window attached
// here.
CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (!hWnd || AttachedWindows().count(hWnd) == 0)
        return nullptr;
    return reinterpret_cast<CWnd*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent)
{
    if (m_hWnd)
        return FALSE;
    CreateWindowExW(dwExStyle, AfxUtf8ToWide(lpszClassName ? lpszClassName : "").c_str(),
                    AfxUtf8ToWide(lpszWindowName ? lpszWindowName : "").c_str(), dwStyle, x, y, nWidth, nHeight,
                    hWndParent, nullptr, GetModuleHandleW(nullptr), this);
    return m_hWnd != nullptr;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CWnd::Attach(HWND hWndNew)
{
    // A window whose user data is taken, by another object or by its own
    // code, is not attached.
    if (!hWndNew || m_hWnd || GetWindowLongPtrW(hWndNew, GWLP_USERDATA))
        return FALSE;
    SetWindowLongPtrW(hWndNew, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    AttachedWindows().insert(hWndNew);
    m_hWnd = hWndNew;
    m_pfnSuper = nullptr;
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
    AttachedWindows().erase(hWnd);
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
    return hWnd;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
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

void CWnd::GetWindowRect(RECT* lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

void CWnd::Invalidate()
{
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

void CWnd::ClientToScreen(POINT* lpPoint) const
{
    ::ClientToScreen(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(POINT* lpPoint) const
{
    ::ScreenToClient(m_hWnd, lpPoint);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

void CWnd::PostNcDestroy() {}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    SetText(m_hWnd, lpszString);
}

void CWnd::GetWindowText(CString& rString) const
{
    GetText(m_hWnd, rString);
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWnd = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWnd ? SubclassWindow(hWnd) : FALSE;
}

HWND CDataExchange::PrepareCtrl(int nIDC) const
{
    return ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd == nullptr)
        rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        GetText(hWndCtrl, value);
    else
        SetText(hWndCtrl, value);
}
