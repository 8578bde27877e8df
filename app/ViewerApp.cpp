#include "app/ViewerApp.h"

#include "ui/ViewerDlg.h"

BEGIN_MESSAGE_MAP(CViewerApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CViewerApp theApp;

BOOL CViewerApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();

    CViewerDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // The dialog was the whole application: end instead of running a
    // message loop.
    return FALSE;
}
