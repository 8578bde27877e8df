// The platform interface of the framework's window layer: the Win32 types,
// messages and functions it is written in, and nothing else. On Windows
// they are the system's own. Elsewhere this header declares the same subset
// with the same names and meanings, and framework/headless implements it in
// memory, so that the window layer that ships is the one the native tests
// run. A call the window layer makes that is not declared here does not
// build natively: that is how the subset stays complete and no larger.
#pragma once

#include "framework/core/WinTypes.h"

#ifdef _WIN32
#include <commctrl.h>
#include <commdlg.h>
#else

typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef void* HANDLE;

#define WINAPI
#define CALLBACK
#define PASCAL

// Handles point to types that only the headless backend defines.
struct HWND__;
struct HICON__;
struct HMENU__;
struct HDC__;
struct HINSTANCE__;
struct HPEN__;
struct HBRUSH__;
struct HBITMAP__;
struct HFONT__;
struct HMONITOR__;
struct HHOOK__;
struct HACCEL__;
struct HGLOBAL__;
typedef HWND__* HWND;
typedef HICON__* HICON;
typedef HMENU__* HMENU;
typedef HDC__* HDC;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef HMONITOR__* HMONITOR;
typedef HHOOK__* HHOOK;
typedef HACCEL__* HACCEL;
typedef HGLOBAL__* HGLOBAL;
typedef HICON HCURSOR;
typedef HPEN__* HPEN;
typedef HBRUSH__* HBRUSH;
typedef HBITMAP__* HBITMAP;
typedef HFONT__* HFONT;
typedef void* HGDIOBJ;
typedef DWORD COLORREF;
typedef WORD ATOM;
typedef struct _TREEITEM* HTREEITEM;
typedef struct _IMAGELIST* HIMAGELIST;

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);
typedef LRESULT(CALLBACK* HOOKPROC)(int code, WPARAM wParam, LPARAM lParam);

#define LOWORD(l) ((WORD)(((DWORD_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define MAKELONG(a, b) ((LONG)(((WORD)(((DWORD_PTR)(a)) & 0xffff)) | ((DWORD)((WORD)(((DWORD_PTR)(b)) & 0xffff))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKEINTRESOURCEW(i) ((LPWSTR)((uintptr_t)((WORD)(i))))
#define MAKEINTRESOURCEA(i) ((LPSTR)((uintptr_t)((WORD)(i))))
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)(rgb))
#define GetGValue(rgb) ((BYTE)(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) ((BYTE)((rgb) >> 16))
#define GET_WHEEL_DELTA_WPARAM(wParam) ((short)HIWORD(wParam))
#define IS_INTRESOURCE(r) ((((uintptr_t)(r)) >> 16) == 0)

struct RECT {
    LONG left, top, right, bottom;
};
struct POINT {
    LONG x, y;
};
struct SIZE {
    LONG cx, cy;
};
struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};
struct MONITORINFO {
    DWORD cbSize;
    RECT rcMonitor;
    RECT rcWork;
    DWORD dwFlags;
};
struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};
struct INITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
};
struct SCROLLINFO {
    UINT cbSize;
    UINT fMask;
    int nMin;
    int nMax;
    UINT nPage;
    int nPos;
    int nTrackPos;
};
typedef SCROLLINFO* LPSCROLLINFO;
struct CREATESTRUCTW {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCWSTR lpszName;
    LPCWSTR lpszClass;
    DWORD dwExStyle;
};
struct WNDCLASSEXW {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCWSTR lpszMenuName;
    LPCWSTR lpszClassName;
    HICON hIconSm;
};

// Windows
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SIZE 0x0005
#define WM_SETREDRAW 0x000B
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_ICONERASEBKGND 0x0027
#define WM_GETFONT 0x0031
#define WM_QUERYDRAGICON 0x0037
#define WM_NOTIFY 0x004E
#define WM_NOTIFYFORMAT 0x0055
#define WM_CONTEXTMENU 0x007B
#define WM_GETICON 0x007F
#define WM_SETICON 0x0080
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_HSCROLL 0x0114
#define WM_VSCROLL 0x0115
#define WM_LBUTTONDOWN 0x0201
#define WM_RBUTTONUP 0x0205
#define WM_MOUSEWHEEL 0x020A
#define WM_COPY 0x0301

#define WS_OVERLAPPEDWINDOW 0x00CF0000L
#define WS_HSCROLL 0x00100000L
#define WS_VSCROLL 0x00200000L
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
// The 8-bit form, as the framework names resources.
#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define SW_SHOW 5

#define SB_HORZ 0
#define SB_VERT 1
#define SB_LINEUP 0
#define SB_LINEDOWN 1
#define SB_PAGEUP 2
#define SB_PAGEDOWN 3
#define SB_THUMBPOSITION 4
#define SB_THUMBTRACK 5
#define SB_TOP 6
#define SB_BOTTOM 7
#define SIF_RANGE 0x0001
#define SIF_PAGE 0x0002
#define SIF_POS 0x0004
#define SIF_TRACKPOS 0x0010
#define SIF_ALL (SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS)
#define MK_SHIFT 0x0004
#define WHEEL_DELTA 120

#define ICON_SMALL 0
#define ICON_BIG 1

#define NFR_ANSI 1
#define NFR_UNICODE 2
#define NF_QUERY 3

#define SC_SIZE 0xF000
#define SC_MOVE 0xF010
#define SC_MINIMIZE 0xF020
#define SC_MAXIMIZE 0xF030
#define SC_CLOSE 0xF060
#define SC_RESTORE 0xF120

#define BN_CLICKED 0

#define IDOK 1
#define IDCANCEL 2

#define GWLP_WNDPROC (-4)
#define GWLP_USERDATA (-21)
#define DWLP_MSGRESULT 0
#define GW_OWNER 4
#define GA_ROOT 2
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOACTIVATE 0x0010
#define MONITOR_DEFAULTTOPRIMARY 0x00000001

#define MF_STRING 0x0000
#define MF_GRAYED 0x0001
#define MF_SEPARATOR 0x0800
#define TPM_RIGHTBUTTON 0x0002
#define TPM_RETURNCMD 0x0100

#define SM_CXICON 11
#define SM_CYICON 12

#define MB_OK 0x0000
#define MB_ICONINFORMATION 0x0040

// Keys and accelerators
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_APPS 0x5D
#define VK_F3 0x72
#define VK_F10 0x79
#define FVIRTKEY 0x01
#define FSHIFT 0x04
#define FCONTROL 0x08
#define FALT 0x10

struct ACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

// Message filter hooks: the dialog manager's modal loops offer each input
// message to them before handling it.
#define WH_MSGFILTER (-1)
#define MSGF_DIALOGBOX 0

// Clipboard
#define CF_UNICODETEXT 13
#define GMEM_MOVEABLE 0x0002

LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LONG_PTR GetWindowLongPtrW(HWND hWnd, int nIndex);
LONG_PTR SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
HWND GetWindow(HWND hWnd, UINT uCmd);
int GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount);
int GetWindowTextLengthW(HWND hWnd);
BOOL SetWindowTextW(HWND hWnd, LPCWSTR lpString);
BOOL IsIconic(HWND hWnd);
BOOL IsWindowVisible(HWND hWnd);
BOOL GetClientRect(HWND hWnd, RECT* lpRect);
BOOL GetWindowRect(HWND hWnd, RECT* lpRect);
BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);
HMONITOR MonitorFromWindow(HWND hwnd, DWORD dwFlags);
BOOL GetMonitorInfoW(HMONITOR hMonitor, MONITORINFO* lpmi);
int GetSystemMetrics(int nIndex);

HWND GetParent(HWND hWnd);
HWND GetAncestor(HWND hwnd, UINT gaFlags);
BOOL IsWindow(HWND hWnd);
BOOL DestroyWindow(HWND hWnd);
HWND GetFocus();
HWND SetFocus(HWND hWnd);
HWND SetActiveWindow(HWND hWnd);
BOOL ClientToScreen(HWND hWnd, POINT* lpPoint);
BOOL ScreenToClient(HWND hWnd, POINT* lpPoint);
UINT RegisterWindowMessageW(LPCWSTR lpString);

HMENU GetSystemMenu(HWND hWnd, BOOL bRevert);
BOOL AppendMenuW(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem);
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU hMenu);
BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd, const RECT* prcRect);

DWORD GetCurrentThreadId();
HHOOK SetWindowsHookExW(int idHook, HOOKPROC lpfn, HINSTANCE hmod, DWORD dwThreadId);
BOOL UnhookWindowsHookEx(HHOOK hhk);
LRESULT CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam);
BOOL IsDialogMessageW(HWND hDlg, MSG* lpMsg);
HACCEL CreateAcceleratorTableW(ACCEL* paccel, int cAccel);
BOOL DestroyAcceleratorTable(HACCEL hAccel);
int TranslateAcceleratorW(HWND hWnd, HACCEL hAccTable, MSG* lpMsg);

BOOL OpenClipboard(HWND hWndNewOwner);
BOOL EmptyClipboard();
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem);
BOOL CloseClipboard();
HGLOBAL GlobalAlloc(UINT uFlags, size_t dwBytes);
LPVOID GlobalLock(HGLOBAL hMem);
BOOL GlobalUnlock(HGLOBAL hMem);
HGLOBAL GlobalFree(HGLOBAL hMem);

INT_PTR DialogBoxParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                        LPARAM dwInitParam);
BOOL EndDialog(HWND hDlg, INT_PTR nResult);
int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType);

ATOM RegisterClassExW(const WNDCLASSEXW* lpwcx);
BOOL GetClassInfoExW(HINSTANCE hInstance, LPCWSTR lpszClass, WNDCLASSEXW* lpwcx);
HWND CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int X, int Y,
                     int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam);
BOOL DestroyWindow(HWND hWnd);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL UpdateWindow(HWND hWnd);
BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
BOOL AdjustWindowRectEx(RECT* lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle);
HCURSOR LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName);
int SetScrollInfo(HWND hwnd, int nBar, const SCROLLINFO* lpsi, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int nBar, SCROLLINFO* lpsi);

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint);
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon);

// Drawing
#define SRCCOPY 0x00CC0020
#define TRANSPARENT 1
#define ETO_OPAQUE 0x0002
#define ETO_CLIPPED 0x0004
#define PS_SOLID 0
#define PS_DASH 1
#define NULL_BRUSH 5
#define DEFAULT_GUI_FONT 17

HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy);
HPEN CreatePen(int iStyle, int cWidth, COLORREF color);
HGDIOBJ GetStockObject(int i);
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);
BOOL DeleteObject(HGDIOBJ ho);
BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF SetTextColor(HDC hdc, COLORREF color);
int SetBkMode(HDC hdc, int mode);
BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString, UINT c,
                 const int* lpDx);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, SIZE* psizl);

// The program's module and its resources
HMODULE GetModuleHandleW(LPCWSTR lpModuleName);
DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);
int LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax);
HICON LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName);

// Common controls
#define ICC_LISTVIEW_CLASSES 0x1
#define ICC_TREEVIEW_CLASSES 0x2

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce);

// Tree view. The framework's text is 8-bit, so its notices are the A forms.
#define TV_FIRST 0x1100
#define TVM_DELETEITEM (TV_FIRST + 1)
#define TVM_EXPAND (TV_FIRST + 2)
#define TVM_GETITEMRECT (TV_FIRST + 4)
#define TVM_GETCOUNT (TV_FIRST + 5)
#define TVM_GETIMAGELIST (TV_FIRST + 8)
#define TVM_SETIMAGELIST (TV_FIRST + 9)
#define TVM_GETNEXTITEM (TV_FIRST + 10)
#define TVM_SELECTITEM (TV_FIRST + 11)
#define TVM_HITTEST (TV_FIRST + 17)
#define TVM_INSERTITEMW (TV_FIRST + 50)
#define TVM_GETITEMW (TV_FIRST + 62)
#define TVM_SETITEMW (TV_FIRST + 63)
#define TVN_FIRST (0U - 400U)
#define TVN_SELCHANGEDA (TVN_FIRST - 2)
#define TVN_SELCHANGEDW (TVN_FIRST - 51)
#define TVN_SELCHANGED TVN_SELCHANGEDA
#define TVI_ROOT ((HTREEITEM)(uintptr_t)(intptr_t)-0x10000)
#define TVI_FIRST ((HTREEITEM)(uintptr_t)(intptr_t)-0x0FFFF)
#define TVI_LAST ((HTREEITEM)(uintptr_t)(intptr_t)-0x0FFFE)
#define TVIF_TEXT 0x0001
#define TVIF_IMAGE 0x0002
#define TVIF_PARAM 0x0004
#define TVIF_STATE 0x0008
#define TVIF_HANDLE 0x0010
#define TVIF_SELECTEDIMAGE 0x0020
#define TVIS_SELECTED 0x0002
#define TVSIL_NORMAL 0
#define TVGN_ROOT 0x0000
#define TVGN_NEXT 0x0001
#define TVGN_PREVIOUS 0x0002
#define TVGN_PARENT 0x0003
#define TVGN_CHILD 0x0004
#define TVGN_CARET 0x0009
#define TVC_UNKNOWN 0x0000
#define TVE_COLLAPSE 0x0001
#define TVE_EXPAND 0x0002

struct TVHITTESTINFO {
    POINT pt;
    UINT flags;
    HTREEITEM hItem;
};

template <class Text>
struct TVITEMT {
    UINT mask;
    HTREEITEM hItem;
    UINT state;
    UINT stateMask;
    Text pszText;
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren;
    LPARAM lParam;
};
typedef TVITEMT<LPSTR> TVITEMA;
typedef TVITEMT<LPWSTR> TVITEMW;
typedef TVITEMA TVITEM;

struct TVINSERTSTRUCTW {
    HTREEITEM hParent;
    HTREEITEM hInsertAfter;
    TVITEMW item;
};

template <class Item>
struct NMTREEVIEWT {
    NMHDR hdr;
    UINT action;
    Item itemOld;
    Item itemNew;
    POINT ptDrag;
};
typedef NMTREEVIEWT<TVITEMA> NMTREEVIEWA;
typedef NMTREEVIEWT<TVITEMW> NMTREEVIEWW;
typedef NMTREEVIEWA NMTREEVIEW;
typedef NMTREEVIEW NM_TREEVIEW;

// List view
#define LVM_FIRST 0x1000
#define LVM_GETITEMCOUNT (LVM_FIRST + 4)
#define LVM_DELETEALLITEMS (LVM_FIRST + 9)
#define LVM_GETNEXTITEM (LVM_FIRST + 12)
#define LVM_GETITEMRECT (LVM_FIRST + 14)
#define LVM_GETCOLUMNWIDTH (LVM_FIRST + 29)
#define LVM_SETEXTENDEDLISTVIEWSTYLE (LVM_FIRST + 54)
#define LVM_GETEXTENDEDLISTVIEWSTYLE (LVM_FIRST + 55)
#define LVM_INSERTITEMW (LVM_FIRST + 77)
#define LVM_INSERTCOLUMNW (LVM_FIRST + 97)
#define LVM_GETITEMTEXTW (LVM_FIRST + 115)
#define LVM_SETITEMTEXTW (LVM_FIRST + 116)
#define LVCF_FMT 0x1
#define LVCF_WIDTH 0x2
#define LVCF_TEXT 0x4
#define LVCF_SUBITEM 0x8
#define LVCFMT_LEFT 0x0000
#define LVIF_TEXT 0x1
#define LVNI_SELECTED 0x0002
#define LVIR_BOUNDS 0
#define LVS_EX_GRIDLINES 0x00000001
#define LVS_EX_FULLROWSELECT 0x00000020
#define LVS_EX_REGIONAL 0x00000200

struct LVCOLUMNW {
    UINT mask;
    int fmt;
    int cx;
    LPWSTR pszText;
    int cchTextMax;
    int iSubItem;
};
struct LVITEMW {
    UINT mask;
    int iItem;
    int iSubItem;
    UINT state;
    UINT stateMask;
    LPWSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
};

// Image lists
#define ILC_MASK 0x00000001
#define ILC_COLOR32 0x00000020

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow);
int ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon);
int ImageList_GetImageCount(HIMAGELIST himl);
BOOL ImageList_Destroy(HIMAGELIST himl);

// Common dialogs
#define OFN_READONLY 0x00000001
#define OFN_HIDEREADONLY 0x00000004
#define OFN_FILEMUSTEXIST 0x00001000

template <class Text, class ConstText>
struct OPENFILENAMET {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    ConstText lpstrFilter;
    Text lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    Text lpstrFile;
    DWORD nMaxFile;
    Text lpstrFileTitle;
    DWORD nMaxFileTitle;
    ConstText lpstrInitialDir;
    ConstText lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    ConstText lpstrDefExt;
};
typedef OPENFILENAMET<LPSTR, LPCSTR> OPENFILENAMEA;
typedef OPENFILENAMET<LPWSTR, LPCWSTR> OPENFILENAMEW;
typedef OPENFILENAMEA OPENFILENAME;

BOOL GetOpenFileNameW(OPENFILENAMEW* lpofn);
BOOL GetSaveFileNameW(OPENFILENAMEW* lpofn);

// The find dialog tells its owner of each of its commands with the message
// registered under FINDMSGSTRINGW.
#define FINDMSGSTRINGW u"commdlg_FindReplace"
#define FR_DOWN 0x00000001
#define FR_MATCHCASE 0x00000004
#define FR_FINDNEXT 0x00000008
#define FR_DIALOGTERM 0x00000040
#define FR_HIDEWHOLEWORD 0x00010000

struct FINDREPLACEW {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    DWORD Flags;
    LPWSTR lpstrFindWhat;
    LPWSTR lpstrReplaceWith;
    WORD wFindWhatLen;
    WORD wReplaceWithLen;
    LPARAM lCustData;
    void* lpfnHook;
    LPCWSTR lpTemplateName;
};

HWND FindTextW(FINDREPLACEW* lpfr);

#endif
