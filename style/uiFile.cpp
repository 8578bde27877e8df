#include "style/uiFile.h"

int uiFile::GetMacroNameIdFromFile(NameIdNode** /*ppHead*/, LPCTSTR /*lpszPath*/)
{
    // The header reader comes with its own work; until then it reads nothing.
    return 0;
}
