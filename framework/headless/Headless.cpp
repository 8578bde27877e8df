#include "framework/headless/Headless.h"

#include "framework/headless/State.h"

namespace headless {

State& GetState()
{
    static State state;
    return state;
}

void PushModal(ModalScript script)
{
    GetState().modalScripts.push_back(std::move(script));
}

void PushFileDialog(INT_PTR result, const std::string& path)
{
    GetState().fileDialogAnswers.emplace_back(result, path);
}

const std::vector<FileDialogRequest>& FileDialogs()
{
    return GetState().fileDialogs;
}

const std::vector<MessageBoxRequest>& MessageBoxes()
{
    return GetState().messageBoxes;
}

void SetString(UINT nID, const std::string& text)
{
    GetState().strings[nID] = text;
}

void AddIcon(UINT nID)
{
    auto& icon = GetState().icons[nID];
    if (!icon)
        icon = std::make_unique<HICON__>(HICON__{nID});
}

void Reset()
{
    State& state = GetState();
    state.modalScripts.clear();
    state.fileDialogAnswers.clear();
    state.fileDialogs.clear();
    state.messageBoxes.clear();
    state.strings.clear();
    state.icons.clear();
}

LRESULT Send(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!hWnd)
        return 0;
    if (hWnd->wnd)
        return hWnd->wnd->WindowProc(message, wParam, lParam);
    return 0;
}

HWND Child(HWND hDlg, int nID)
{
    if (!hDlg)
        return nullptr;
    for (auto& child : hDlg->children)
        if (child->id == nID)
            return child.get();
    auto child = std::make_unique<HWND__>();
    child->parent = hDlg;
    child->id = nID;
    hDlg->children.push_back(std::move(child));
    return hDlg->children.back().get();
}

void Click(CWnd& dialog, int nID)
{
    HWND button = Child(dialog.m_hWnd, nID);
    Send(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void Type(CWnd& dialog, int nID, const std::string& text)
{
    Child(dialog.m_hWnd, nID)->text = text;
}

std::vector<HTREEITEM> TreeItems(HWND hTree)
{
    std::vector<HTREEITEM> out;
    std::vector<HTREEITEM> pending(hTree->treeRoots.rbegin(), hTree->treeRoots.rend());
    while (!pending.empty()) {
        HTREEITEM item = pending.back();
        pending.pop_back();
        out.push_back(item);
        pending.insert(pending.end(), item->children.rbegin(), item->children.rend());
    }
    return out;
}

}  // namespace headless
