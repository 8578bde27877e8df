// Path names as the platform's shell functions treat them.
#pragma once

#include "framework/core/String.h"
#include "framework/core/WinTypes.h"

// The last name in pszPath: what follows its last '\\' or '/', or the whole
// text when it has neither.
LPCTSTR PathFindFileName(LPCTSTR pszPath);

// Removes, in place, the extension of the last name in pszPath: from its
// last dot on. As with the platform's shell function, a name with a space
// after its last dot has no extension and is left whole, as is a name
// without a dot.
void PathRemoveExtension(LPTSTR pszPath);

// Cuts strName, a file name or a path, to the file's title: its last name
// without its last extension ("ui/main.v2.sty" gives "main.v2"). The
// extension goes as PathRemoveExtension takes it off the string's buffer,
// got with room for MAX_PATH characters, whose length is then taken from
// its terminator.
void CutToFileTitle(CString& strName);
