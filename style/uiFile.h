// Macro names for ids, read from a C header.
#pragma once

#include <cstdint>

#include "framework/afx.h"

struct NameIdNode {
    NameIdNode* next = nullptr;
    CString name;
    uint32_t id = 0;
};

class uiFile {
public:
    // Reads the macro definitions of the header at lpszPath into the list
    // whose head *ppHead holds.
    static int GetMacroNameIdFromFile(NameIdNode** ppHead, LPCTSTR lpszPath);
};
