#include "framework/window/AcceleratorTable.h"

#include <vector>

CAcceleratorTable::CAcceleratorTable(const ACCEL* pEntries, size_t nCount)
{
    // The platform takes the entries through a pointer to non-const.
    std::vector<ACCEL> entries(pEntries, pEntries + nCount);
    m_hAccel = CreateAcceleratorTableW(entries.data(), static_cast<int>(entries.size()));
}

CAcceleratorTable::~CAcceleratorTable()
{
    if (m_hAccel)
        DestroyAcceleratorTable(m_hAccel);
}

BOOL CAcceleratorTable::Translate(HWND hWnd, MSG* pMsg) const
{
    return m_hAccel && TranslateAcceleratorW(hWnd, m_hAccel, pMsg) != 0;
}
