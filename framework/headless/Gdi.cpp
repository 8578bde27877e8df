// Drawing: device contexts keep their state and record what is drawn
// through them; off-screen ones pass their records on where they are copied.
#include <algorithm>
#include <type_traits>
#include <utility>

#include "framework/headless/Objects.h"

namespace {

HBRUSH__ g_nullBrush{headless::GdiKind::Brush};
HFONT__ g_guiFont{headless::GdiKind::Font};

template <class Handle>
void Forget(std::vector<std::unique_ptr<Handle>>& owned, const void* h)
{
    owned.erase(std::remove_if(owned.begin(), owned.end(), [h](const auto& p) { return p.get() == h; }),
                owned.end());
}

}  // namespace

HDC CreateCompatibleDC(HDC)
{
    auto& dcs = headless::GetState().memoryDCs;
    dcs.push_back(std::make_unique<HDC__>());
    return dcs.back().get();
}

BOOL DeleteDC(HDC hdc)
{
    auto& dcs = headless::GetState().memoryDCs;
    const size_t before = dcs.size();
    Forget(dcs, hdc);
    return dcs.size() != before;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy)
{
    if (!hdc || cx < 0 || cy < 0)
        return nullptr;
    auto& bitmaps = headless::GetState().bitmaps;
    bitmaps.push_back(std::make_unique<HBITMAP__>(HBITMAP__{headless::GdiKind::Bitmap, cx, cy}));
    return bitmaps.back().get();
}

HPEN CreatePen(int iStyle, int cWidth, COLORREF color)
{
    auto& pens = headless::GetState().pens;
    pens.push_back(std::make_unique<HPEN__>(HPEN__{headless::GdiKind::Pen, iStyle, cWidth, color}));
    return pens.back().get();
}

HGDIOBJ GetStockObject(int i)
{
    switch (i) {
    case NULL_BRUSH:
        return &g_nullBrush;
    case DEFAULT_GUI_FONT:
        return &g_guiFont;
    default:
        return nullptr;
    }
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h)
{
    if (!hdc || !h)
        return nullptr;
    const auto swap = [h](auto& slot) {
        auto old = slot;
        slot = static_cast<std::remove_reference_t<decltype(slot)>>(h);
        return static_cast<HGDIOBJ>(old);
    };
    switch (*static_cast<const headless::GdiKind*>(h)) {
    case headless::GdiKind::Pen:
        return swap(hdc->pen);
    case headless::GdiKind::Brush:
        return swap(hdc->brush);
    case headless::GdiKind::Bitmap:
        return swap(hdc->bitmap);
    case headless::GdiKind::Font:
        return swap(hdc->font);
    }
    return nullptr;
}

BOOL DeleteObject(HGDIOBJ ho)
{
    if (!ho || ho == &g_nullBrush || ho == &g_guiFont)
        return FALSE;
    headless::State& state = headless::GetState();
    Forget(state.pens, ho);
    Forget(state.bitmaps, ho);
    return TRUE;
}

BOOL BitBlt(HDC hdc, int x, int y, int, int, HDC hdcSrc, int x1, int y1, DWORD)
{
    if (!hdc || !hdcSrc)
        return FALSE;
    const LONG dx = x - x1, dy = y - y1;
    for (headless::Drawn drawn : hdcSrc->drawn) {
        drawn.rect = {drawn.rect.left + dx, drawn.rect.top + dy, drawn.rect.right + dx, drawn.rect.bottom + dy};
        drawn.at = {drawn.at.x + dx, drawn.at.y + dy};
        hdc->drawn.push_back(std::move(drawn));
    }
    return TRUE;
}

COLORREF SetBkColor(HDC hdc, COLORREF color)
{
    return hdc ? std::exchange(hdc->bkColor, color) : 0;
}

COLORREF SetTextColor(HDC hdc, COLORREF color)
{
    return hdc ? std::exchange(hdc->textColor, color) : 0;
}

int SetBkMode(HDC hdc, int mode)
{
    return hdc ? std::exchange(hdc->bkMode, mode) : 0;
}

BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString, UINT c, const int*)
{
    if (!hdc)
        return FALSE;
    if ((options & ETO_OPAQUE) && lprect)
        hdc->drawn.push_back({headless::Drawn::Fill, *lprect, hdc->bkColor, 0, 0, {}, {}});
    if (lpString && c > 0) {
        const RECT clip = (options & ETO_CLIPPED) && lprect ? *lprect : RECT{};
        hdc->drawn.push_back({headless::Drawn::Text, clip, hdc->textColor, 0, 0, {x, y},
                              AfxWideToUtf8(AfxWideString(lpString, c))});
    }
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    if (!hdc || !hdc->pen)
        return FALSE;
    // A context starts with the system's white brush.
    if (hdc->brush != &g_nullBrush)
        hdc->drawn.push_back({headless::Drawn::Fill, {left, top, right, bottom}, RGB(255, 255, 255), 0, 0, {}, {}});
    hdc->drawn.push_back(
        {headless::Drawn::Frame, {left, top, right, bottom}, hdc->pen->color, hdc->pen->style, hdc->pen->width, {}, {}});
    return TRUE;
}

// The stock font's cells: 6 pixels wide, 13 high.
BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR, int c, SIZE* psizl)
{
    if (!hdc || !psizl || c < 0)
        return FALSE;
    *psizl = {6 * c, 13};
    return TRUE;
}
