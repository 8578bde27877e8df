#include "framework/window/FindReplaceDialog.h"

#include <algorithm>

#include "framework/core/Utf.h"
#include "framework/window/WinThread.h"

CFindReplaceDialog::~CFindReplaceDialog()
{
    // With its owner gone the window is gone too; otherwise it closes here.
    HWND hWnd = m_hWnd;
    Release();
    if (hWnd && IsWindow(hWnd))
        DestroyWindow(hWnd);
}

BOOL CFindReplaceDialog::Create(LPCTSTR lpszFindWhat, DWORD dwFlags, CWnd* pParentWnd)
{
    if (m_hWnd)
        return FALSE;
    AfxWideString text = AfxUtf8ToWide(lpszFindWhat ? lpszFindWhat : "");
    size_t length = std::min(text.size(), std::size(m_szFindWhat) - 1);
    // Cut whole characters only: never the first half of a surrogate pair.
    if (length > 0 && length < text.size() && text[length - 1] >= 0xD800 && text[length - 1] < 0xDC00)
        --length;
    std::copy_n(text.begin(), length, m_szFindWhat);
    m_szFindWhat[length] = 0;

    m_fr = FINDREPLACEW{};
    m_fr.lStructSize = sizeof(m_fr);
    m_fr.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    m_fr.Flags = (dwFlags & (FR_DOWN | FR_MATCHCASE)) | FR_HIDEWHOLEWORD;
    m_fr.lpstrFindWhat = m_szFindWhat;
    m_fr.wFindWhatLen = static_cast<WORD>(std::size(m_szFindWhat));
    m_fr.lCustData = reinterpret_cast<LPARAM>(this);
    m_hWnd = FindTextW(&m_fr);
    if (!m_hWnd)
        return FALSE;
    if (CWinThread* thread = AfxGetThread())
        thread->AddModelessDialog(m_hWnd);
    return TRUE;
}

CFindReplaceDialog* CFindReplaceDialog::GetNotifier(LPARAM lParam)
{
    const auto* fr = reinterpret_cast<const FINDREPLACEW*>(lParam);
    auto* dialog = reinterpret_cast<CFindReplaceDialog*>(fr->lCustData);
    if (dialog->IsTerminating())
        dialog->Release();
    return dialog;
}

CString CFindReplaceDialog::GetFindString() const
{
    return CString(AfxWideToUtf8(m_szFindWhat));
}

void CFindReplaceDialog::Release()
{
    if (!m_hWnd)
        return;
    if (CWinThread* thread = AfxGetThread())
        thread->RemoveModelessDialog(m_hWnd);
    m_hWnd = nullptr;
}
