// Message maps: a class declares which messages and control notifications
// its handlers take; dispatch walks the maps from the most derived class to
// its bases. Each entry carries a small function that unpacks WPARAM and
// LPARAM into the handler's typed arguments, so handlers never see raw words.
#pragma once

#include "framework/win32/Win32Api.h"

class CCmdTarget;
class CScrollBar;

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message; 0 with no handler ends the map
    UINT nCode;     // WM_COMMAND notification or WM_NOTIFY code
    UINT nID;       // control or command id; 0 for window messages
    void (*pfnHandler)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A message registered at run time: the variable that holds its number,
    // which then stands for nMessage.
    const UINT* pnRegisteredMessage = nullptr;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define afx_msg

#define DECLARE_MESSAGE_MAP()                               \
protected:                                                  \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();    \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap()                          \
    {                                                                               \
        using ThisClass [[maybe_unused]] = theClass;                                \
        typedef baseClass TheBaseClass;                                             \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                           \
    {0, 0, 0, nullptr}                                                              \
    }                                                                               \
    ;                                                                               \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap;                                                             \
    }

#define AFX_MSG_THUNK(body) \
    [](CCmdTarget * pTarget, WPARAM wParam, LPARAM lParam, LRESULT * pResult) { \
        auto* pThis = static_cast<ThisClass*>(pTarget);                          \
        (void)pThis;                                                             \
        (void)wParam;                                                            \
        (void)lParam;                                                            \
        (void)pResult;                                                           \
        body;                                                                    \
    }

#define ON_COMMAND(id, memberFxn) {WM_COMMAND, 0, (UINT)(id), AFX_MSG_THUNK((pThis->*(memberFxn))())},
#define ON_BN_CLICKED(id, memberFxn) {WM_COMMAND, BN_CLICKED, (UINT)(id), AFX_MSG_THUNK((pThis->*(memberFxn))())},
#define ON_NOTIFY(code, id, memberFxn)                                                                          \
    {WM_NOTIFY, (UINT)(code), (UINT)(id),                                                                       \
     AFX_MSG_THUNK((pThis->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), pResult))},
#define ON_WM_SYSCOMMAND() \
    {WM_SYSCOMMAND, 0, 0, AFX_MSG_THUNK(pThis->OnSysCommand(static_cast<UINT>(wParam), lParam))},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, AFX_MSG_THUNK(pThis->OnPaint())},
#define ON_WM_QUERYDRAGICON() \
    {WM_QUERYDRAGICON, 0, 0, AFX_MSG_THUNK(*pResult = reinterpret_cast<LRESULT>(pThis->OnQueryDragIcon()))},
// OnContextMenu(CWnd* pWnd, CPoint point): pWnd is the window clicked (null
// when no object is attached to it), point is in screen coordinates, or
// (-1, -1) when the menu was asked for from the keyboard.
#define ON_WM_CONTEXTMENU()                                                              \
    {WM_CONTEXTMENU, 0, 0,                                                               \
     AFX_MSG_THUNK(                                                                      \
         pThis->OnContextMenu(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(wParam)), \
                              CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)))))},
// LRESULT OnMessage(WPARAM, LPARAM) for the message whose number the UINT
// variable nMessageVariable holds (from RegisterWindowMessage).
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    {0, 0, 0, AFX_MSG_THUNK(*pResult = (pThis->*(memberFxn))(wParam, lParam)), &(nMessageVariable)},

#define ON_WM_SIZE() \
    {WM_SIZE, 0, 0, AFX_MSG_THUNK(pThis->OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)))},
// A window's own scroll bars: there is no scroll bar control to pass.
#define ON_WM_HSCROLL() \
    {WM_HSCROLL, 0, 0, AFX_MSG_THUNK(pThis->OnHScroll(LOWORD(wParam), HIWORD(wParam), nullptr))},
#define ON_WM_VSCROLL() \
    {WM_VSCROLL, 0, 0, AFX_MSG_THUNK(pThis->OnVScroll(LOWORD(wParam), HIWORD(wParam), nullptr))},
// Positions are signed: a point left of or above the window is negative.
#define AFX_POINT_OF(lParam) CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)))
#define ON_WM_LBUTTONDOWN() \
    {WM_LBUTTONDOWN, 0, 0, AFX_MSG_THUNK(pThis->OnLButtonDown(static_cast<UINT>(wParam), AFX_POINT_OF(lParam)))},
#define ON_WM_MOUSEWHEEL()                                                                                   \
    {WM_MOUSEWHEEL, 0, 0,                                                                                    \
     AFX_MSG_THUNK(*pResult = pThis->OnMouseWheel(LOWORD(wParam), GET_WHEEL_DELTA_WPARAM(wParam), AFX_POINT_OF(lParam)))},

// The framework's command for Help.
#define ID_HELP 0xE146

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler mapped to (message, code, id), searching this class's
    // map and then its bases'. FALSE if no entry matches.
    BOOL DispatchMapped(UINT nMessage, UINT nCode, UINT nID, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
