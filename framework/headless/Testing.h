// What a test can script and read back of the headless platform, by window
// handle. The platform keeps its state to itself: tests see it only through
// these functions. tests/unit/HeadlessDialogs.h adds the same for
// framework objects.
//
// Dialogs have no templates here: a dialog's control comes into being when
// it is first addressed by its id, and answers the tree view's and the list
// view's messages alike. Modal loops, file dialogs, message boxes and
// context menus answer from scripts that a test queues, and record what
// they were asked. Keys and right-clicks take the way they take on the
// platform: through the modal loop's message filter and dialog manager,
// and a control's default handling.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/win32/Win32Api.h"

namespace headless {

struct FileDialogRequest {
    std::string title;
    std::string filter;  // with '|' separators and a closing "||"
    std::string initialFile;
    DWORD flags;
    bool hasDefExt;
    std::string defExt;
};

struct MessageBoxRequest {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct MenuItem {
    UINT nFlags;
    UINT_PTR nID;
    std::string text;
};

// A context menu as it was shown: its items, where on the screen, for
// which window.
struct PopupMenuRequest {
    std::vector<MenuItem> items;
    int x;
    int y;
    HWND owner;
};

struct Column {
    std::string heading;
    int format;
    int width;
};

struct IconDraw {
    int x;
    int y;
    HICON icon;
};

// One thing drawn through a device context, in the coordinates of the
// window it reached (a copy from an off-screen context brings what was drawn
// there, moved to where it was copied).
struct Drawn {
    enum Kind { Fill, Frame, Text } kind;
    RECT rect;       // filled; framed; a text's clipping rectangle, if any
    COLORREF color;  // of the fill, the pen or the text
    int penStyle;    // frames: PS_SOLID, PS_DASH
    int penWidth;
    POINT at;          // texts: where they start
    std::string text;  // texts
};

// One BeginPaint on a window, with what was drawn through its device context.
struct Paint {
    HDC hdc;
    std::vector<IconDraw> icons;
    std::vector<Drawn> drawn;
};

// Queues the body of the next modal loop, run with the dialog's window once
// WM_INITDIALOG is handled. A loop whose body is missing or does not end the
// dialog ends as if Esc had been pressed.
void PushModalLoop(std::function<void(HWND hDlg)> body);
// Queues the answer of the next file dialog: IDOK with a path, or IDCANCEL.
// With nothing queued, a file dialog is cancelled.
void PushFileDialog(INT_PTR result, const std::string& path = {});
const std::vector<FileDialogRequest>& FileDialogs();
const std::vector<MessageBoxRequest>& MessageBoxes();

// Queues what the next context menu answers: the command chosen, or 0 for
// a menu closed without a choice (also the answer with nothing queued).
void PushMenuChoice(UINT_PTR nID);
const std::vector<PopupMenuRequest>& PopupMenus();

// Keys held with a key press.
enum KeyModifier : UINT { kNoKeys = 0, kCtrl = 1, kShift = 2, kAlt = 4 };
// A key pressed and released on the window with the focus (or on the
// running modal dialog when none has it), as the running modal loop takes
// it: its message filter first, then its dialog manager (Enter, Esc), then
// the window.
void PressKey(UINT vk, UINT modifiers = kNoKeys);
// A right-click at (x, y) in hWnd's client area.
void RightClick(HWND hWnd, int x, int y);
// A tree's items are rows of this height from the top of its client area,
// the items of collapsed parents left out; a list's rows follow its
// header, of the same height.
constexpr int kRowHeight = 16;

// The controls of the find dialog: the text field, "Match case", the Up
// and Down buttons.
constexpr int kFindWhat = 0x480;
constexpr int kMatchCase = 0x411;
constexpr int kFindUp = 0x420;
constexpr int kFindDown = 0x421;
// The open find dialog, or null.
HWND OpenFindDialog();
bool IsChecked(HWND hDlg, int nID);

// The clipboard's Unicode text, in UTF-8; none when it holds none.
std::optional<std::string> ClipboardText();
// Selects one row of a list view, as a click on it does (-1: none).
void SelectListRow(HWND hList, int nRow);
bool IsTreeItemExpanded(HWND hTree, HTREEITEM hItem);

// Resources the program may load.
void SetString(UINT nID, const std::string& text);
void AddIcon(UINT nID);
// The resource id an icon was loaded from.
UINT IconId(HICON hIcon);
// Forgets scripts, records and resources, the clipboard's text and the
// focus; windows stay.
void Reset();

// A top-level window with no behaviour of its own, to host controls outside
// a dialog; it lives until DestroyWindow.
HWND CreateWindow();
void DestroyWindow(HWND hWnd);

// Sends a message through the window's procedure.
LRESULT Send(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// The control nID of a dialog, made if it does not exist yet.
HWND Child(HWND hDlg, int nID);
// A button click as the user makes it.
void Click(HWND hDlg, int nID);
// Text typed into an edit control.
void Type(HWND hDlg, int nID, const std::string& text);

std::string Text(HWND hWnd);
// The messages the window's attached object passed on to the window's own
// procedure, oldest first.
std::vector<Message> DefaultCalls(HWND hWnd);
std::vector<Paint> Paints(HWND hWnd);
// The window's scroll bar nBar (SB_HORZ or SB_VERT) as last set.
SCROLLINFO ScrollBar(HWND hWnd, int nBar);
// The top-level windows a window owns, oldest first.
std::vector<HWND> OwnedWindows(HWND hOwner);
std::vector<MenuItem> MenuItems(HMENU hMenu);
std::vector<HICON> Images(HIMAGELIST hImageList);
// Items of a tree in display order, depth first.
std::vector<HTREEITEM> TreeItems(HWND hTree);
std::vector<Column> Columns(HWND hList);

}  // namespace headless
