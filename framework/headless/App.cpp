#include <cerrno>

#include "framework/headless/State.h"

BOOL CString::LoadString(UINT nID)
{
    const auto& strings = headless::GetState().strings;
    const auto found = strings.find(nID);
    *this = found == strings.end() ? "" : found->second.c_str();
    return found != strings.end();
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    const auto& icons = headless::GetState().icons;
    const auto found = icons.find(nIDResource);
    return found == icons.end() ? nullptr : found->second.get();
}

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    if (app->m_strAppName.IsEmpty())
        app->m_strAppName = program_invocation_short_name;
    app->InitInstance();
    return app->ExitInstance();
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT)
{
    CWinApp* app = AfxGetApp();
    headless::GetState().messageBoxes.push_back(
        {lpszText ? lpszText : "", app ? app->m_strAppName.GetString() : "", nType});
    return IDOK;
}

INT_PTR CFileDialog::DoModal()
{
    headless::State& state = headless::GetState();
    std::string filter = m_strFilter;
    for (char& c : filter)
        if (c == '\0')
            c = '|';
    state.fileDialogs.push_back(
        {m_ofn.lpstrTitle ? m_ofn.lpstrTitle : "", filter, m_strFileName, m_ofn.Flags, m_bHasDefExt, m_strDefExt});
    if (state.fileDialogAnswers.empty())
        return IDCANCEL;
    auto [result, path] = state.fileDialogAnswers.front();
    state.fileDialogAnswers.pop_front();
    if (result == IDOK)
        m_strFileName = path;
    return result;
}
