#include "framework/window/WinThread.h"

#include "framework/window/Wnd.h"

namespace {
CWinThread* g_pThread = nullptr;  // the one application object
}

CWinThread::CWinThread()
{
    g_pThread = this;
}

CWinThread::~CWinThread()
{
    if (g_pThread == this)
        g_pThread = nullptr;
}

CWinThread* AfxGetThread()
{
    return g_pThread;
}

CWnd* AfxGetMainWnd()
{
    return g_pThread ? g_pThread->m_pMainWnd : nullptr;
}

HWND AfxGetOwnerWindow(const CWnd* pParent, const CWnd* pSelf)
{
    if (pParent)
        return pParent->m_hWnd;
    const CWnd* main = AfxGetMainWnd();
    return main && main != pSelf ? main->m_hWnd : nullptr;
}
