// What the portable window code asks of a backend, for raw window handles.
#pragma once

#include "framework/core/String.h"

HWND AfxGetDlgItem(HWND hDlg, int nID);
void AfxGetWindowText(HWND hWnd, CString& rString);
void AfxSetWindowText(HWND hWnd, LPCTSTR lpszString);
