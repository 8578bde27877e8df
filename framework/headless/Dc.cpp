#include "framework/headless/State.h"

// The metrics of a standard display.
int GetSystemMetrics(int nIndex)
{
    switch (nIndex) {
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    default:
        return 0;
    }
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd), m_ps{}
{
    m_hWnd->paints.emplace_back();
    m_hDC = &m_hWnd->paints.back();
    m_ps.hdc = m_hDC;
}

CPaintDC::~CPaintDC() = default;

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    if (!m_hDC || !hIcon)
        return FALSE;
    m_hDC->icons.push_back({x, y, hIcon});
    return TRUE;
}
