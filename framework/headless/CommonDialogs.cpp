// File dialogs and message boxes: they answer from the test's script and
// record what they were asked.
#include "framework/headless/Objects.h"

namespace {

std::string Utf8(LPCWSTR text)
{
    return text ? AfxWideToUtf8(text) : std::string();
}

// The filter list back in the caller's "desc|pattern|...||" form.
std::string Filter(LPCWSTR filter)
{
    if (!filter)
        return {};
    std::string out;
    for (LPCWSTR part = filter; *part; part += std::char_traits<WCHAR>::length(part) + 1)
        out += Utf8(part) + "|";
    return out + "|";
}

BOOL FileDialog(OPENFILENAMEW* lpofn)
{
    headless::State& state = headless::GetState();
    state.fileDialogs.push_back({Utf8(lpofn->lpstrTitle), Filter(lpofn->lpstrFilter), Utf8(lpofn->lpstrFile),
                                 lpofn->Flags, lpofn->lpstrDefExt != nullptr, Utf8(lpofn->lpstrDefExt)});
    if (state.fileDialogAnswers.empty())
        return FALSE;
    const auto [result, path] = std::move(state.fileDialogAnswers.front());
    state.fileDialogAnswers.pop_front();
    const AfxWideString chosen = AfxUtf8ToWide(path);
    // A path longer than the buffer fails, as on the platform.
    if (result != IDOK || chosen.size() >= lpofn->nMaxFile)
        return FALSE;
    headless::CopyText(chosen, lpofn->lpstrFile, static_cast<int>(lpofn->nMaxFile));
    return TRUE;
}

}  // namespace

BOOL GetOpenFileNameW(OPENFILENAMEW* lpofn)
{
    return FileDialog(lpofn);
}

BOOL GetSaveFileNameW(OPENFILENAMEW* lpofn)
{
    return FileDialog(lpofn);
}

int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType)
{
    headless::GetState().messageBoxes.push_back({hWnd, Utf8(lpText), Utf8(lpCaption), uType});
    return IDOK;
}
