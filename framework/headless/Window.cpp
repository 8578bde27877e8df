// Windows: their procedures, user data, text, places and system menus.
#include <algorithm>
#include <functional>

#include "framework/headless/Objects.h"

namespace {

// The one display: the size of the virtual screen the Windows-side tests
// run on.
const RECT kScreen{0, 0, 1280, 1024};

HMONITOR__ g_monitor;

// The items a top-level window's system menu has before the program adds
// any.
std::unique_ptr<HMENU__> MakeSystemMenu()
{
    auto menu = std::make_unique<HMENU__>();
    menu->items = {{MF_STRING, SC_RESTORE, "&Restore"},   {MF_STRING, SC_MOVE, "&Move"},
                   {MF_STRING, SC_SIZE, "&Size"},         {MF_STRING, SC_MINIMIZE, "Mi&nimize"},
                   {MF_STRING, SC_MAXIMIZE, "Ma&ximize"}, {MF_SEPARATOR, 0, ""},
                   {MF_STRING, SC_CLOSE, "&Close"}};
    return menu;
}

void SendDestroy(HWND hWnd)
{
    SendMessageW(hWnd, WM_DESTROY, 0, 0);
    for (auto& child : hWnd->children)
        SendDestroy(child.get());
}

void SendNcDestroy(HWND hWnd)
{
    for (auto& child : hWnd->children)
        SendNcDestroy(child.get());
    SendMessageW(hWnd, WM_NCDESTROY, 0, 0);
}

// The window's origin on the screen.
POINT Origin(HWND hWnd)
{
    POINT at{0, 0};
    for (HWND w = hWnd; w; w = w->parent) {
        at.x += w->rect.left;
        at.y += w->rect.top;
    }
    return at;
}

}  // namespace

namespace headless {

State& GetState()
{
    static State state;
    return state;
}

HWND MakeWindow(HWND parent, WNDPROC proc)
{
    auto window = std::make_unique<HWND__>();
    window->parent = parent;
    window->proc = proc;
    HWND hWnd = window.get();
    if (parent) {
        parent->children.push_back(std::move(window));
    } else {
        window->systemMenu = MakeSystemMenu();
        GetState().topLevel.push_back(std::move(window));
    }
    return hWnd;
}

void Destroy(HWND hWnd)
{
    // As the platform does it: the windows it owns go first; then
    // WM_DESTROY from the window down, WM_NCDESTROY from the children up,
    // so that a window is last to hear it is gone.
    for (HWND owned : OwnedWindows(hWnd))
        Destroy(owned);
    State& state = GetState();
    SendDestroy(hWnd);
    SendNcDestroy(hWnd);
    if (IsInside(hWnd, state.focus))
        state.focus = nullptr;
    if (state.active == hWnd)
        state.active = nullptr;
    auto& windows = hWnd->parent ? hWnd->parent->children : state.topLevel;
    windows.erase(std::find_if(windows.begin(), windows.end(), [hWnd](const auto& w) { return w.get() == hWnd; }));
}

bool IsInside(HWND hAncestor, HWND hWnd)
{
    for (HWND w = hWnd; w; w = w->parent)
        if (w == hAncestor)
            return hAncestor != nullptr;
    return false;
}

bool IsLive(HWND hWnd)
{
    if (!hWnd)
        return false;
    const std::function<bool(const std::vector<std::unique_ptr<HWND__>>&)> among = [&](const auto& windows) {
        for (const auto& w : windows)
            if (w.get() == hWnd || among(w->children))
                return true;
        return false;
    };
    return among(GetState().topLevel);
}

LRESULT CALLBACK ControlWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= TV_FIRST && message < TV_FIRST + 0x100) {
        if (!hWnd->tree)
            hWnd->tree = std::make_unique<TreeView>(hWnd);
        return hWnd->tree->Handle(message, wParam, lParam);
    }
    if (message >= LVM_FIRST && message < LVM_FIRST + 0x100) {
        if (!hWnd->list)
            hWnd->list = std::make_unique<ListView>();
        return hWnd->list->Handle(message, wParam, lParam);
    }
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

int CopyText(const AfxWideString& text, LPWSTR buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    const size_t length = std::min(text.size(), static_cast<size_t>(size) - 1);
    std::copy_n(text.begin(), length, buffer);
    buffer[length] = 0;
    return static_cast<int>(length);
}

}  // namespace headless

LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return hWnd ? hWnd->proc(hWnd, Msg, wParam, lParam) : 0;
}

LRESULT CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    // Only an attached object calls a window's own procedure this way.
    if (hWnd)
        hWnd->defaultCalls.push_back({Msg, wParam, lParam});
    return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

// What the platform does by default with the messages a window leaves to
// it, as far as the program relies on it.
LRESULT DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (!hWnd)
        return 0;
    switch (Msg) {
    case WM_SETTEXT:
        hWnd->text = lParam ? AfxWideString(reinterpret_cast<LPCWSTR>(lParam)) : AfxWideString();
        return TRUE;
    case WM_GETTEXT:
        return headless::CopyText(hWnd->text, reinterpret_cast<LPWSTR>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(hWnd->text.size());
    case WM_SETICON: {
        HICON& slot = hWnd->icons[wParam == ICON_BIG ? 1 : 0];
        HICON old = slot;
        slot = reinterpret_cast<HICON>(lParam);
        return reinterpret_cast<LRESULT>(old);
    }
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(hWnd->icons[wParam == ICON_BIG ? 1 : 0]);
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            hWnd->iconic = true;
            break;
        case SC_RESTORE:
            hWnd->iconic = false;
            break;
        case SC_CLOSE:
            return SendMessageW(hWnd, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_NOTIFYFORMAT:
        // Every window here is made with the wide functions.
        return NFR_UNICODE;
    case WM_NCCREATE:
        // Going on with the making of the window.
        return TRUE;
    case WM_CLOSE:
        return ::DestroyWindow(hWnd);
    case WM_RBUTTONUP: {
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(hWnd, &at);
        return SendMessageW(hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hWnd), MAKELONG(at.x, at.y));
    }
    case WM_CONTEXTMENU:
        // A control's menu is its dialog's to show.
        return hWnd->parent ? SendMessageW(hWnd->parent, Msg, wParam, lParam) : 0;
    default:
        return 0;
    }
}

LONG_PTR GetWindowLongPtrW(HWND hWnd, int nIndex)
{
    if (!hWnd)
        return 0;
    if (nIndex == GWLP_WNDPROC)
        return reinterpret_cast<LONG_PTR>(hWnd->proc);
    if (nIndex == GWLP_USERDATA)
        return hWnd->userData;
    if (nIndex == DWLP_MSGRESULT && hWnd->dialog)
        return hWnd->msgResult;
    return 0;
}

LONG_PTR SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong)
{
    if (!hWnd)
        return 0;
    LONG_PTR old = 0;
    if (nIndex == GWLP_WNDPROC) {
        old = reinterpret_cast<LONG_PTR>(hWnd->proc);
        hWnd->proc = reinterpret_cast<WNDPROC>(dwNewLong);
    } else if (nIndex == GWLP_USERDATA) {
        old = hWnd->userData;
        hWnd->userData = dwNewLong;
    } else if (nIndex == DWLP_MSGRESULT && hWnd->dialog) {
        old = hWnd->msgResult;
        hWnd->msgResult = dwNewLong;
    }
    return old;
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem)
{
    if (!hDlg)
        return nullptr;
    for (auto& child : hDlg->children)
        if (child->id == nIDDlgItem)
            return child.get();
    HWND control = headless::MakeWindow(hDlg, &headless::ControlWindowProc);
    control->id = nIDDlgItem;
    return control;
}

HWND GetWindow(HWND hWnd, UINT uCmd)
{
    return hWnd && uCmd == GW_OWNER ? hWnd->owner : nullptr;
}

HWND GetParent(HWND hWnd)
{
    // A top-level window's "parent" is its owner.
    return hWnd ? (hWnd->parent ? hWnd->parent : hWnd->owner) : nullptr;
}

HWND GetAncestor(HWND hwnd, UINT gaFlags)
{
    if (!hwnd || gaFlags != GA_ROOT)
        return nullptr;
    while (hwnd->parent)
        hwnd = hwnd->parent;
    return hwnd;
}

BOOL IsWindow(HWND hWnd)
{
    return headless::IsLive(hWnd);
}

BOOL DestroyWindow(HWND hWnd)
{
    if (!headless::IsLive(hWnd))
        return FALSE;
    headless::Destroy(hWnd);
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, POINT* lpPoint)
{
    if (!hWnd)
        return FALSE;
    const POINT origin = Origin(hWnd);
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, POINT* lpPoint)
{
    if (!hWnd)
        return FALSE;
    const POINT origin = Origin(hWnd);
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
    return TRUE;
}

UINT RegisterWindowMessageW(LPCWSTR lpString)
{
    if (!lpString)
        return 0;
    auto& registered = headless::GetState().registeredMessages;
    const auto [entry, added] = registered.try_emplace(std::u16string(reinterpret_cast<const char16_t*>(lpString)),
                                                       static_cast<UINT>(0xC000 + registered.size()));
    return entry->second;
}

int GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount)
{
    return static_cast<int>(SendMessageW(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                         reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLengthW(HWND hWnd)
{
    return static_cast<int>(SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowTextW(HWND hWnd, LPCWSTR lpString)
{
    return static_cast<BOOL>(SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)));
}

BOOL IsIconic(HWND hWnd)
{
    return hWnd && hWnd->iconic;
}

BOOL IsWindowVisible(HWND hWnd)
{
    return hWnd != nullptr;
}

BOOL GetClientRect(HWND hWnd, RECT* lpRect)
{
    if (!hWnd)
        return FALSE;
    *lpRect = {0, 0, hWnd->rect.right - hWnd->rect.left, hWnd->rect.bottom - hWnd->rect.top};
    return TRUE;
}

BOOL GetWindowRect(HWND hWnd, RECT* lpRect)
{
    if (!hWnd)
        return FALSE;
    *lpRect = hWnd->rect;
    return TRUE;
}

BOOL SetWindowPos(HWND hWnd, HWND, int X, int Y, int cx, int cy, UINT uFlags)
{
    if (!hWnd)
        return FALSE;
    RECT& rect = hWnd->rect;
    const LONG width = (uFlags & SWP_NOSIZE) ? rect.right - rect.left : cx;
    const LONG height = (uFlags & SWP_NOSIZE) ? rect.bottom - rect.top : cy;
    if (!(uFlags & SWP_NOMOVE)) {
        rect.left = X;
        rect.top = Y;
    }
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    return TRUE;
}

HMONITOR MonitorFromWindow(HWND, DWORD)
{
    return &g_monitor;
}

BOOL GetMonitorInfoW(HMONITOR hMonitor, MONITORINFO* lpmi)
{
    if (hMonitor != &g_monitor || !lpmi)
        return FALSE;
    lpmi->rcMonitor = kScreen;
    lpmi->rcWork = kScreen;
    lpmi->dwFlags = 1;  // the primary monitor
    return TRUE;
}

HMENU GetSystemMenu(HWND hWnd, BOOL bRevert)
{
    if (!hWnd || !hWnd->systemMenu)
        return nullptr;
    if (bRevert) {
        hWnd->systemMenu = MakeSystemMenu();
        return nullptr;
    }
    return hWnd->systemMenu.get();
}

BOOL AppendMenuW(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem)
{
    if (!hMenu)
        return FALSE;
    const bool separator = (uFlags & MF_SEPARATOR) != 0;
    hMenu->items.push_back({uFlags, uIDNewItem, separator || !lpNewItem ? "" : AfxWideToUtf8(lpNewItem)});
    return TRUE;
}

ATOM RegisterClassExW(const WNDCLASSEXW* lpwcx)
{
    if (!lpwcx || !lpwcx->lpszClassName)
        return 0;
    auto& classes = headless::GetState().classes;
    const auto [it, added] = classes.emplace(AfxWideString(lpwcx->lpszClassName), *lpwcx);
    if (!added)
        return 0;
    it->second.lpszClassName = it->first.c_str();
    return static_cast<ATOM>(classes.size());
}

BOOL GetClassInfoExW(HINSTANCE, LPCWSTR lpszClass, WNDCLASSEXW* lpwcx)
{
    const auto& classes = headless::GetState().classes;
    const auto found = lpszClass ? classes.find(AfxWideString(lpszClass)) : classes.end();
    if (found == classes.end() || !lpwcx)
        return FALSE;
    *lpwcx = found->second;
    return TRUE;
}

// Top-level windows only: the program makes no child windows of its own.
HWND CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int X, int Y,
                     int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam)
{
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(hInstance, lpClassName, &wc))
        return nullptr;
    HWND hWnd = headless::MakeWindow(nullptr, wc.lpfnWndProc);
    hWnd->owner = hWndParent;
    hWnd->text = lpWindowName ? AfxWideString(lpWindowName) : AfxWideString();
    hWnd->rect = {X, Y, X + nWidth, Y + nHeight};
    CREATESTRUCTW create{lpParam, hInstance, hMenu, hWndParent, nHeight, nWidth, Y, X, static_cast<LONG>(dwStyle),
                         lpWindowName, lpClassName, dwExStyle};
    if (!SendMessageW(hWnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) ||
        SendMessageW(hWnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        headless::Destroy(hWnd);
        return nullptr;
    }
    SendMessageW(hWnd, WM_SIZE, 0, MAKELONG(nWidth, nHeight));
    return hWnd;
}

BOOL ShowWindow(HWND hWnd, int)
{
    return hWnd != nullptr;
}

BOOL UpdateWindow(HWND hWnd)
{
    if (!hWnd)
        return FALSE;
    if (hWnd->invalid)
        SendMessageW(hWnd, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL InvalidateRect(HWND hWnd, const RECT*, BOOL)
{
    if (!hWnd)
        return FALSE;
    hWnd->invalid = true;
    return TRUE;
}

// Windows here have no frame: the window is its client area.
BOOL AdjustWindowRectEx(RECT* lpRect, DWORD, BOOL, DWORD)
{
    return lpRect != nullptr;
}

HCURSOR LoadCursorW(HINSTANCE, LPCWSTR)
{
    return nullptr;
}

int SetScrollInfo(HWND hwnd, int nBar, const SCROLLINFO* lpsi, BOOL)
{
    if (!hwnd || !lpsi)
        return 0;
    SCROLLINFO& bar = hwnd->scroll[nBar == SB_VERT ? 1 : 0];
    if (lpsi->fMask & SIF_RANGE) {
        bar.nMin = lpsi->nMin;
        bar.nMax = lpsi->nMax;
    }
    if (lpsi->fMask & SIF_PAGE)
        bar.nPage = lpsi->nPage;
    if (lpsi->fMask & SIF_POS)
        bar.nPos = lpsi->nPos;
    // As the platform keeps them: the page within the range, the position
    // where a whole page still fits.
    const long long span = static_cast<long long>(bar.nMax) - bar.nMin + 1;
    bar.nPage = static_cast<UINT>(std::min<long long>(bar.nPage, std::max(span, 0LL)));
    const long long last = static_cast<long long>(bar.nMax) - std::max<long long>(bar.nPage, 1) + 1;
    bar.nPos = static_cast<int>(std::max<long long>(bar.nMin, std::min<long long>(bar.nPos, last)));
    bar.nTrackPos = bar.nPos;
    return bar.nPos;
}

BOOL GetScrollInfo(HWND hwnd, int nBar, SCROLLINFO* lpsi)
{
    if (!hwnd || !lpsi)
        return FALSE;
    const SCROLLINFO& bar = hwnd->scroll[nBar == SB_VERT ? 1 : 0];
    if (lpsi->fMask & SIF_RANGE) {
        lpsi->nMin = bar.nMin;
        lpsi->nMax = bar.nMax;
    }
    if (lpsi->fMask & SIF_PAGE)
        lpsi->nPage = bar.nPage;
    if (lpsi->fMask & SIF_POS)
        lpsi->nPos = bar.nPos;
    if (lpsi->fMask & SIF_TRACKPOS)
        lpsi->nTrackPos = bar.nTrackPos;
    return TRUE;
}
