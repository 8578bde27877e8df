#include <string>

#include "framework/core/Utf.h"
#include "framework/window/WinApp.h"

BOOL CString::LoadString(UINT nID)
{
    // With a zero length the platform hands out a pointer to the resource
    // text itself, which is not null-terminated.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), nID, reinterpret_cast<LPWSTR>(&text), 0);
    *this = length > 0 ? AfxWideToUtf8(std::wstring_view(text, static_cast<size_t>(length))).c_str() : "";
    return length > 0;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nIDResource));
}

namespace {

// The executable's file name without directory and extension.
std::string ModuleTitle()
{
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    const size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos)
        name.resize(dot);
    return AfxWideToUtf8(name);
}

}  // namespace

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (app->m_strAppName.IsEmpty())
        app->m_strAppName = ModuleTitle().c_str();
    app->InitInstance();
    return app->ExitInstance();
}
