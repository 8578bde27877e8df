// Device contexts: CPaintDC opens the painting of a window's invalid area
// and closes it when destroyed.
#pragma once

#include "framework/window/Wnd.h"

class CDC {
public:
    HDC GetSafeHdc() const { return m_hDC; }
    BOOL DrawIcon(int x, int y, HICON hIcon);

    HDC m_hDC = nullptr;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    ~CPaintDC();

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps;
};

// A point, in whichever coordinates its source gives.
struct CPoint : POINT {
    CPoint() : POINT{0, 0} {}
    CPoint(LONG x, LONG y) : POINT{x, y} {}
};

// A rectangle with its extents.
struct CRect : RECT {
    CRect() : RECT{0, 0, 0, 0} {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const CRect& a, const CRect& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend bool operator!=(const CRect& a, const CRect& b) { return !(a == b); }
};
