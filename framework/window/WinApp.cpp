#include "framework/window/WinApp.h"

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

// No help file ships with the program, so Help has nothing to open.
void CWinApp::OnHelp() {}

CWinApp* AfxGetApp()
{
    // The one thread object is the application.
    return static_cast<CWinApp*>(AfxGetThread());
}
