#include "ui/ScenePictureWnd.h"

#include <algorithm>
#include <utility>

#include "browse/NodeLabels.h"
#include "ui/ScenePainter.h"

namespace {

// Without scroll bars at first: the system shows each one as the window
// gets smaller than the scene, when the bar's range no longer fits a page.
const DWORD kStyle = WS_OVERLAPPEDWINDOW;
// The client area while there is no scene to size it.
const int kEmptyWidth = 320, kEmptyHeight = 240;
// One step of a scroll bar's arrow, and of a notch of the wheel (three).
const int kLine = 16;

}  // namespace

BEGIN_MESSAGE_MAP(CScenePictureWnd, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CScenePictureWnd::~CScenePictureWnd()
{
    DestroyWindow();
}

BOOL CScenePictureWnd::Open(CWnd* pOwner, const Scene* pScene, const MacroNameIndex& names, PickHandler onPick)
{
    if (m_hWnd)
        return TRUE;
    m_onPick = std::move(onPick);
    // Labels in the dialog's own font, as the tree shows them.
    m_hFont = reinterpret_cast<HFONT>(pOwner->SendMessage(WM_GETFONT));
    ShowScene(pScene, names);

    const SceneRect area = m_layout ? m_layout->Area() : SceneRect{0, 0, kEmptyWidth, kEmptyHeight};
    RECT frame{0, 0, static_cast<LONG>(area.Width()), static_cast<LONG>(area.Height())};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(pOwner->m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const LONG width = std::min(frame.right - frame.left, work.right - work.left);
    const LONG height = std::min(frame.bottom - frame.top, work.bottom - work.top);
    // To the right of the owner if it fits there, else to its left, else
    // at the screen's right edge over it.
    RECT owner;
    pOwner->GetWindowRect(&owner);
    LONG x = work.right - width;
    if (owner.right + width <= work.right)
        x = owner.right;
    else if (owner.left - width >= work.left)
        x = owner.left - width;
    const LONG y = std::max(work.top, std::min(owner.top, work.bottom - height));

    const CString windowClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, AfxGetApp()->LoadStandardCursor(IDC_ARROW));
    if (!CreateEx(0, windowClass, Title(), kStyle, x, y, width, height, pOwner->m_hWnd))
        return FALSE;
    UpdateScrollBars();
    ShowWindow(SW_SHOW);
    return TRUE;
}

void CScenePictureWnd::ShowScene(const Scene* pScene, const MacroNameIndex& names)
{
    const bool same = pScene && pScene == GetScene();
    m_layout.reset();
    if (pScene) {
        m_layout.emplace(*pScene, names);
        m_strSceneLabel = SceneLabel(*pScene, names);
    }
    m_nHighlight = SceneLayout::npos;
    if (!same)
        m_ptScroll = CPoint();
    if (!m_hWnd)
        return;
    SetWindowText(Title());
    UpdateScrollBars();
    Invalidate();
}

void CScenePictureWnd::Clear()
{
    ShowScene(nullptr, MacroNameIndex(nullptr));
}

void CScenePictureWnd::PostNcDestroy()
{
    m_layout.reset();
    m_nHighlight = SceneLayout::npos;
    m_onPick = nullptr;
}

void CScenePictureWnd::Highlight(const Res* pRes)
{
    m_nHighlight = pRes && m_layout ? m_layout->Find(pRes) : SceneLayout::npos;
    if (!m_hWnd)
        return;
    if (m_nHighlight != SceneLayout::npos) {
        // Into view, with a little room, where it reaches outside.
        const SceneRect& r = m_layout->Items()[m_nHighlight].rect;
        CRect client;
        GetClientRect(&client);
        // The least move that shows it, its top-left first where it is
        // larger than the view.
        const auto into = [](int64_t low, int64_t high, int from, int length) {
            if (low < from)
                return static_cast<int>(low) - 8;
            if (high > from + length)
                return static_cast<int>(std::min(low - 8, high + 8 - length));
            return from;
        };
        const int x = into(r.left, r.right, m_ptScroll.x, client.Width());
        const int y = into(r.top, r.bottom, m_ptScroll.y, client.Height());
        ScrollTo(x, y);
    }
    Invalidate();
}

CString CScenePictureWnd::Title() const
{
    if (!m_layout)
        return "Scene picture";
    const SceneRect area = m_layout->Area();
    CString title;
    // An em dash and a multiplication sign, in UTF-8.
    title.Format("%s \xE2\x80\x94 %lld \xC3\x97 %lld", m_strSceneLabel.GetString().c_str(),
                 static_cast<long long>(area.Width()), static_cast<long long>(area.Height()));
    return title;
}

void CScenePictureWnd::UpdateScrollBars()
{
    const SceneRect area = m_layout ? m_layout->Area() : SceneRect{};
    CRect client;
    GetClientRect(&client);
    // Showing or hiding one bar resizes the client area, and the system
    // then sends WM_SIZE, which comes back here: each pass sets both bars
    // from the client area as it then is.
    SCROLLINFO info{};
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = static_cast<int>(std::max<int64_t>(area.Width(), 1) - 1);
    info.nPage = static_cast<UINT>(std::max(client.Width(), 0));
    info.nPos = m_ptScroll.x;
    SetScrollInfo(SB_HORZ, &info);
    info.nMax = static_cast<int>(std::max<int64_t>(area.Height(), 1) - 1);
    info.nPage = static_cast<UINT>(std::max(client.Height(), 0));
    info.nPos = m_ptScroll.y;
    SetScrollInfo(SB_VERT, &info);
    ScrollTo(m_ptScroll.x, m_ptScroll.y);
}

void CScenePictureWnd::ScrollTo(int x, int y)
{
    const SceneRect area = m_layout ? m_layout->Area() : SceneRect{};
    CRect client;
    GetClientRect(&client);
    const auto keep = [](int value, int64_t extent, int length) {
        return static_cast<int>(std::max<int64_t>(0, std::min<int64_t>(value, extent - length)));
    };
    x = keep(x, area.Width(), client.Width());
    y = keep(y, area.Height(), client.Height());
    if (x == m_ptScroll.x && y == m_ptScroll.y)
        return;
    SCROLLINFO info{};
    info.fMask = SIF_POS;
    if (x != m_ptScroll.x) {
        info.nPos = x;
        SetScrollInfo(SB_HORZ, &info);
    }
    if (y != m_ptScroll.y) {
        info.nPos = y;
        SetScrollInfo(SB_VERT, &info);
    }
    m_ptScroll = CPoint(x, y);
    Invalidate();
    UpdateWindow();
}

void CScenePictureWnd::OnScroll(int nBar, UINT nSBCode)
{
    SCROLLINFO info{};
    GetScrollInfo(nBar, &info);
    int pos = info.nPos;
    switch (nSBCode) {
    case SB_LINEUP:
        pos -= kLine;
        break;
    case SB_LINEDOWN:
        pos += kLine;
        break;
    case SB_PAGEUP:
        pos -= static_cast<int>(info.nPage);
        break;
    case SB_PAGEDOWN:
        pos += static_cast<int>(info.nPage);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        // The 32-bit place; the message's own word stops at 65535.
        pos = info.nTrackPos;
        break;
    case SB_TOP:
        pos = info.nMin;
        break;
    case SB_BOTTOM:
        pos = info.nMax;
        break;
    default:
        return;
    }
    if (nBar == SB_HORZ)
        ScrollTo(pos, m_ptScroll.y);
    else
        ScrollTo(m_ptScroll.x, pos);
}

void CScenePictureWnd::OnPaint()
{
    CPaintDC dc(this);
    const CRect area(dc.m_ps.rcPaint.left, dc.m_ps.rcPaint.top, dc.m_ps.rcPaint.right, dc.m_ps.rcPaint.bottom);
    if (area.Width() <= 0 || area.Height() <= 0)
        return;
    // Drawn off the screen and copied in once: no flicker, and one trip to
    // the display for the whole area.
    CBitmap bitmap;
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(&dc, area.Width(), area.Height()))
        return;
    const HGDIOBJ oldBitmap = memory.SelectObject(&bitmap);
    SceneView view;
    view.originX = int64_t{m_ptScroll.x} + area.left;
    view.originY = int64_t{m_ptScroll.y} + area.top;
    view.area = CRect(0, 0, area.Width(), area.Height());
    view.highlight = m_nHighlight;
    view.font = m_hFont;
    PaintScene(memory, m_layout ? &*m_layout : nullptr, view);
    dc.BitBlt(area.left, area.top, area.Width(), area.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(oldBitmap);
}

void CScenePictureWnd::OnSize(UINT, int, int)
{
    UpdateScrollBars();
}

void CScenePictureWnd::OnHScroll(UINT nSBCode, UINT, CScrollBar*)
{
    OnScroll(SB_HORZ, nSBCode);
}

void CScenePictureWnd::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    OnScroll(SB_VERT, nSBCode);
}

void CScenePictureWnd::OnLButtonDown(UINT, CPoint point)
{
    if (!m_layout || !m_onPick)
        return;
    const size_t hit = m_layout->HitTest(int64_t{point.x} + m_ptScroll.x, int64_t{point.y} + m_ptScroll.y);
    // The handler may show another scene: take what it needs first.
    const Scene& scene = m_layout->GetScene();
    const Res* pRes = hit == SceneLayout::npos ? nullptr : m_layout->Items()[hit].res;
    m_onPick(scene, pRes);
}

BOOL CScenePictureWnd::OnMouseWheel(UINT nFlags, short zDelta, CPoint)
{
    const int step = -zDelta * 3 * kLine / WHEEL_DELTA;
    if (nFlags & MK_SHIFT)
        ScrollTo(m_ptScroll.x + step, m_ptScroll.y);
    else
        ScrollTo(m_ptScroll.x, m_ptScroll.y + step);
    return TRUE;
}
