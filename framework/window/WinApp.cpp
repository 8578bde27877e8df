#include "framework/window/WinApp.h"

#include "framework/core/Path.h"
#include "framework/core/Utf.h"

namespace {

// The executable's file name without directory and extension.
std::string ModuleTitle()
{
    AfxWideString path(32768, 0);
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    CString title = AfxWideToUtf8(path);
    CutToFileTitle(title);
    return title.GetString();
}

}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR lpszAppName) : m_strAppName(lpszAppName) {}

CWinApp::~CWinApp() = default;

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    // The system's cursors are numbered resources: the number is the same
    // in the wide form.
    return LoadCursorW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<uintptr_t>(lpszCursorName)));
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nIDResource));
}

// No help file ships with the program, so Help has nothing to open.
void CWinApp::OnHelp() {}

CWinApp* AfxGetApp()
{
    // The one thread object is the application.
    return static_cast<CWinApp*>(AfxGetThread());
}

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (app->m_strAppName.IsEmpty())
        app->m_strAppName = ModuleTitle();
    app->InitInstance();
    return app->ExitInstance();
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT)
{
    return AfxMessageBoxOver(AfxGetOwnerWindow(nullptr, nullptr), lpszText, nType);
}

int AfxMessageBoxOver(HWND hOwner, LPCTSTR lpszText, UINT nType)
{
    CWinApp* app = AfxGetApp();
    const AfxWideString caption = AfxUtf8ToWide(app ? app->m_strAppName.GetString() : std::string());
    return MessageBoxW(hOwner, AfxUtf8ToWide(lpszText ? lpszText : "").c_str(), caption.c_str(), nType);
}

BOOL AfxLoadString(UINT nID, CString& rString)
{
    // With a zero length the platform hands out a pointer to the resource
    // text itself, which is not null-terminated.
    const WCHAR* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), nID, reinterpret_cast<LPWSTR>(&text), 0);
    rString = length > 0 ? AfxWideToUtf8(AfxWideStringView(text, static_cast<size_t>(length))) : std::string();
    return length > 0;
}
