// Looking up the macro name of an id.
#pragma once

#include <cstdint>

#include "style/uiFile.h"

// Sets strName to the name of the first node with id and returns true;
// returns false, leaving strName as it was, when no node has it.
bool LookupMacroName(const NameIdNode* pHead, uint32_t id, CString& strName);
