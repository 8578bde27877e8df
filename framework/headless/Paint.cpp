// Painting: each BeginPaint opens a device context that records what is
// drawn through it.
#include "framework/headless/Objects.h"

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint)
{
    if (!hWnd || !lpPaint)
        return nullptr;
    hWnd->invalid = false;
    hWnd->paints.emplace_back();
    *lpPaint = PAINTSTRUCT{};
    lpPaint->hdc = &hWnd->paints.back();
    GetClientRect(hWnd, &lpPaint->rcPaint);
    return lpPaint->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT*)
{
    return TRUE;
}

BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon)
{
    if (!hDC || !hIcon)
        return FALSE;
    hDC->icons.push_back({X, Y, hIcon});
    return TRUE;
}

// The metrics of a standard display.
int GetSystemMetrics(int nIndex)
{
    switch (nIndex) {
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    default:
        return 0;
    }
}
