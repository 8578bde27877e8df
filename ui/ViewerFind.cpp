// The main dialog's Find: the platform's modeless Find dialog, and F3 and
// Shift+F3 with the last text it was given.
#include <string>

#include "browse/NodeFind.h"
#include "ui/ViewerDlg.h"

void CViewerDlg::OnEditFind()
{
    // Once open, the dialog comes to the front with what it shows.
    if (HWND hDialog = m_findDialog.GetSafeHwnd()) {
        SetActiveWindow(hDialog);
        return;
    }
    m_findDialog.Create(m_strFindWhat, FR_DOWN | (m_bMatchCase ? FR_MATCHCASE : 0), this);
}

void CViewerDlg::OnEditFindNext()
{
    FindAndSelect(FindDirection::Down);
}

void CViewerDlg::OnEditFindPrevious()
{
    FindAndSelect(FindDirection::Up);
}

LRESULT CViewerDlg::OnFindReplace(WPARAM, LPARAM lParam)
{
    CFindReplaceDialog* pDialog = CFindReplaceDialog::GetNotifier(lParam);
    if (pDialog->IsTerminating() || !pDialog->FindNext())
        return 0;
    m_strFindWhat = pDialog->GetFindString();
    m_bMatchCase = pDialog->MatchCase();
    FindAndSelect(pDialog->SearchDown() ? FindDirection::Down : FindDirection::Up);
    return 0;
}

void CViewerDlg::FindAndSelect(FindDirection direction)
{
    // Nothing was looked for yet: F3 asks what to look for.
    if (m_strFindWhat.IsEmpty()) {
        OnEditFind();
        return;
    }
    std::optional<size_t> found;
    if (m_pStyleFile)
        found = FindNode(*m_pStyleFile, MacroNameIndex(m_pMacroList), m_strFileTitle,
                         NodeMatcher(m_strFindWhat.GetString(), m_bMatchCase != FALSE), SelectedNodeIndex(), direction);
    HTREEITEM hItem = found ? m_tree.GetTaggedItem(*found) : nullptr;
    if (!hItem) {
        // Over the Find dialog when it is open, so that it waits for the
        // answer as this dialog does.
        const std::string text = "Cannot find \"" + m_strFindWhat.GetString() + "\"";
        HWND hOwner = m_findDialog.GetSafeHwnd() ? m_findDialog.GetSafeHwnd() : m_hWnd;
        AfxMessageBoxOver(hOwner, text.c_str(), MB_OK | MB_ICONINFORMATION);
        return;
    }
    // Selecting it opens its parents and scrolls it into view, and the
    // tree's notice shows its rows, as for any selection.
    m_tree.SelectItem(hItem);
}

std::optional<size_t> CViewerDlg::SelectedNodeIndex() const
{
    return m_tree.FindTaggedItem(m_tree.GetSelectedItem());
}
