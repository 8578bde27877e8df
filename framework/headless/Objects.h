// The objects behind the headless platform's handles, and the platform's
// state. Private to the backend: tests read them through Testing.h.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/Utf.h"
#include "framework/headless/ListView.h"
#include "framework/headless/Testing.h"
#include "framework/headless/TreeView.h"
#include "framework/win32/Win32Api.h"

// The program's one module, and the one display.
struct HINSTANCE__ {};
struct HMONITOR__ {};

struct HMENU__ {
    std::vector<headless::MenuItem> items;
};

struct HICON__ {
    UINT nResourceId;
};

struct _IMAGELIST {
    int cx;
    int cy;
    UINT flags;
    std::vector<HICON> images;
};

namespace headless {
// Each drawing object's struct starts with its kind, so that SelectObject
// can tell what it is given.
enum class GdiKind { Pen, Brush, Bitmap, Font };
}  // namespace headless

struct HPEN__ {
    headless::GdiKind kind;
    int style;
    int width;
    COLORREF color;
};
struct HBRUSH__ {
    headless::GdiKind kind;
};
struct HBITMAP__ {
    headless::GdiKind kind;
    int cx;
    int cy;
};
struct HFONT__ {
    headless::GdiKind kind;
};

struct HDC__ {
    std::vector<headless::IconDraw> icons;
    std::vector<headless::Drawn> drawn;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HBITMAP bitmap = nullptr;
    HFONT font = nullptr;
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF textColor = 0;
    int bkMode = 2;  // OPAQUE
};

// A message filter hook.
struct HHOOK__ {
    HOOKPROC proc;
};

struct HACCEL__ {
    std::vector<ACCEL> entries;
};

// A block of global memory, as the clipboard takes it.
struct HGLOBAL__ {
    std::vector<unsigned char> bytes;
};

struct HWND__ {
    HWND__* parent = nullptr;  // the dialog of a control
    HWND__* owner = nullptr;   // the window a dialog was opened over
    int id = 0;
    WNDPROC proc = nullptr;  // the current procedure, subclassed or not
    LONG_PTR userData = 0;   // GWLP_USERDATA
    AfxWideString text;
    RECT rect{0, 0, 0, 0};  // on the screen; the client area is all of it
    bool iconic = false;
    bool checked = false;                 // a check box or radio button
    HICON icons[2] = {nullptr, nullptr};  // ICON_SMALL, ICON_BIG
    std::vector<std::unique_ptr<HWND__>> children;
    std::vector<headless::Message> defaultCalls;
    std::deque<HDC__> paints;  // one per BeginPaint, kept for the tests
    bool invalid = false;      // awaits a WM_PAINT
    SCROLLINFO scroll[2] = {};  // SB_HORZ, SB_VERT

    // Dialogs
    bool dialog = false;
    DLGPROC dlgProc = nullptr;
    LONG_PTR msgResult = 0;  // DWLP_MSGRESULT
    std::unique_ptr<HMENU__> systemMenu;
    bool ended = false;
    INT_PTR modalResult = 0;
    FINDREPLACEW* findReplace = nullptr;  // the find dialog's request

    // Controls, made when first used as one or the other
    std::unique_ptr<headless::TreeView> tree;
    std::unique_ptr<headless::ListView> list;
};

namespace headless {

struct State {
    std::deque<std::function<void(HWND)>> modalLoops;
    std::vector<HWND> runningModalDialogs;  // innermost last
    HWND focus = nullptr;
    HWND active = nullptr;
    std::vector<UINT> keysDown;
    std::vector<std::unique_ptr<HHOOK__>> messageFilters;  // the newest first
    std::vector<std::unique_ptr<HACCEL__>> acceleratorTables;
    std::map<std::u16string, UINT> registeredMessages;
    std::vector<std::unique_ptr<HMENU__>> popupMenus;
    std::deque<UINT_PTR> menuChoices;
    std::vector<PopupMenuRequest> trackedMenus;
    std::vector<std::unique_ptr<HGLOBAL__>> globals;
    bool clipboardOpen = false;
    std::unique_ptr<HGLOBAL__> clipboardText;
    std::deque<std::pair<INT_PTR, std::string>> fileDialogAnswers;
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<MessageBoxRequest> messageBoxes;
    std::map<UINT, AfxWideString> strings;
    std::map<UINT, std::unique_ptr<HICON__>> icons;
    std::vector<std::unique_ptr<HWND__>> topLevel;
    std::map<AfxWideString, WNDCLASSEXW> classes;
    std::vector<std::unique_ptr<HDC__>> memoryDCs;
    std::vector<std::unique_ptr<HPEN__>> pens;
    std::vector<std::unique_ptr<HBITMAP__>> bitmaps;
};

State& GetState();

// Makes a window whose procedure is proc: a top-level one with no parent,
// else a child of parent.
HWND MakeWindow(HWND parent, WNDPROC proc);
// Whether hWnd is a window that exists, and whether it is inside hAncestor.
bool IsLive(HWND hWnd);
bool IsInside(HWND hAncestor, HWND hWnd);
// Offers msg to the message filter hooks, newest first; true if one took it.
bool CallMessageFilters(MSG* msg, int code);
// Whether a key (VK_CONTROL, VK_SHIFT, VK_MENU, ...) is held down.
bool IsKeyDown(UINT vk);
// Sends WM_DESTROY and WM_NCDESTROY as the platform does, then frees the
// window and its children.
void Destroy(HWND hWnd);

// The procedures of a dialog and of a dialog's controls.
LRESULT CALLBACK DialogWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ControlWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Copies text into a caller's buffer of size characters, cut to fit and
// null-terminated; returns the number of characters copied.
int CopyText(const AfxWideString& text, LPWSTR buffer, int size);

}  // namespace headless
