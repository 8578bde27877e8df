// The framework's portable core: Win32 scalar types, CString and CFile.
#pragma once

#include "framework/core/File.h"
#include "framework/core/Path.h"
#include "framework/core/String.h"
#include "framework/core/WinTypes.h"
