#include "framework/window/FileDialog.h"

#include <algorithm>
#include <vector>

#include "framework/core/Path.h"
#include "framework/core/Utf.h"
#include "framework/window/WinThread.h"

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
    return CString(PathFindFileName(m_strFileName.c_str()));
}

INT_PTR CFileDialog::DoModal()
{
    // Room for long paths; the platform writes the chosen path here.
    std::vector<WCHAR> file(32768, 0);
    const AfxWideString initial = AfxUtf8ToWide(m_strFileName);
    std::copy_n(initial.begin(), std::min(initial.size(), file.size() - 1), file.begin());
    // The pairs keep their null separators; one more null ends the list.
    AfxWideString filter = AfxUtf8ToWide(m_strFilter);
    filter.push_back(0);
    const AfxWideString title = AfxUtf8ToWide(m_ofn.lpstrTitle ? m_ofn.lpstrTitle : "");
    const AfxWideString defExt = AfxUtf8ToWide(m_ofn.lpstrDefExt ? m_ofn.lpstrDefExt : "");

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_ofn.hwndOwner ? m_ofn.hwndOwner : AfxGetOwnerWindow(m_pParentWnd, nullptr);
    ofn.lpstrFilter = m_strFilter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = m_ofn.lpstrTitle ? title.c_str() : nullptr;
    ofn.Flags = m_ofn.Flags;
    ofn.lpstrDefExt = m_ofn.lpstrDefExt ? defExt.c_str() : nullptr;

    const BOOL chosen = m_bOpenFileDialog ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!chosen)
        return IDCANCEL;
    m_strFileName = AfxWideToUtf8(file.data());
    return IDOK;
}
