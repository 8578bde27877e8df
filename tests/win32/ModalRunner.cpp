#include "ModalRunner.h"

namespace {

std::function<void()> g_body;

// A thread timer reaches its procedure through the modal loop's own
// DispatchMessage, so the body runs with the dialog fully created.
void CALLBACK RunBody(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    KillTimer(nullptr, idEvent);
    std::function<void()> body = std::move(g_body);
    g_body = nullptr;
    if (body)
        body();
}

}  // namespace

INT_PTR RunModal(CDialog& dialog, std::function<void()> body)
{
    g_body = std::move(body);
    SetTimer(nullptr, 0, 50, &RunBody);
    return dialog.DoModal();
}
