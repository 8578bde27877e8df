// CWnd: a C++ object attached to a window handle. Messages to an attached
// window go through WindowProc: the message map first, then the default
// processing of the window's original procedure.
#pragma once

#include "framework/core/String.h"
#include "framework/window/Menu.h"
#include "framework/window/MsgMap.h"

class CDataExchange;

// The procedure of every window attached to an object; the windows that
// CreateEx makes have it from their first message on.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers, once, a window class whose windows are made by CreateEx, and
// returns its name.
CString AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr);

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    // Attaches this object to an existing window and routes its messages
    // through WindowProc; the window's own procedure becomes the default.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // Gives the window its own procedure back and forgets the handle.
    HWND UnsubclassWindow();
    // Attaches this object to a window whose procedure is AfxWndProc, so
    // that its default processing is the system's.
    BOOL Attach(HWND hWndNew);
    // Makes a window of a class from AfxRegisterWndClass, attached to this
    // object before its first message; hWndParent owns a top-level window.
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                  int nWidth, int nHeight, HWND hWndParent);
    BOOL DestroyWindow();
    // The object attached to hWnd, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    void SetWindowText(LPCTSTR lpszString);
    void GetWindowText(CString& rString) const;

    // Runs DoDataExchange: TRUE copies control contents into members,
    // FALSE copies members into the controls.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    CMenu* GetSystemMenu(BOOL bRevert);
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    BOOL IsIconic() const;
    void GetClientRect(RECT* lpRect) const;
    void GetWindowRect(RECT* lpRect) const;
    BOOL ShowWindow(int nCmdShow);
    void UpdateWindow();
    // Marks the whole client area for painting.
    void Invalidate();
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    void ClientToScreen(POINT* lpPoint) const;
    void ScreenToClient(POINT* lpPoint) const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // FALSE stops the window repainting after each change; TRUE lets it
    // repaint again, and it redraws itself as it now stands.
    void SetRedraw(BOOL bRedraw = TRUE) { SendMessage(WM_SETREDRAW, static_cast<WPARAM>(bRedraw), 0); }

    // The message being handled, passed to the window's default processing.
    LRESULT Default();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // An input message on its way to this window or one of its children,
    // before the modal loop handles it (CWinThread::PreTranslateMessage);
    // TRUE takes it, so that nothing else sees it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    HWND m_hWnd = nullptr;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called once the window is gone (after WM_NCDESTROY).
    virtual void PostNcDestroy();

    DECLARE_MESSAGE_MAP()

private:
    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    CurrentMessage m_current;
    CMenu m_menuSystem;
    WNDPROC m_pfnSuper = nullptr;  // the window's own procedure
};

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    // The window of control nIDC in the dialog.
    HWND PrepareCtrl(int nIDC) const;

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Attaches rControl to dialog control nIDC on the first exchange.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Copies between the text of control nIDC and value.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
