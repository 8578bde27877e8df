#include "framework/window/Dialog.h"

#include "framework/window/Dc.h"
#include "framework/window/WinThread.h"

namespace {

// Centres a dialog over its owner, or over the work area of its monitor
// when it has no visible owner.
void CenterOverOwner(HWND hDlg)
{
    CRect dlg;
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
    const LONG x = area.left + (area.right - area.left - dlg.Width()) / 2;
    const LONG y = area.top + (area.bottom - area.top - dlg.Height()) / 2;
    SetWindowPos(hDlg, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK AfxDlgProc(HWND hDlg, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        auto* pDlg = reinterpret_cast<CDialog*>(lParam);
        pDlg->SubclassWindow(hDlg);
        CRect before;
        GetWindowRect(hDlg, &before);
        const BOOL result = pDlg->OnInitDialog();
        CRect after;
        GetWindowRect(hDlg, &after);
        // A dialog that OnInitDialog did not place is centred.
        if (before == after)
            CenterOverOwner(hDlg);
        return result;
    }
    case WM_NOTIFYFORMAT:
        // The framework's text is 8-bit: its controls notify in the ANSI
        // form (TVN_SELCHANGEDA and the like) even in a Unicode dialog.
        // Controls ask while the dialog is being made, before any object
        // is attached, so the dialog procedure answers.
        SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, NFR_ANSI);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CDialog::DoModal()
{
    // The platform's own modal loop, with the thread's message filter held
    // for its length, so that the windows' PreTranslateMessage see its
    // input messages first.
    struct ModalLoop {
        CWinThread* thread = AfxGetThread();
        ModalLoop()
        {
            if (thread)
                thread->BeginModalLoop();
        }
        ~ModalLoop()
        {
            if (thread)
                thread->EndModalLoop();
        }
    } loop;
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate),
                           AfxGetOwnerWindow(m_pParentWnd, this), &AfxDlgProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int nResult)
{
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CWnd::OnWndMsg(message, wParam, lParam, pResult))
        return TRUE;
    // Commands the dialog does not handle (Help, say) go to the application.
    CWinThread* thread = AfxGetThread();
    if (message == WM_COMMAND && lParam == 0 && thread)
        return thread->DispatchMapped(WM_COMMAND, 0, LOWORD(wParam), wParam, lParam, pResult);
    return FALSE;
}
