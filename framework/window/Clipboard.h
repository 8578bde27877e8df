// Putting text on the clipboard.
#pragma once

#include "framework/core/String.h"
#include "framework/win32/Win32Api.h"

// Replaces the clipboard's contents with strText as Unicode text
// (CF_UNICODETEXT), so that any program reads every character of it.
// hOwner is the window that opens the clipboard. FALSE when the clipboard
// is held by another program or the memory cannot be had.
BOOL AfxSetClipboardText(HWND hOwner, const CString& strText);
