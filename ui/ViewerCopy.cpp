// The main dialog's Copy commands and its context menus. Text goes to the
// clipboard as Unicode; lines end with "\n", as lorvex-dump writes them.
#include <string>

#include "browse/NodeIndex.h"
#include "browse/TreeText.h"
#include "ui/ViewerCommands.h"
#include "ui/ViewerDlg.h"

namespace {

// Shows a context menu of entries at point (screen coordinates) and sends
// the command chosen to pDlg, as a menu of its own would.
template <size_t N, class Enabled>
void TrackMenu(CWnd* pDlg, const ViewerMenuEntry (&entries)[N], CPoint point, Enabled enabled)
{
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    for (const ViewerMenuEntry& entry : entries) {
        if (!entry.nID)
            menu.AppendMenu(MF_SEPARATOR);
        else
            menu.AppendMenu(MF_STRING | (enabled(entry.nID) ? 0 : MF_GRAYED), entry.nID, entry.text);
    }
    const UINT nID = static_cast<UINT>(menu.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, pDlg));
    if (nID)
        pDlg->SendMessage(WM_COMMAND, nID, 0);
}

// Where a menu asked for from the keyboard opens: at the bottom left of
// the rectangle, on the screen.
CPoint BelowLeft(const CWnd& control, const RECT& rect)
{
    CPoint point(rect.left, rect.bottom);
    control.ClientToScreen(&point);
    return point;
}

// A row of the list as it is copied: its name, a tab, its value.
std::string RowText(const CListCtrl& list, int nRow)
{
    return list.GetItemText(nRow, 0).GetString() + "\t" + list.GetItemText(nRow, 1).GetString();
}

}  // namespace

void CViewerDlg::OnEditCopy()
{
    HWND hFocus = ::GetFocus();
    if (hFocus == m_tree.m_hWnd) {
        OnTreeCopy();
    } else if (hFocus == m_list.m_hWnd) {
        if (m_list.GetNextItem(-1, LVNI_SELECTED) >= 0)
            OnListCopyRow();
        else
            OnListCopyAll();
    } else if (hFocus && GetParent(hFocus) == m_hWnd) {
        // An edit field copies what is selected in it, as it does itself.
        ::SendMessageW(hFocus, WM_COPY, 0, 0);
    }
}

void CViewerDlg::OnEditCopySubtree()
{
    const std::optional<size_t> index = SelectedNodeIndex();
    if (m_pStyleFile && index)
        AfxSetClipboardText(m_hWnd,
                            CString(SubtreeText(*m_pStyleFile, MacroNameIndex(m_pMacroList), m_strFileTitle, *index)));
}

void CViewerDlg::OnTreeCopy()
{
    if (HTREEITEM hItem = m_tree.GetSelectedItem())
        AfxSetClipboardText(m_hWnd, m_tree.GetItemText(hItem));
}

void CViewerDlg::OnTreeExpandAll()
{
    ExpandSelectedSubtree(TVE_EXPAND);
}

void CViewerDlg::OnTreeCollapseAll()
{
    ExpandSelectedSubtree(TVE_COLLAPSE);
}

void CViewerDlg::ExpandSelectedSubtree(UINT nCode)
{
    const std::optional<size_t> index = SelectedNodeIndex();
    if (!m_pStyleFile || !index)
        return;
    // Only the nodes that have children: the document says which, so the
    // tree is not asked about every item.
    const std::vector<size_t> parents = NodesWithChildren(*m_pStyleFile, *index);
    m_tree.SetRedraw(FALSE);
    if (nCode == TVE_EXPAND) {
        for (size_t parent : parents)
            m_tree.Expand(m_tree.GetTaggedItem(parent), TVE_EXPAND);
    } else {
        for (auto parent = parents.rbegin(); parent != parents.rend(); ++parent)
            m_tree.Expand(m_tree.GetTaggedItem(*parent), TVE_COLLAPSE);
    }
    m_tree.SetRedraw(TRUE);
}

void CViewerDlg::OnListCopyRow()
{
    const int nRow = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (nRow >= 0)
        AfxSetClipboardText(m_hWnd, CString(RowText(m_list, nRow)));
}

void CViewerDlg::OnListCopyValue()
{
    const int nRow = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (nRow >= 0)
        AfxSetClipboardText(m_hWnd, m_list.GetItemText(nRow, 1));
}

void CViewerDlg::OnListCopyAll()
{
    std::string text;
    for (int nRow = 0; nRow < m_list.GetItemCount(); ++nRow)
        text += RowText(m_list, nRow) + "\n";
    if (!text.empty())
        AfxSetClipboardText(m_hWnd, CString(text));
}

void CViewerDlg::OnContextMenuKey()
{
    HWND hFocus = ::GetFocus();
    if (hFocus == m_tree.m_hWnd || hFocus == m_list.m_hWnd)
        SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hFocus), -1);
    else if (hFocus && GetParent(hFocus) == m_hWnd)
        // An edit field shows its own menu.
        ::SendMessageW(hFocus, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hFocus), -1);
}

void CViewerDlg::OnContextMenu(CWnd* pWnd, CPoint point)
{
    const bool fromKeyboard = point.x == -1 && point.y == -1;
    if (pWnd == &m_tree) {
        HTREEITEM hItem = m_tree.GetSelectedItem();
        RECT rect;
        if (fromKeyboard) {
            if (!hItem || !m_tree.GetItemRect(hItem, &rect, TRUE))
                return;
            point = BelowLeft(m_tree, rect);
        } else {
            // As the system's trees do: the node under the pointer first
            // becomes the selection, its rows showing.
            CPoint client = point;
            m_tree.ScreenToClient(&client);
            hItem = m_tree.HitTest(client);
            if (!hItem)
                return;
            m_tree.SelectItem(hItem);
        }
        TrackMenu(this, kTreeMenu, point, [](UINT) { return true; });
    } else if (pWnd == &m_list) {
        const int nRow = m_list.GetNextItem(-1, LVNI_SELECTED);
        if (fromKeyboard) {
            // Below the selected row, else at the list's top left.
            RECT rect{};
            if (nRow < 0 || !m_list.GetItemRect(nRow, &rect, LVIR_BOUNDS))
                rect = RECT{};
            point = BelowLeft(m_list, rect);
        }
        const bool hasRows = m_list.GetItemCount() > 0;
        TrackMenu(this, kListMenu, point, [&](UINT nID) { return nID == ID_LIST_COPY_ALL ? hasRows : nRow >= 0; });
    } else {
        Default();
    }
}
