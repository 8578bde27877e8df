// What the win32 backend's files share.
#pragma once

#include "framework/core/WinTypes.h"

class CWnd;

// The object attached to a window whose procedure is AfxWndProc.
CWnd* AfxWndFromHandle(HWND hWnd);
// The procedure of every window attached to an object.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// The window that owns dialogs opened without an explicit parent.
HWND AfxGetOwnerWindow(const CWnd* pParent, const CWnd* pSelf);
