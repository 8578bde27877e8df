#include "framework/win32/Win32.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "framework/core/Utf.h"
#include "framework/window/FileDialog.h"
#include "framework/window/WinApp.h"

namespace {

// The null-separated filter list, converted whole (embedded nulls included).
std::wstring WideFilter(const std::string& filter)
{
    std::wstring out;
    size_t start = 0;
    while (start < filter.size()) {
        size_t end = filter.find('\0', start);
        if (end == std::string::npos)
            end = filter.size();
        out += AfxUtf8ToWide(std::string_view(filter).substr(start, end - start));
        out += L'\0';
        start = end + 1;
    }
    out += L'\0';
    return out;
}

}  // namespace

INT_PTR CFileDialog::DoModal()
{
    // Room for long paths; the platform writes the chosen path here.
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring initial = AfxUtf8ToWide(m_strFileName);
    std::copy(initial.begin(), initial.begin() + std::min(initial.size(), file.size() - 1), file.begin());
    const std::wstring filter = WideFilter(m_strFilter);
    const std::wstring title = AfxUtf8ToWide(m_ofn.lpstrTitle ? m_ofn.lpstrTitle : "");
    const std::wstring defExt = AfxUtf8ToWide(m_ofn.lpstrDefExt ? m_ofn.lpstrDefExt : "");

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_ofn.hwndOwner ? m_ofn.hwndOwner : AfxGetOwnerWindow(m_pParentWnd, nullptr);
    ofn.lpstrFilter = m_strFilter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = m_ofn.lpstrTitle ? title.c_str() : nullptr;
    ofn.Flags = m_ofn.Flags | OFN_EXPLORER;
    ofn.lpstrDefExt = m_ofn.lpstrDefExt ? defExt.c_str() : nullptr;

    const BOOL chosen = m_bOpenFileDialog ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!chosen)
        return IDCANCEL;
    m_strFileName = AfxWideToUtf8(file.data());
    return IDOK;
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT)
{
    CWinApp* app = AfxGetApp();
    const std::wstring caption = AfxUtf8ToWide(app ? app->m_strAppName.GetString() : std::string());
    return MessageBoxW(AfxGetOwnerWindow(nullptr, nullptr), AfxUtf8ToWide(lpszText ? lpszText : "").c_str(),
                       caption.c_str(), nType);
}
