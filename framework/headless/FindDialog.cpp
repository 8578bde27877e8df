// The common Find dialog: a modeless dialog whose controls answer as a
// person works them, telling its owner of Find Next and of closing.
#include <algorithm>

#include "framework/headless/Objects.h"

namespace {

void Notify(HWND hDlg, DWORD command)
{
    FINDREPLACEW* fr = hDlg->findReplace;
    fr->Flags = (fr->Flags & ~(FR_FINDNEXT | FR_DIALOGTERM)) | command;
    SendMessageW(fr->hwndOwner, RegisterWindowMessageW(FINDMSGSTRINGW), 0, reinterpret_cast<LPARAM>(fr));
}

LRESULT CALLBACK FindDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE)
        return FindDialogProc(hWnd, WM_COMMAND, IDCANCEL, 0);
    if (message != WM_COMMAND)
        return DefWindowProcW(hWnd, message, wParam, lParam);
    FINDREPLACEW* fr = hWnd->findReplace;
    switch (LOWORD(wParam)) {
    case IDOK: {
        // The field's text and the buttons' states, as the dialog sends them.
        const AfxWideString& text = GetDlgItem(hWnd, headless::kFindWhat)->text;
        headless::CopyText(text, fr->lpstrFindWhat, fr->wFindWhatLen);
        fr->Flags &= ~(FR_MATCHCASE | FR_DOWN);
        if (GetDlgItem(hWnd, headless::kMatchCase)->checked)
            fr->Flags |= FR_MATCHCASE;
        if (GetDlgItem(hWnd, headless::kFindDown)->checked)
            fr->Flags |= FR_DOWN;
        Notify(hWnd, FR_FINDNEXT);
        break;
    }
    case IDCANCEL:
        Notify(hWnd, FR_DIALOGTERM);
        headless::Destroy(hWnd);
        break;
    case headless::kMatchCase:
        GetDlgItem(hWnd, headless::kMatchCase)->checked = !GetDlgItem(hWnd, headless::kMatchCase)->checked;
        break;
    case headless::kFindUp:
    case headless::kFindDown:
        GetDlgItem(hWnd, headless::kFindUp)->checked = LOWORD(wParam) == headless::kFindUp;
        GetDlgItem(hWnd, headless::kFindDown)->checked = LOWORD(wParam) == headless::kFindDown;
        break;
    }
    return 0;
}

}  // namespace

namespace headless {

HWND OpenFindDialog()
{
    for (const auto& window : GetState().topLevel)
        if (window->findReplace)
            return window.get();
    return nullptr;
}

bool IsChecked(HWND hDlg, int nID)
{
    return GetDlgItem(hDlg, nID)->checked;
}

}  // namespace headless

HWND FindTextW(FINDREPLACEW* lpfr)
{
    if (!lpfr || !lpfr->hwndOwner || !lpfr->lpstrFindWhat || lpfr->wFindWhatLen < 80)
        return nullptr;
    HWND hWnd = headless::MakeWindow(nullptr, &FindDialogProc);
    hWnd->owner = lpfr->hwndOwner;
    hWnd->dialog = true;
    hWnd->findReplace = lpfr;
    hWnd->text = u"Find";
    const size_t length = std::char_traits<WCHAR>::length(lpfr->lpstrFindWhat);
    GetDlgItem(hWnd, headless::kFindWhat)->text = AfxWideString(lpfr->lpstrFindWhat, length);
    GetDlgItem(hWnd, headless::kMatchCase)->checked = (lpfr->Flags & FR_MATCHCASE) != 0;
    GetDlgItem(hWnd, headless::kFindDown)->checked = (lpfr->Flags & FR_DOWN) != 0;
    GetDlgItem(hWnd, headless::kFindUp)->checked = (lpfr->Flags & FR_DOWN) == 0;
    SetFocus(GetDlgItem(hWnd, headless::kFindWhat));
    return hWnd;
}
