#include "framework/window/FileDialog.h"

#include <cstring>

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_strFilter(lpszFilter ? lpszFilter : ""),
      m_strDefExt(lpszDefExt ? lpszDefExt : ""), m_bHasDefExt(lpszDefExt != nullptr),
      m_strFileName(lpszFileName ? lpszFileName : ""), m_pParentWnd(pParentWnd)
{
    // "desc|pattern|desc|pattern||" becomes the null-separated list the
    // platform reads; the string's own terminator ends it twice.
    for (char& c : m_strFilter)
        if (c == '|')
            c = '\0';
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.Flags = dwFlags;
    m_ofn.lpstrFilter = m_strFilter.empty() ? nullptr : m_strFilter.c_str();
    m_ofn.lpstrDefExt = m_bHasDefExt ? m_strDefExt.c_str() : nullptr;
}

CString CFileDialog::GetPathName() const
{
    return CString(m_strFileName);
}

CString CFileDialog::GetFileName() const
{
    const size_t slash = m_strFileName.find_last_of("\\/");
    return CString(slash == std::string::npos ? m_strFileName : m_strFileName.substr(slash + 1));
}
