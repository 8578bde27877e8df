// The keyboard and the focus: keys as a modal loop takes them, message
// filter hooks, the dialog manager's keys and accelerator tables.
#include <algorithm>

#include "framework/headless/Objects.h"

namespace {

// The modal dialog whose loop takes input now.
HWND RunningDialog()
{
    const auto& running = headless::GetState().runningModalDialogs;
    return running.empty() ? nullptr : running.back();
}

// One input message through the running loop, as the platform's dialog
// loop takes it.
void Deliver(HWND target, UINT message, WPARAM wParam)
{
    MSG msg{target, message, wParam, 0, 0, {0, 0}};
    if (HWND dialog = RunningDialog(); dialog && IsDialogMessageW(dialog, &msg))
        return;
    SendMessageW(target, message, wParam, 0);
}

}  // namespace

namespace headless {

bool CallMessageFilters(MSG* msg, int code)
{
    // A filter may add or remove filters: each is looked up again.
    State& state = GetState();
    for (size_t i = 0; i < state.messageFilters.size(); ++i)
        if (state.messageFilters[i]->proc(code, 0, reinterpret_cast<LPARAM>(msg)))
            return true;
    return false;
}

bool IsKeyDown(UINT vk)
{
    const auto& down = GetState().keysDown;
    return std::find(down.begin(), down.end(), vk) != down.end();
}

void PressKey(UINT vk, UINT modifiers)
{
    State& state = GetState();
    HWND target = state.focus ? state.focus : RunningDialog();
    if (!target)
        return;
    std::vector<UINT> held;
    if (modifiers & kCtrl)
        held.push_back(VK_CONTROL);
    if (modifiers & kShift)
        held.push_back(VK_SHIFT);
    if (modifiers & kAlt)
        held.push_back(VK_MENU);
    state.keysDown = held;
    // F10 and keys with Alt are system keys.
    const bool system = vk == VK_F10 || (modifiers & kAlt);
    Deliver(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, vk);
    // The key down may have closed the window.
    if (IsLive(target))
        Deliver(target, system ? WM_SYSKEYUP : WM_KEYUP, vk);
    state.keysDown.clear();
}

void RightClick(HWND hWnd, int x, int y)
{
    SendMessageW(hWnd, WM_RBUTTONUP, 0, MAKELONG(x, y));
}

}  // namespace headless

HWND GetFocus()
{
    return headless::GetState().focus;
}

HWND SetFocus(HWND hWnd)
{
    headless::State& state = headless::GetState();
    HWND old = state.focus;
    if (!hWnd || headless::IsLive(hWnd))
        state.focus = hWnd;
    return old;
}

HWND SetActiveWindow(HWND hWnd)
{
    headless::State& state = headless::GetState();
    HWND old = state.active;
    if (headless::IsLive(hWnd))
        state.active = hWnd;
    return old;
}

DWORD GetCurrentThreadId()
{
    return 1;
}

HHOOK SetWindowsHookExW(int idHook, HOOKPROC lpfn, HINSTANCE, DWORD)
{
    if (idHook != WH_MSGFILTER || !lpfn)
        return nullptr;
    auto& filters = headless::GetState().messageFilters;
    filters.insert(filters.begin(), std::make_unique<HHOOK__>(HHOOK__{lpfn}));
    return filters.front().get();
}

BOOL UnhookWindowsHookEx(HHOOK hhk)
{
    auto& filters = headless::GetState().messageFilters;
    const auto found = std::find_if(filters.begin(), filters.end(), [hhk](const auto& f) { return f.get() == hhk; });
    if (found == filters.end())
        return FALSE;
    filters.erase(found);
    return TRUE;
}

LRESULT CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto& filters = headless::GetState().messageFilters;
    auto next = std::find_if(filters.begin(), filters.end(), [hhk](const auto& f) { return f.get() == hhk; });
    if (next == filters.end() || ++next == filters.end())
        return 0;
    return (*next)->proc(nCode, wParam, lParam);
}

// As the platform's dialog manager: the message filters see the message
// first; a message for another window is not the dialog's; Enter and Esc
// are the dialog's IDOK and IDCANCEL; the rest goes to its window.
BOOL IsDialogMessageW(HWND hDlg, MSG* lpMsg)
{
    if (headless::CallMessageFilters(lpMsg, MSGF_DIALOGBOX))
        return TRUE;
    if (!headless::IsInside(hDlg, lpMsg->hwnd))
        return FALSE;
    if (lpMsg->message == WM_KEYDOWN && (lpMsg->wParam == VK_RETURN || lpMsg->wParam == VK_ESCAPE)) {
        SendMessageW(hDlg, WM_COMMAND, lpMsg->wParam == VK_RETURN ? IDOK : IDCANCEL, 0);
        return TRUE;
    }
    SendMessageW(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
    return TRUE;
}

HACCEL CreateAcceleratorTableW(ACCEL* paccel, int cAccel)
{
    if (!paccel || cAccel <= 0)
        return nullptr;
    auto& tables = headless::GetState().acceleratorTables;
    tables.push_back(std::make_unique<HACCEL__>(HACCEL__{std::vector<ACCEL>(paccel, paccel + cAccel)}));
    return tables.back().get();
}

BOOL DestroyAcceleratorTable(HACCEL hAccel)
{
    auto& tables = headless::GetState().acceleratorTables;
    const auto found =
        std::find_if(tables.begin(), tables.end(), [hAccel](const auto& t) { return t.get() == hAccel; });
    if (found == tables.end())
        return FALSE;
    tables.erase(found);
    return TRUE;
}

// A key down that matches an entry, its Ctrl, Shift and Alt as held, sends
// the entry's command.
int TranslateAcceleratorW(HWND hWnd, HACCEL hAccTable, MSG* lpMsg)
{
    if (!hWnd || !hAccTable || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN))
        return 0;
    const BYTE held =
        static_cast<BYTE>((headless::IsKeyDown(VK_CONTROL) ? FCONTROL : 0) |
                          (headless::IsKeyDown(VK_SHIFT) ? FSHIFT : 0) | (headless::IsKeyDown(VK_MENU) ? FALT : 0));
    for (const ACCEL& entry : hAccTable->entries) {
        if ((entry.fVirt & FVIRTKEY) && entry.key == lpMsg->wParam &&
            (entry.fVirt & (FCONTROL | FSHIFT | FALT)) == held) {
            SendMessageW(hWnd, WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
            return 1;
        }
    }
    return 0;
}
