// CFileDialog: the platform's file-open dialog.
#pragma once

#include "framework/core/String.h"
#include "framework/window/Wnd.h"

class CFileDialog {
public:
    // lpszFilter holds description|pattern pairs ended by "||".
    CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY, LPCTSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when the user chose a file.
    INT_PTR DoModal();
    // The chosen file's full path.
    CString GetPathName() const;
    // The chosen file's name with extension, without directory.
    CString GetFileName() const;

    // The settings DoModal hands to the platform; callers may change them
    // (the title above all) before DoModal.
    OPENFILENAME m_ofn;

private:
    BOOL m_bOpenFileDialog;
    std::string m_strFilter;  // pairs separated by '\0'
    std::string m_strDefExt;
    bool m_bHasDefExt;
    std::string m_strFileName;
    CWnd* m_pParentWnd;
};
