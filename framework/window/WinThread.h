// CWinThread: what windows ask of the application object, which is the one
// instance of it: the main window, the last say over commands that no
// window handled, and a first look at the input messages of modal loops.
// The window layer sees the application only through this base, never
// through CWinApp.
#pragma once

#include <vector>

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

    // An input message that a modal loop is about to handle: each open
    // modeless dialog takes the messages of its own windows (Tab, Enter,
    // Esc work there as in any dialog); then every window from the
    // message's own up to its top-level window has its object's
    // PreTranslateMessage, if it has an object. TRUE when one took it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // A modeless dialog open over the program's windows, whose keys the
    // modal loops are to hand to it; removed before or when it closes.
    void AddModelessDialog(HWND hDlg);
    void RemoveModelessDialog(HWND hDlg);

    // Held by each running modal loop (CDialog::DoModal): while any runs,
    // the thread's message filter hook, which the platform's modal loops
    // call with each input message before they handle it, passes the
    // messages of dialog loops to PreTranslateMessage.
    void BeginModalLoop();
    void EndModalLoop();

protected:
    // Only the application object is one.
    CWinThread();

private:
    static LRESULT CALLBACK MessageFilterHook(int nCode, WPARAM wParam, LPARAM lParam);

    HHOOK m_hMessageFilter = nullptr;
    int m_nModalLoops = 0;
    std::vector<HWND> m_modelessDialogs;
    // Set while a modeless dialog handles a message: its IsDialogMessage
    // offers the message to the filter again, which then lets it pass.
    bool m_bInModelessDialog = false;
};

// The application object as windows see it; null before it exists.
CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();

// The window that owns a dialog or message box: its parent if it has one,
// else the main window unless that is the dialog itself.
HWND AfxGetOwnerWindow(const CWnd* pParent, const CWnd* pSelf);
