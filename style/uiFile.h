// Macro names for ids, read from a C header.
#pragma once

#include <cstdint>

#include "framework/afx.h"
#include "style/header/HeaderReader.h"

// One name of the table. Nodes are allocated one by one with new, so the
// owner frees them one by one with delete.
struct NameIdNode {
    NameIdNode* next = nullptr;
    CString name;
    uint32_t id = 0;
};

// Deletes the list at pHead node by node, each after its successor has been
// read.
void FreeNameIdList(NameIdNode* pHead);

// Reads the C header at lpszPath as GetMacroNameIdFromFile does: each name
// goes to onName in the order of the list, and each definition that gives
// none to onSkip (if given) with its line and why. False, with no call,
// where GetMacroNameIdFromFile returns -1.
bool ReadMacroHeader(LPCTSTR lpszPath, const header::NameHandler& onName, const header::SkipHandler& onSkip);

class uiFile {
public:
    // Reads the integer macros and enum members of the C header at
    // lpszPath (syntax: docs/header-syntax.md) into a new list in file
    // order. On success the new list replaces the one at *ppHead, whose
    // nodes are deleted, and the result is the number of names read (0 for
    // a header without any). When the file cannot be opened or read, or is
    // not text (it holds a NUL byte) or is larger than 64 MiB, the result is
    // -1 and *ppHead is left as it was.
    static int GetMacroNameIdFromFile(NameIdNode** ppHead, LPCTSTR lpszPath);
};
