#include <algorithm>

#include "framework/headless/State.h"

namespace {

// The items a top-level window's system menu has before the program adds any.
std::unique_ptr<HMENU__> MakeSystemMenu()
{
    auto menu = std::make_unique<HMENU__>();
    menu->items = {{MF_STRING, SC_RESTORE, "&Restore"},   {MF_STRING, SC_MOVE, "&Move"},
                   {MF_STRING, SC_SIZE, "&Size"},         {MF_STRING, SC_MINIMIZE, "Mi&nimize"},
                   {MF_STRING, SC_MAXIMIZE, "Ma&ximize"}, {MF_SEPARATOR, 0, ""},
                   {MF_STRING, SC_CLOSE, "&Close"}};
    return menu;
}

// Lets every attached control learn that its window is gone, children first.
void DestroyWindowTree(HWND hWnd)
{
    for (auto& child : hWnd->children)
        DestroyWindowTree(child.get());
    headless::Send(hWnd, WM_DESTROY);
    headless::Send(hWnd, WM_NCDESTROY);
}

}  // namespace

INT_PTR CDialog::DoModal()
{
    headless::State& state = headless::GetState();
    state.topLevel.push_back(std::make_unique<HWND__>());
    HWND hWnd = state.topLevel.back().get();
    hWnd->systemMenu = MakeSystemMenu();
    hWnd->client = {0, 0, 587, 653};
    SubclassWindow(hWnd);

    OnInitDialog();
    headless::ModalScript script;
    if (!state.modalScripts.empty()) {
        script = std::move(state.modalScripts.front());
        state.modalScripts.pop_front();
    }
    if (script && !hWnd->ended)
        script(*this);
    if (!hWnd->ended)
        headless::Send(hWnd, WM_COMMAND, IDCANCEL, 0);
    const INT_PTR result = hWnd->ended ? hWnd->modalResult : IDCANCEL;

    DestroyWindowTree(hWnd);
    auto& windows = state.topLevel;
    windows.erase(std::find_if(windows.begin(), windows.end(), [hWnd](const auto& w) { return w.get() == hWnd; }));
    return result;
}

void CDialog::EndDialog(int nResult)
{
    if (!m_hWnd)
        return;
    m_hWnd->ended = true;
    m_hWnd->modalResult = nResult;
}
