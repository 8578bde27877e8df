#include "framework/window/Dc.h"

#include "framework/core/Utf.h"

CGdiObject::~CGdiObject()
{
    if (m_hObject)
        DeleteObject(m_hObject);
}

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    m_hObject = CreatePen(nPenStyle, nWidth, crColor);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    if (m_hObject)
        return FALSE;
    m_hObject = ::CreateCompatibleBitmap(pDC->GetSafeHdc(), nWidth, nHeight);
    return m_hObject != nullptr;
}

CDC::~CDC()
{
    if (m_hDC)
        DeleteDC(m_hDC);
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    if (m_hDC)
        return FALSE;
    m_hDC = ::CreateCompatibleDC(pDC ? pDC->GetSafeHdc() : nullptr);
    return m_hDC != nullptr;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    return ::SelectObject(m_hDC, hObject);
}

HGDIOBJ CDC::SelectStockObject(int nIndex)
{
    return ::SelectObject(m_hDC, GetStockObject(nIndex));
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

void CDC::FillSolidRect(const RECT& rect, COLORREF color)
{
    // An opaque text of no characters fills its rectangle with the
    // background colour: no brush to make.
    SetBkColor(m_hDC, color);
    ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

BOOL CDC::Rectangle(const RECT& rect)
{
    return ::Rectangle(m_hDC, rect.left, rect.top, rect.right, rect.bottom);
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return ::SetTextColor(m_hDC, color);
}

int CDC::SetBkMode(int nBkMode)
{
    return ::SetBkMode(m_hDC, nBkMode);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, const RECT* lpRect, const CString& str)
{
    const AfxWideString text = AfxUtf8ToWide(str.GetString());
    return ExtTextOutW(m_hDC, x, y, nOptions, lpRect, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

SIZE CDC::GetTextExtent(const CString& str) const
{
    const AfxWideString text = AfxUtf8ToWide(str.GetString());
    SIZE size{0, 0};
    GetTextExtentPoint32W(m_hDC, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps{}, m_hWnd(pWnd->m_hWnd)
{
    m_hDC = BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    EndPaint(m_hWnd, &m_ps);
    // The system's, not ours to delete.
    m_hDC = nullptr;
}
