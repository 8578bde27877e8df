#include "ModalRunner.h"

#include <map>

namespace {

std::map<UINT_PTR, std::function<void()>> g_bodies;

// A thread timer reaches its procedure through the running modal loop's
// own DispatchMessage, so the body runs inside that loop.
void CALLBACK RunBody(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    KillTimer(nullptr, idEvent);
    const auto found = g_bodies.find(idEvent);
    if (found == g_bodies.end())
        return;
    std::function<void()> body = std::move(found->second);
    g_bodies.erase(found);
    body();
}

}  // namespace

void RunLater(std::function<void()> body, UINT ms)
{
    g_bodies[SetTimer(nullptr, 0, ms, &RunBody)] = std::move(body);
}

INT_PTR RunModal(CDialog& dialog, std::function<void()> body)
{
    RunLater(std::move(body));
    return dialog.DoModal();
}
