// The program's module: its file name and the resources a test gives it.
#include <errno.h>

#include "framework/headless/Objects.h"

namespace {
HINSTANCE__ g_module;
}

HMODULE GetModuleHandleW(LPCWSTR lpModuleName)
{
    return lpModuleName ? nullptr : &g_module;
}

DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize)
{
    if (hModule && hModule != &g_module)
        return 0;
    const AfxWideString path = AfxUtf8ToWide(program_invocation_name);
    return static_cast<DWORD>(headless::CopyText(path, lpFilename, static_cast<int>(nSize)));
}

int LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax)
{
    const auto& strings = headless::GetState().strings;
    const auto found = strings.find(uID);
    if (hInstance != &g_module || found == strings.end() || !lpBuffer)
        return 0;
    // With no length the caller asks for the resource text itself.
    if (cchBufferMax == 0) {
        *reinterpret_cast<LPCWSTR*>(lpBuffer) = found->second.data();
        return static_cast<int>(found->second.size());
    }
    return headless::CopyText(found->second, lpBuffer, cchBufferMax);
}

HICON LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName)
{
    if (hInstance != &g_module || !IS_INTRESOURCE(lpIconName))
        return nullptr;
    const auto& icons = headless::GetState().icons;
    const auto found = icons.find(static_cast<UINT>(reinterpret_cast<uintptr_t>(lpIconName)));
    return found == icons.end() ? nullptr : found->second.get();
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce)
{
    return picce != nullptr;
}
