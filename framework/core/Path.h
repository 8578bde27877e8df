// Path names as the platform's shell functions treat them.
#pragma once

#include "framework/core/WinTypes.h"

// The last name in pszPath: what follows its last '\\' or '/', or the whole
// text when it has neither.
LPCTSTR PathFindFileName(LPCTSTR pszPath);

// Removes, in place, the extension of the last name in pszPath: from its
// last dot on. As with the platform's shell function, a name with a space
// after its last dot has no extension and is left whole, as is a name
// without a dot.
void PathRemoveExtension(LPTSTR pszPath);
