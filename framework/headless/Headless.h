// The headless backend: windows are objects in memory, so dialog code runs
// unchanged in native tests. Dialogs have no templates here: a dialog's
// control comes into being when it is first addressed by its id. Modal
// loops, file dialogs and message boxes answer from scripts that a test
// queues, and record what they were asked.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/afxdlgs.h"
#include "framework/afxcmn.h"

struct HMENU__ {
    struct Item {
        UINT nFlags;
        UINT_PTR nID;
        std::string text;
    };
    std::vector<Item> items;
};

struct HICON__ {
    UINT nResourceId;
};

struct _IMAGELIST {
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    std::vector<HICON> images;
};

struct _TREEITEM {
    _TREEITEM* parent = nullptr;
    std::vector<_TREEITEM*> children;  // owned through HWND__::treeItems
    std::string text;
    int image = 0;
    int selectedImage = 0;
    LPARAM data = 0;
};

struct HDC__ {
    struct IconDraw {
        int x;
        int y;
        HICON icon;
    };
    std::vector<IconDraw> icons;
};

struct HWND__ {
    struct DefaultCall {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    struct Column {
        std::string heading;
        int format;
        int width;
    };

    HWND__* parent = nullptr;
    int id = 0;
    std::string text;
    CWnd* wnd = nullptr;  // the attached C++ object, if any
    std::vector<std::unique_ptr<HWND__>> children;

    // Top-level windows
    bool iconic = false;
    RECT client{0, 0, 0, 0};
    HICON icons[2] = {nullptr, nullptr};  // ICON_SMALL, ICON_BIG
    std::unique_ptr<HMENU__> systemMenu;
    bool ended = false;
    INT_PTR modalResult = 0;
    std::vector<DefaultCall> defaultCalls;  // messages that reached default processing
    std::deque<HDC__> paints;                // one per CPaintDC opened on the window

    // Tree views
    std::vector<std::unique_ptr<_TREEITEM>> treeItems;
    std::vector<_TREEITEM*> treeRoots;
    _TREEITEM* treeSelection = nullptr;
    HIMAGELIST treeImageList = nullptr;

    // List views
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;
    DWORD listExStyle = 0;
};

namespace headless {

struct FileDialogRequest {
    std::string title;
    std::string filter;  // with '|' separators, as the caller gave it
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

// What a script can do inside a modal loop.
using ModalScript = std::function<void(CDialog& dialog)>;

// Queues the body of the next modal loop. A loop whose script is missing or
// does not end the dialog ends as if Esc had been pressed.
void PushModal(ModalScript script);
// Queues the answer of the next file dialog: IDOK with a path, or IDCANCEL.
void PushFileDialog(INT_PTR result, const std::string& path = {});
const std::vector<FileDialogRequest>& FileDialogs();
const std::vector<MessageBoxRequest>& MessageBoxes();

// Resources the program may load.
void SetString(UINT nID, const std::string& text);
void AddIcon(UINT nID);
// Forgets scripts, records and resources.
void Reset();

// Sends a message to a window through its attached object, if any.
LRESULT Send(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// The control nID of a dialog, made if it does not exist yet.
HWND Child(HWND hDlg, int nID);
// A button click as the user makes it.
void Click(CWnd& dialog, int nID);
// Text typed into an edit control.
void Type(CWnd& dialog, int nID, const std::string& text);
// Items of a tree in display order, depth first.
std::vector<HTREEITEM> TreeItems(HWND hTree);

}  // namespace headless
