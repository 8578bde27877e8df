// Device contexts and the drawing objects they draw with. CPaintDC opens
// the painting of a window's invalid area and closes it when destroyed; a
// CDC made by CreateCompatibleDC draws off the screen, into a CBitmap, and
// is deleted with the object.
#pragma once

#include "framework/window/Wnd.h"

class CDC;

// A pen, a bitmap or a stock object, deleted with the object (stock objects
// are the system's and are never deleted). Select it out of every device
// context before it goes.
class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    ~CGdiObject();

    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    HGDIOBJ m_hObject = nullptr;
};

class CPen : public CGdiObject {
public:
    CPen(int nPenStyle, int nWidth, COLORREF crColor);
};

class CBitmap : public CGdiObject {
public:
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
};

class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    ~CDC();

    HDC GetSafeHdc() const { return m_hDC; }
    // A memory device context like pDC's, drawing into the bitmap selected
    // into it.
    BOOL CreateCompatibleDC(CDC* pDC);

    // Each returns the object of its kind that was selected before.
    HGDIOBJ SelectObject(CGdiObject* pObject) { return SelectObject(pObject->GetSafeHandle()); }
    HGDIOBJ SelectObject(HGDIOBJ hObject);
    HGDIOBJ SelectStockObject(int nIndex);

    BOOL DrawIcon(int x, int y, HICON hIcon);
    void FillSolidRect(const RECT& rect, COLORREF color);
    // Outlines rect with the selected pen, filled with the selected brush.
    BOOL Rectangle(const RECT& rect);
    COLORREF SetTextColor(COLORREF color);
    int SetBkMode(int nBkMode);
    // Text at x, y; with ETO_CLIPPED, cut to rect.
    BOOL ExtTextOut(int x, int y, UINT nOptions, const RECT* lpRect, const CString& str);
    // The size str takes in the selected font.
    SIZE GetTextExtent(const CString& str) const;
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);

    HDC m_hDC = nullptr;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();

    PAINTSTRUCT m_ps;

private:
    HWND m_hWnd;
};

// A point, in the coordinates of whatever gave it.
struct CPoint : POINT {
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
};

// A rectangle with its extents.
struct CRect : RECT {
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const CRect& a, const CRect& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend bool operator!=(const CRect& a, const CRect& b) { return !(a == b); }
};
