#include "framework/win32/Win32.h"
#include "framework/window/Dialog.h"
#include "framework/window/WinThread.h"

namespace {

// Centres a dialog over its owner, or over the work area of its monitor
// when it has no visible owner.
void CenterOverOwner(HWND hDlg)
{
    RECT dlg;
    GetWindowRect(hDlg, &dlg);
    RECT area;
    HWND owner = GetWindow(hDlg, GW_OWNER);
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &area);
    } else {
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        GetMonitorInfoW(MonitorFromWindow(hDlg, MONITOR_DEFAULTTOPRIMARY), &info);
        area = info.rcWork;
    }
    const LONG width = dlg.right - dlg.left;
    const LONG height = dlg.bottom - dlg.top;
    const LONG x = area.left + (area.right - area.left - width) / 2;
    const LONG y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(hDlg, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK AfxDlgProc(HWND hDlg, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        auto* pDlg = reinterpret_cast<CDialog*>(lParam);
        pDlg->SubclassWindow(hDlg);
        RECT before;
        GetWindowRect(hDlg, &before);
        const BOOL result = pDlg->OnInitDialog();
        RECT after;
        GetWindowRect(hDlg, &after);
        // A dialog that OnInitDialog did not place is centred.
        if (EqualRect(&before, &after))
            CenterOverOwner(hDlg);
        return result;
    }
    case WM_NOTIFYFORMAT:
        // The framework's text is 8-bit: its controls notify in the ANSI
        // form (TVN_SELCHANGEDA and the like) even in a Unicode dialog.
        SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, NFR_ANSI);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

HWND AfxGetOwnerWindow(const CWnd* pParent, const CWnd* pSelf)
{
    if (pParent)
        return pParent->m_hWnd;
    const CWnd* main = AfxGetMainWnd();
    return main && main != pSelf ? main->m_hWnd : nullptr;
}

INT_PTR CDialog::DoModal()
{
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate),
                           AfxGetOwnerWindow(m_pParentWnd, this), &AfxDlgProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int nResult)
{
    ::EndDialog(m_hWnd, nResult);
}
