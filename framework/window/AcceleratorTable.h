// An accelerator table made from entries in code: the keys of a window and
// the commands they give. Destroyed with the object.
#pragma once

#include <cstddef>

#include "framework/win32/Win32Api.h"

class CAcceleratorTable {
public:
    CAcceleratorTable(const ACCEL* pEntries, size_t nCount);
    CAcceleratorTable(const CAcceleratorTable&) = delete;
    CAcceleratorTable& operator=(const CAcceleratorTable&) = delete;
    ~CAcceleratorTable();

    // A key message of an entry becomes that entry's command, sent to hWnd
    // as WM_COMMAND (1 in the high word, no control); TRUE if it did.
    BOOL Translate(HWND hWnd, MSG* pMsg) const;

private:
    HACCEL m_hAccel;
};
