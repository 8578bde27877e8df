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

// Why a header gave a table or none.
enum class MacroFileStatus : uint8_t {
    ok,
    cannot_open,  // missing, a folder, no permission
    read_error,   // the platform failed a read
    not_text,     // it holds a NUL byte: a binary file, or UTF-16 text
    too_large,    // larger than kMaxMacroFileBytes
    no_memory,    // no room for the text or its names in memory
};

struct MacroFileResult {
    MacroFileStatus status = MacroFileStatus::ok;
    int count = 0;  // the names read, when status is ok
};

// The largest header read: ids headers are far smaller, and the limit keeps
// a wrong choice of file from filling memory.
constexpr uint64_t kMaxMacroFileBytes = uint64_t{64} << 20;

// Reads the C header at lpszPath as uiFile::ReadMacroNameIdFile does: each
// name goes to onName in the order of the list, and each definition that
// gives none to onSkip (if given) with its line and why. Neither is called
// unless the status is ok.
MacroFileResult ReadMacroHeader(LPCTSTR lpszPath, const header::NameHandler& onName,
                                const header::SkipHandler& onSkip);

class uiFile {
public:
    // Reads the integer macros and enum members of the C header at
    // lpszPath (syntax: docs/header-syntax.md) into a new list in file
    // order. On success the new list replaces the one at *ppHead, whose
    // nodes are deleted, and the result is the number of names read (0 for
    // a header without any). When the file cannot be opened or read, is
    // not text or is too large, the result is -1 and *ppHead is left as it
    // was.
    static int GetMacroNameIdFromFile(NameIdNode** ppHead, LPCTSTR lpszPath);
    // The same, saying why a header gave no list.
    static MacroFileResult ReadMacroNameIdFile(NameIdNode** ppHead, LPCTSTR lpszPath);
};
