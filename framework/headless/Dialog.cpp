// Modal dialogs: made without a template, run through a scripted loop.
#include "framework/headless/Objects.h"

namespace {

// The size of the main dialog's template on a standard display.
const RECT kDialogRect{0, 0, 587, 653};

}  // namespace

namespace headless {

// As the platform's dialog manager: the dialog procedure first; a message
// it handles answers with the result it stored, WM_INITDIALOG with what it
// returned; the rest gets the default processing of dialogs.
LRESULT CALLBACK DialogWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    hWnd->msgResult = 0;
    const INT_PTR handled = hWnd->dlgProc ? hWnd->dlgProc(hWnd, message, wParam, lParam) : FALSE;
    if (handled)
        return message == WM_INITDIALOG ? handled : hWnd->msgResult;
    if (message == WM_CLOSE)
        return SendMessageW(hWnd, WM_COMMAND, IDCANCEL, 0);
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

}  // namespace headless

INT_PTR DialogBoxParamW(HINSTANCE, LPCWSTR, HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    headless::State& state = headless::GetState();
    HWND hWnd = headless::MakeWindow(nullptr, &headless::DialogWindowProc);
    hWnd->owner = hWndParent;
    hWnd->dialog = true;
    hWnd->dlgProc = lpDialogFunc;
    hWnd->rect = kDialogRect;
    state.runningModalDialogs.push_back(hWnd);
    SendMessageW(hWnd, WM_INITDIALOG, 0, dwInitParam);

    std::function<void(HWND)> body;
    if (!state.modalLoops.empty()) {
        body = std::move(state.modalLoops.front());
        state.modalLoops.pop_front();
    }
    if (body && !hWnd->ended)
        body(hWnd);
    if (!hWnd->ended)
        SendMessageW(hWnd, WM_COMMAND, IDCANCEL, 0);
    const INT_PTR result = hWnd->ended ? hWnd->modalResult : IDCANCEL;
    state.runningModalDialogs.pop_back();
    headless::Destroy(hWnd);
    return result;
}

BOOL EndDialog(HWND hDlg, INT_PTR nResult)
{
    if (!hDlg || !hDlg->dialog)
        return FALSE;
    hDlg->ended = true;
    hDlg->modalResult = nResult;
    return TRUE;
}
