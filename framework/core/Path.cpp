#include "framework/core/Path.h"

LPCTSTR PathFindFileName(LPCTSTR pszPath)
{
    LPCTSTR name = pszPath;
    for (LPCTSTR p = pszPath; p && *p; ++p) {
        if (*p == '\\' || *p == '/')
            name = p + 1;
    }
    return name;
}

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

void CutToFileTitle(CString& strName)
{
    const LPCTSTR path = strName;
    const LPCTSTR name = PathFindFileName(path);
    if (name != path)
        strName = CString(name);
    PathRemoveExtension(strName.GetBuffer(MAX_PATH));
    strName.ReleaseBuffer(-1);
}
