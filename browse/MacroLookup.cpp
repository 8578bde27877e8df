#include "browse/MacroLookup.h"

bool LookupMacroName(const NameIdNode* pHead, uint32_t id, CString& strName)
{
    for (const NameIdNode* node = pHead; node; node = node->next) {
        if (node->id == id) {
            strName = node->name;
            return true;
        }
    }
    return false;
}
