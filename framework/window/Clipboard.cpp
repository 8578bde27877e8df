#include "framework/window/Clipboard.h"

#include <cstring>

#include "framework/core/Utf.h"

BOOL AfxSetClipboardText(HWND hOwner, const CString& strText)
{
    const AfxWideString text = AfxUtf8ToWide(strText.GetString());
    const size_t bytes = (text.size() + 1) * sizeof(WCHAR);
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!hMem)
        return FALSE;
    void* data = GlobalLock(hMem);
    if (!data) {
        GlobalFree(hMem);
        return FALSE;
    }
    std::memcpy(data, text.c_str(), bytes);
    GlobalUnlock(hMem);
    if (!OpenClipboard(hOwner)) {
        GlobalFree(hMem);
        return FALSE;
    }
    EmptyClipboard();
    // Once the clipboard has taken the memory it is the clipboard's.
    const BOOL placed = SetClipboardData(CF_UNICODETEXT, hMem) != nullptr;
    CloseClipboard();
    if (!placed)
        GlobalFree(hMem);
    return placed;
}
