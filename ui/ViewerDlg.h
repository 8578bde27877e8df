// The main dialog: the two input paths, the browse tree and the property
// list of the selected node.
#pragma once

#include "framework/afxcmn.h"
#include "framework/afxwin.h"
#include "style/StyleFile.h"
#include "style/uiFile.h"
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

    // Reloads the macro table from m_strHeaderPath, if one is set.
    void LoadHeaderMacros();

    DECLARE_MESSAGE_MAP()
};
