// The main dialog: the two input paths, the browse tree and the property
// list of the selected node.
#pragma once

#include <cstddef>
#include <optional>

#include "browse/DocumentWalk.h"
#include "browse/MacroNameIndex.h"
#include "browse/NodeFind.h"
#include "browse/PropertyRows.h"
#include "framework/afxcmn.h"
#include "framework/afxdlgs.h"
#include "framework/afxwin.h"
#include "style/StyleFile.h"
#include "style/uiFile.h"
#include "ui/ScenePictureWnd.h"
#include "ui/TagTreeCtrl.h"
#include "ui/resource.h"

class CViewerDlg : public CDialog {
public:
    explicit CViewerDlg(CWnd* pParent = nullptr);
    ~CViewerDlg() override;

    enum { IDD = IDD_MAIN };

    CTagTreeCtrl m_tree;
    CListCtrl m_list;
    CString m_strStyPath;
    CString m_strHeaderPath;
    CString m_strFileTitle;
    StyleFile* m_pStyleFile;  // owned; null while no document is open
    CImageList m_imageList;
    NameIdNode* m_pMacroList;  // owns the nodes
    HICON m_hIcon;
    // Beside the dialog while open; it shows a scene of m_pStyleFile or
    // nothing.
    CScenePictureWnd m_wndScenePicture;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnBrowseSty();
    afx_msg void OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBrowseHeader();
    afx_msg void OnUpdate();
    afx_msg void OnScenePicture();

    // Reloads the macro table from m_strHeaderPath, if one is set.
    void LoadHeaderMacros();

    // Empties the tree and fills it from m_pStyleFile, node by node as
    // WalkDocument meets them; without a document it does nothing at all.
    void RebuildTree();
    // What the rebuild does for a scene node, and for a resource or frame
    // node: inserts it under hParent, labelled by the macro table as it was
    // when the rebuild began, and returns its item.
    HTREEITEM InsertSceneNode(HTREEITEM hParent, const BrowseNode& node, const MacroNameIndex& names);
    HTREEITEM InsertResNode(HTREEITEM hParent, const BrowseNode& node, const MacroNameIndex& names);
    // Inserts one item at the end of hParent's children and attaches its tag.
    HTREEITEM InsertTaggedItem(const CString& strLabel, NodeKind kind, uintptr_t payload, HTREEITEM hParent);

    // Each appends the rows of one kind of node to the property list.
    void ShowFileInfo(const StyleHeader* pHeader);
    void ShowSceneInfo(const Scene* pScene);
    void ShowResGroupInfo(const Res* pRes);
    void ShowPicRegionInfo(const Res* pRes);
    void ShowPicInfo(const Res* pRes);
    void ShowStringInfo(const Res* pRes);
    void ShowFrameInfo(const Res* pRegion, size_t nFrame);
    void AddRows(const PropertyRows& rows);

    // What the scene picture shows for a tree item: the scene it lies in
    // (the first scene for the file node or no item) and the resource it
    // shows (a frame's region; none for a scene).
    struct PictureTarget {
        const Scene* pScene = nullptr;
        const Res* pRes = nullptr;
    };
    PictureTarget PictureTargetOf(HTREEITEM hItem) const;
    // The picture follows the tree.
    void ShowInScenePicture(HTREEITEM hItem);
    // The tree follows the picture: selects pRes's node, or the scene's
    // where pRes is null.
    void SelectPicked(const Scene& scene, const Res* pRes);
    HTREEITEM FindResItem(HTREEITEM hParent, const Res* pRes) const;
    // After a rebuild: the scene the picture showed, relabelled, or the
    // document's first.
    void RefreshScenePicture(const MacroNameIndex& names);
    // The dialog's keys (ui/ViewerCommands.h) come before its controls see
    // them, wherever the focus is in it.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Find (ui/ViewerFind.cpp): the platform's Find dialog; Find Next from
    // it, F3 and Shift+F3 select the next or previous node that matches.
    afx_msg void OnEditFind();
    afx_msg void OnEditFindNext();
    afx_msg void OnEditFindPrevious();
    afx_msg LRESULT OnFindReplace(WPARAM wParam, LPARAM lParam);
    // Selects the node Find Next lands on from the selected one, showing
    // it and its rows; says so when none matches, changing nothing.
    void FindAndSelect(FindDirection direction);
    // The selected node's index in tree order, none without a selection.
    std::optional<size_t> SelectedNodeIndex() const;

    // Copy and the context menus (ui/ViewerCopy.cpp).
    afx_msg void OnEditCopy();
    afx_msg void OnEditCopySubtree();
    afx_msg void OnTreeCopy();
    afx_msg void OnTreeExpandAll();
    afx_msg void OnTreeCollapseAll();
    afx_msg void OnListCopyRow();
    afx_msg void OnListCopyValue();
    afx_msg void OnListCopyAll();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    // Shift+F10 and the menu key: the context menu of the control with the
    // focus.
    afx_msg void OnContextMenuKey();
    // Expands or collapses (nCode) the selected node and every node below it.
    void ExpandSelectedSubtree(UINT nCode);

    CAcceleratorTable m_keys;
    CFindReplaceDialog m_findDialog;
    // What the last Find Next looked for.
    CString m_strFindWhat;
    BOOL m_bMatchCase = FALSE;

private:
    class CTreeFill;

    DECLARE_MESSAGE_MAP()
};
