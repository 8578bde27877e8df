// CFindReplaceDialog: the platform's common Find dialog, modeless: "Find
// what", "Match case", the Up and Down direction, "Find Next" and
// "Cancel". Its owner hears of each command through the message registered
// under FINDMSGSTRINGW, whose LPARAM GetNotifier turns back into the
// object. The object outlives its window and can open the dialog again
// once it has closed; it must not move while the dialog is open.
#pragma once

#include "framework/core/String.h"
#include "framework/window/Wnd.h"

class CFindReplaceDialog {
public:
    CFindReplaceDialog() = default;
    CFindReplaceDialog(const CFindReplaceDialog&) = delete;
    CFindReplaceDialog& operator=(const CFindReplaceDialog&) = delete;
    ~CFindReplaceDialog();

    // Opens the dialog over pParentWnd with lpszFindWhat in its field and
    // the direction and case of dwFlags (FR_DOWN, FR_MATCHCASE); it offers
    // no whole-word box. FALSE if it is open already or did not open.
    BOOL Create(LPCTSTR lpszFindWhat, DWORD dwFlags, CWnd* pParentWnd);
    // The open dialog's window, or null.
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The dialog that sent the notice with this LPARAM. On the notice that
    // it closes, the object lets go of its window.
    static CFindReplaceDialog* GetNotifier(LPARAM lParam);
    // What the notice asks for, and the dialog's settings as it sent it.
    BOOL FindNext() const { return (m_fr.Flags & FR_FINDNEXT) != 0; }
    BOOL IsTerminating() const { return (m_fr.Flags & FR_DIALOGTERM) != 0; }
    BOOL MatchCase() const { return (m_fr.Flags & FR_MATCHCASE) != 0; }
    BOOL SearchDown() const { return (m_fr.Flags & FR_DOWN) != 0; }
    CString GetFindString() const;

private:
    void Release();

    FINDREPLACEW m_fr{};
    WCHAR m_szFindWhat[256]{};
    HWND m_hWnd = nullptr;
};
