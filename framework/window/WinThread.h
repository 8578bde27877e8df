// CWinThread: what windows ask of the application object, which is the one
// instance of it: the main window, and the last say over commands that no
// window handled. The window layer sees the application only through this
// base, never through CWinApp.
#pragma once

#include "framework/window/MsgMap.h"

class CWnd;

class CWinThread : public CCmdTarget {
public:
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;
    ~CWinThread() override;

    // Owns the dialogs opened without a parent; forgotten when its window
    // goes.
    CWnd* m_pMainWnd = nullptr;

protected:
    // Only the application object is one.
    CWinThread();
};

// The application object as windows see it; null before it exists.
CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();

// The window that owns a dialog or message box: its parent if it has one,
// else the main window unless that is the dialog itself.
HWND AfxGetOwnerWindow(const CWnd* pParent, const CWnd* pSelf);
