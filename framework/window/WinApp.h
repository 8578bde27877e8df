// CWinApp: the one application object, and the framework's start-up.
#pragma once

#include "framework/core/String.h"
#include "framework/window/WinThread.h"
#include "framework/window/Wnd.h"

class CWinApp : public CWinThread {
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Loads icon resource nIDResource at the system's standard icon size.
    // The handle is shared and never needs releasing.
    HICON LoadIcon(UINT nIDResource) const;
    // One of the system's cursors, IDC_ARROW and the like.
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    // The platform draws its controls three-dimensional by itself.
    BOOL Enable3dControls() { return TRUE; }

    afx_msg void OnHelp();

    // The application's title: the name given at construction, else the
    // executable's file name without its extension.
    CString m_strAppName;

protected:
    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();

// The framework's main routine: initialises the platform, runs
// InitInstance and, as no application here keeps a message loop of its
// own, ends with ExitInstance.
int AfxWinMain();

// Controls hosted by the dialogs are all the platform's own, so there is no
// container to prepare.
inline void AfxEnableControlContainer() {}

// A modal message box captioned with the application's title, over the
// main window.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The same over hOwner, which stays disabled while it shows.
int AfxMessageBoxOver(HWND hOwner, LPCTSTR lpszText, UINT nType = MB_OK);

// Sets rString to string resource nID of the program; FALSE (and an empty
// string) if there is none.
BOOL AfxLoadString(UINT nID, CString& rString);
