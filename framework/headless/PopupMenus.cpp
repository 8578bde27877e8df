// Context menus: made and destroyed as on the platform; shown, they record
// what they offered and answer from the test's script.
#include <algorithm>

#include "framework/headless/Objects.h"

HMENU CreatePopupMenu()
{
    auto& menus = headless::GetState().popupMenus;
    menus.push_back(std::make_unique<HMENU__>());
    return menus.back().get();
}

BOOL DestroyMenu(HMENU hMenu)
{
    auto& menus = headless::GetState().popupMenus;
    const auto found = std::find_if(menus.begin(), menus.end(), [hMenu](const auto& m) { return m.get() == hMenu; });
    if (found == menus.end())
        return FALSE;
    menus.erase(found);
    return TRUE;
}

BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT*)
{
    headless::State& state = headless::GetState();
    if (!hMenu || !hWnd)
        return FALSE;
    state.trackedMenus.push_back({hMenu->items, x, y, hWnd});
    UINT_PTR choice = 0;
    if (!state.menuChoices.empty()) {
        choice = state.menuChoices.front();
        state.menuChoices.pop_front();
    }
    // A grayed item cannot be chosen.
    const auto item = std::find_if(hMenu->items.begin(), hMenu->items.end(),
                                   [choice](const headless::MenuItem& i) { return i.nID == choice; });
    if (item == hMenu->items.end() || (item->nFlags & (MF_GRAYED | MF_SEPARATOR)))
        choice = 0;
    if (uFlags & TPM_RETURNCMD)
        return static_cast<BOOL>(choice);
    if (choice)
        SendMessageW(hWnd, WM_COMMAND, choice, 0);
    return TRUE;
}
