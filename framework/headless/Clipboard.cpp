// The clipboard and the global memory it takes.
#include <algorithm>

#include "framework/headless/Objects.h"

namespace {

std::vector<std::unique_ptr<HGLOBAL__>>::iterator FindGlobal(HGLOBAL hMem)
{
    auto& globals = headless::GetState().globals;
    return std::find_if(globals.begin(), globals.end(), [hMem](const auto& g) { return g.get() == hMem; });
}

}  // namespace

namespace headless {

std::optional<std::string> ClipboardText()
{
    const HGLOBAL__* text = GetState().clipboardText.get();
    if (!text)
        return std::nullopt;
    const auto* chars = reinterpret_cast<const WCHAR*>(text->bytes.data());
    const size_t count = text->bytes.size() / sizeof(WCHAR);
    return AfxWideToUtf8(AfxWideStringView(chars, std::find(chars, chars + count, WCHAR{0}) - chars));
}

}  // namespace headless

HGLOBAL GlobalAlloc(UINT, size_t dwBytes)
{
    auto& globals = headless::GetState().globals;
    globals.push_back(std::make_unique<HGLOBAL__>());
    globals.back()->bytes.resize(dwBytes);
    return globals.back().get();
}

LPVOID GlobalLock(HGLOBAL hMem)
{
    return FindGlobal(hMem) != headless::GetState().globals.end() ? hMem->bytes.data() : nullptr;
}

BOOL GlobalUnlock(HGLOBAL)
{
    return FALSE;  // no lock is left
}

HGLOBAL GlobalFree(HGLOBAL hMem)
{
    auto& globals = headless::GetState().globals;
    const auto found = FindGlobal(hMem);
    if (found == globals.end())
        return hMem;
    globals.erase(found);
    return nullptr;
}

BOOL OpenClipboard(HWND)
{
    headless::State& state = headless::GetState();
    if (state.clipboardOpen)
        return FALSE;
    state.clipboardOpen = true;
    return TRUE;
}

BOOL EmptyClipboard()
{
    headless::State& state = headless::GetState();
    if (!state.clipboardOpen)
        return FALSE;
    state.clipboardText.reset();
    return TRUE;
}

// The clipboard takes the block: it is no longer the program's to free.
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem)
{
    headless::State& state = headless::GetState();
    const auto found = FindGlobal(static_cast<HGLOBAL>(hMem));
    if (!state.clipboardOpen || uFormat != CF_UNICODETEXT || found == state.globals.end())
        return nullptr;
    state.clipboardText = std::move(*found);
    state.globals.erase(found);
    return hMem;
}

BOOL CloseClipboard()
{
    headless::State& state = headless::GetState();
    const bool wasOpen = state.clipboardOpen;
    state.clipboardOpen = false;
    return wasOpen;
}
