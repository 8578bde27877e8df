#include "framework/core/Path.h"

void PathRemoveExtension(LPTSTR pszPath)
{
    if (!pszPath)
        return;
    char* dot = nullptr;
    for (char* p = pszPath; *p; ++p) {
        if (*p == '\\' || *p == '/' || *p == ' ')
            dot = nullptr;
        else if (*p == '.')
            dot = p;
    }
    if (dot)
        *dot = '\0';
}
