// Win32 scalar types, handles and the constants the portable code names.
// On Windows they come from <windows.h>; elsewhere this header supplies the
// same names with the same widths so that portable code compiles unchanged.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#else
#include <cstddef>
#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef unsigned int UINT;
typedef uintptr_t UINT_PTR;
typedef intptr_t INT_PTR;
typedef uintptr_t DWORD_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef char CHAR;
typedef char TCHAR;
typedef const char* LPCSTR;
typedef const char* LPCTSTR;
typedef char* LPSTR;
typedef char* LPTSTR;
typedef void* LPVOID;
typedef uint64_t ULONGLONG;

#define TRUE 1
#define FALSE 0
#define MAX_PATH 260
#define WINAPI
#define CALLBACK
#define PASCAL

// Handles are pointers to types that only the headless backend defines.
struct HWND__;
struct HICON__;
struct HMENU__;
struct HDC__;
struct HINSTANCE__;
typedef HWND__* HWND;
typedef HICON__* HICON;
typedef HMENU__* HMENU;
typedef HDC__* HDC;
typedef HINSTANCE__* HINSTANCE;
typedef HICON HCURSOR;
typedef struct _TREEITEM* HTREEITEM;
typedef struct _IMAGELIST* HIMAGELIST;

#define LOWORD(l) ((WORD)(((DWORD_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define MAKELONG(a, b) ((LONG)(((WORD)(((DWORD_PTR)(a)) & 0xffff)) | ((DWORD)((WORD)(((DWORD_PTR)(b)) & 0xffff))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))

struct RECT {
    LONG left, top, right, bottom;
};
struct POINT {
    LONG x, y;
};
struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};
struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};
struct TVITEM {
    UINT mask;
    HTREEITEM hItem;
    UINT state;
    UINT stateMask;
    LPSTR pszText;
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren;
    LPARAM lParam;
};
struct NMTREEVIEW {
    NMHDR hdr;
    UINT action;
    TVITEM itemOld;
    TVITEM itemNew;
    POINT ptDrag;
};
typedef NMTREEVIEW NM_TREEVIEW;

struct OPENFILENAME {
    DWORD lStructSize;
    HWND hwndOwner;
    LPCSTR lpstrFilter;
    LPSTR lpstrFile;
    DWORD nMaxFile;
    LPSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCSTR lpstrTitle;
    DWORD Flags;
    LPCSTR lpstrDefExt;
};

// Window messages
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_PAINT 0x000F
#define WM_SETREDRAW 0x000B
#define WM_CLOSE 0x0010
#define WM_QUERYDRAGICON 0x0037
#define WM_ICONERASEBKGND 0x0027
#define WM_SETICON 0x0080
#define WM_GETICON 0x007F
#define WM_NCDESTROY 0x0082
#define WM_NOTIFY 0x004E
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112

#define ICON_SMALL 0
#define ICON_BIG 1

#define SC_SIZE 0xF000
#define SC_MOVE 0xF010
#define SC_MINIMIZE 0xF020
#define SC_MAXIMIZE 0xF030
#define SC_CLOSE 0xF060
#define SC_RESTORE 0xF120

#define BN_CLICKED 0

#define IDOK 1
#define IDCANCEL 2

#define MF_STRING 0x0000
#define MF_SEPARATOR 0x0800

#define SM_CXICON 11
#define SM_CYICON 12

#define MB_OK 0x0000

int GetSystemMetrics(int nIndex);

// Tree view
#define TVN_FIRST (0U - 400U)
#define TVN_SELCHANGED (TVN_FIRST - 2)
#define TVI_ROOT ((HTREEITEM)(uintptr_t)(intptr_t)-0x10000)
#define TVI_FIRST ((HTREEITEM)(uintptr_t)(intptr_t)-0x0FFFF)
#define TVI_LAST ((HTREEITEM)(uintptr_t)(intptr_t)-0x0FFFE)
#define TVIF_TEXT 0x0001
#define TVIF_IMAGE 0x0002
#define TVIF_PARAM 0x0004
#define TVIF_STATE 0x0008
#define TVIF_SELECTEDIMAGE 0x0020
#define TVSIL_NORMAL 0
#define TVGN_ROOT 0x0000
#define TVGN_NEXT 0x0001
#define TVGN_PARENT 0x0003
#define TVGN_CHILD 0x0004
#define TVGN_CARET 0x0009
#define TVC_UNKNOWN 0x0000

// List view
#define LVCFMT_LEFT 0x0000
#define LVS_EX_GRIDLINES 0x00000001
#define LVS_EX_FULLROWSELECT 0x00000020
#define LVS_EX_REGIONAL 0x00000200

// Image lists
#define ILC_MASK 0x00000001
#define ILC_COLOR32 0x00000020

// Common dialogs
#define OFN_READONLY 0x00000001
#define OFN_HIDEREADONLY 0x00000004
#define OFN_FILEMUSTEXIST 0x00001000

#define MAKEINTRESOURCE(i) ((LPSTR)((uintptr_t)((WORD)(i))))
#endif
