#include "framework/window/WinThread.h"

#include <algorithm>

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
    if (m_hMessageFilter)
        UnhookWindowsHookEx(m_hMessageFilter);
    if (g_pThread == this)
        g_pThread = nullptr;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (m_bInModelessDialog)
        return FALSE;
    // By index: a dialog's handler may close it, or open another, meanwhile.
    for (size_t i = 0; i < m_modelessDialogs.size(); ++i) {
        m_bInModelessDialog = true;
        const BOOL taken = IsDialogMessageW(m_modelessDialogs[i], pMsg);
        m_bInModelessDialog = false;
        if (taken)
            return TRUE;
    }
    // Up to the top-level window and no further: a dialog's owner is not
    // its parent, and its keys are not the owner's.
    HWND hRoot = GetAncestor(pMsg->hwnd, GA_ROOT);
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = hWnd == hRoot ? nullptr : GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
    }
    return FALSE;
}

void CWinThread::AddModelessDialog(HWND hDlg)
{
    if (hDlg && std::find(m_modelessDialogs.begin(), m_modelessDialogs.end(), hDlg) == m_modelessDialogs.end())
        m_modelessDialogs.push_back(hDlg);
}

void CWinThread::RemoveModelessDialog(HWND hDlg)
{
    m_modelessDialogs.erase(std::remove(m_modelessDialogs.begin(), m_modelessDialogs.end(), hDlg),
                            m_modelessDialogs.end());
}

void CWinThread::BeginModalLoop()
{
    if (m_nModalLoops++ == 0)
        m_hMessageFilter = SetWindowsHookExW(WH_MSGFILTER, &MessageFilterHook, nullptr, GetCurrentThreadId());
}

void CWinThread::EndModalLoop()
{
    if (m_nModalLoops == 0 || --m_nModalLoops > 0)
        return;
    if (m_hMessageFilter)
        UnhookWindowsHookEx(m_hMessageFilter);
    m_hMessageFilter = nullptr;
}

LRESULT CALLBACK CWinThread::MessageFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    CWinThread* thread = AfxGetThread();
    // Menus and scroll bars run loops of their own; only dialog loops
    // (message boxes among them) are the windows' business.
    if (thread && nCode == MSGF_DIALOGBOX && thread->PreTranslateMessage(reinterpret_cast<MSG*>(lParam)))
        return TRUE;
    return CallNextHookEx(thread ? thread->m_hMessageFilter : nullptr, nCode, wParam, lParam);
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
