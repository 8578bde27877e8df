// What a test can script and read back of the headless platform, by window
// handle. The platform keeps its state to itself: tests see it only through
// these functions. tests/unit/HeadlessDialogs.h adds the same for
// framework objects.
//
// Dialogs have no templates here: a dialog's control comes into being when
// it is first addressed by its id, and answers the tree view's and the list
// view's messages alike. Modal loops, file dialogs and message boxes answer
// from scripts that a test queues, and record what they were asked.
#pragma once

#include <functional>
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

// Resources the program may load.
void SetString(UINT nID, const std::string& text);
void AddIcon(UINT nID);
// The resource id an icon was loaded from.
UINT IconId(HICON hIcon);
// Forgets scripts, records and resources; windows stay.
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
