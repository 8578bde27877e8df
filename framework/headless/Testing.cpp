#include "framework/headless/Testing.h"

#include "framework/headless/Objects.h"

namespace headless {

void PushModalLoop(std::function<void(HWND hDlg)> body)
{
    GetState().modalLoops.push_back(std::move(body));
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

void PushMenuChoice(UINT_PTR nID)
{
    GetState().menuChoices.push_back(nID);
}

const std::vector<PopupMenuRequest>& PopupMenus()
{
    return GetState().trackedMenus;
}

void SetString(UINT nID, const std::string& text)
{
    GetState().strings[nID] = AfxUtf8ToWide(text);
}

void AddIcon(UINT nID)
{
    auto& icon = GetState().icons[nID];
    if (!icon)
        icon = std::make_unique<HICON__>(HICON__{nID});
}

UINT IconId(HICON hIcon)
{
    return hIcon ? hIcon->nResourceId : 0;
}

void Reset()
{
    State& state = GetState();
    state.modalLoops.clear();
    state.fileDialogAnswers.clear();
    state.fileDialogs.clear();
    state.messageBoxes.clear();
    state.menuChoices.clear();
    state.trackedMenus.clear();
    state.strings.clear();
    state.icons.clear();
    state.clipboardText.reset();
    state.focus = nullptr;
}

HWND CreateWindow()
{
    return MakeWindow(nullptr, &DefWindowProcW);
}

void DestroyWindow(HWND hWnd)
{
    if (hWnd)
        Destroy(hWnd);
}

LRESULT Send(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageW(hWnd, message, wParam, lParam);
}

HWND Child(HWND hDlg, int nID)
{
    return GetDlgItem(hDlg, nID);
}

void Click(HWND hDlg, int nID)
{
    SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hDlg, nID)));
}

void Type(HWND hDlg, int nID, const std::string& text)
{
    SetWindowTextW(GetDlgItem(hDlg, nID), AfxUtf8ToWide(text).c_str());
}

std::string Text(HWND hWnd)
{
    return hWnd ? AfxWideToUtf8(hWnd->text) : std::string();
}

std::vector<Message> DefaultCalls(HWND hWnd)
{
    return hWnd ? hWnd->defaultCalls : std::vector<Message>();
}

std::vector<Paint> Paints(HWND hWnd)
{
    std::vector<Paint> out;
    if (hWnd)
        for (HDC__& dc : hWnd->paints)
            out.push_back({&dc, dc.icons, dc.drawn});
    return out;
}

SCROLLINFO ScrollBar(HWND hWnd, int nBar)
{
    return hWnd ? hWnd->scroll[nBar == SB_VERT ? 1 : 0] : SCROLLINFO{};
}

std::vector<HWND> OwnedWindows(HWND hOwner)
{
    std::vector<HWND> out;
    for (const auto& window : GetState().topLevel)
        if (hOwner && window->owner == hOwner)
            out.push_back(window.get());
    return out;
}

std::vector<MenuItem> MenuItems(HMENU hMenu)
{
    return hMenu ? hMenu->items : std::vector<MenuItem>();
}

std::vector<HICON> Images(HIMAGELIST hImageList)
{
    return hImageList ? hImageList->images : std::vector<HICON>();
}

std::vector<HTREEITEM> TreeItems(HWND hTree)
{
    return hTree && hTree->tree ? hTree->tree->Items() : std::vector<HTREEITEM>();
}

std::vector<Column> Columns(HWND hList)
{
    return hList && hList->list ? hList->list->GetColumns() : std::vector<Column>();
}

void SelectListRow(HWND hList, int nRow)
{
    if (hList && hList->list)
        hList->list->Select(nRow);
}

bool IsTreeItemExpanded(HWND hTree, HTREEITEM hItem)
{
    return hTree && hTree->tree && hItem && hItem->expanded;
}

}  // namespace headless
