// Drives the real lorvex.exe as a person would, from another process under
// the same Wine prefix. It starts the program in the examples folder, looks
// at its windows, opens the system menu and the About box, then works the
// file dialogs: cancels each, opens examples/demo.sty and reads the whole
// tree and every node's rows, chooses examples/demo.h and a header in a
// folder whose name is Chinese, types a header path and presses "Update",
// opens the scene picture and clicks in it, opens a copy of
// tests/fixtures/edges.sty in that folder with its header typed in, opens
// a broken file, closes the picture. A screenshot follows each step.
//   lorvex_e2e_driver LORVEX.EXE EXAMPLES_DIR FIXTURES_DIR DATA_DIR SHOT_DIR
// Test files are made in DATA_DIR, which must exist and be empty. Exits 0
// when every check held; prints each check, with what it saw on failure.
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "DemoExpectations.h"
#include "Keyboard.h"
#include "Remote.h"
#include "Screenshot.h"
#include "ui/resource.h"

namespace {

// Control ids of the main dialog.
constexpr int kTree = IDC_TREE, kStyPath = IDC_STY_PATH, kHeaderPath = IDC_HEADER_PATH, kBrowseSty = IDC_BROWSE_STY,
              kList = IDC_LIST, kBrowseHeader = IDC_BROWSE_HEADER, kUpdate = IDC_UPDATE;
// Control ids of the platform's file-open dialog: the file name field (a
// ComboBoxEx holding a ComboBox holding the Edit, all with this id), the
// file type list and the folder list.
constexpr int kFileName = cmb13, kFileTypes = cmb1, kFolders = cmb2;
// The colour the scene picture frames its highlighted resource in.
constexpr COLORREF kHighlight = RGB(0xff, 0x00, 0xc8);

const wchar_t kStyDialogTitle[] = L"请选择sty文件路径";
const wchar_t kHeaderDialogTitle[] = L"请选择头文件文件路径";

int g_checks = 0;
int g_failures = 0;
std::wstring g_shots;
int g_shotNumber = 0;

std::string Utf8(const std::wstring& text)
{
    std::string out;
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    out.resize(static_cast<size_t>(n));
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

bool Check(bool ok, const std::string& what)
{
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
    ++g_checks;
    if (!ok)
        ++g_failures;
    return ok;
}

// Details of a failed check, indented below it.
void Note(const std::string& text)
{
    std::printf("       %s\n", text.c_str());
    std::fflush(stdout);
}

// A Unix path (/...) as Wine's Z: drive shows it.
std::wstring DosPath(std::wstring path)
{
    if (!path.empty() && path[0] == L'/')
        path = L"Z:" + path;
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    while (path.size() > 3 && path.back() == L'\\')
        path.pop_back();
    return path;
}

bool WaitFor(const std::function<bool()>& condition, DWORD ms = 15000)
{
    for (DWORD waited = 0; waited < ms; waited += 20) {
        if (condition())
            return true;
        Sleep(20);
    }
    return condition();
}

// Returns once the window's thread has handled everything sent before.
void Sync(HWND window)
{
    DWORD_PTR ignored;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored);
}

// Lets the program paint, then saves the screen as the next numbered shot.
void Shot(HWND window, const wchar_t* name)
{
    Sync(window);
    Sleep(300);
    wchar_t numbered[64];
    swprintf(numbered, 64, L"%02d-%ls", ++g_shotNumber, name);
    SaveScreen(g_shots, numbered);
}

DWORD ProcessOf(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

// The dialog of process pid with this caption (any caption if null) that is
// not except.
HWND FindDialog(const wchar_t* caption, DWORD pid, HWND except = nullptr)
{
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", caption); w;
         w = FindWindowExW(nullptr, w, L"#32770", caption))
        if (w != except && ProcessOf(w) == pid && IsWindowVisible(w))
            return w;
    return nullptr;
}

// Texts of the statics of a dialog, in creation order.
std::vector<std::wstring> StaticTexts(HWND dialog)
{
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[32] = {};
        GetClassNameW(child, cls, 32);
        if (_wcsicmp(cls, L"Static") == 0)
            texts.push_back(WindowText(child));
    }
    return texts;
}

struct Lorvex {
    PROCESS_INFORMATION process{};
    HWND main = nullptr;

    HANDLE Handle() const { return process.hProcess; }
    DWORD Pid() const { return process.dwProcessId; }
    HWND Item(int id) const { return GetDlgItem(main, id); }
};

// Everything of the main dialog a person can read.
struct View {
    std::vector<TreeNode> tree;
    std::vector<Row> rows;
    std::wstring styPath;
    std::wstring headerPath;

    bool operator==(const View& other) const
    {
        return tree == other.tree && rows == other.rows && styPath == other.styPath && headerPath == other.headerPath;
    }
};

View Look(const Lorvex& app)
{
    return {ReadTree(app.Handle(), app.Item(kTree)), ReadRows(app.Handle(), app.Item(kList)),
            WindowText(app.Item(kStyPath)), WindowText(app.Item(kHeaderPath))};
}

// The files the flows open, made in the data folder.
struct TestFiles {
    std::wstring demoSty, demoHeader;
    std::wstring edgesHeader;
    std::wstring chineseSty, chineseHeader;  // edges.sty and a few names, in a folder named 演示 文件夹
    std::wstring broken;
};

bool WriteFileBytes(const std::wstring& path, const char* bytes, size_t size)
{
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out)
        return false;
    const bool written = fwrite(bytes, 1, size, out) == size;
    return fclose(out) == 0 && written;
}

bool MakeTestFiles(const std::wstring& examples, const std::wstring& fixtures, const std::wstring& data,
                   TestFiles& files)
{
    files.demoSty = examples + L"\\demo.sty";
    files.demoHeader = examples + L"\\demo.h";
    files.edgesHeader = fixtures + L"\\edges.h";
    const std::wstring chinese = data + L"\\演示 文件夹";
    files.chineseSty = chinese + L"\\演示 文件.sty";
    files.chineseHeader = chinese + L"\\演示 头文件.h";
    files.broken = data + L"\\broken.sty";
    // A header that promises three scenes, and then the file ends.
    static const char kTruncated[] = {'S', 'T', 'Y', 1, 3, 0, 0, 0, 3, 0, 0, 0};
    return CreateDirectoryW(chinese.c_str(), nullptr) &&
           CopyFileW((fixtures + L"\\edges.sty").c_str(), files.chineseSty.c_str(), TRUE) &&
           WriteFileBytes(files.chineseHeader, kFewNamesHeader, strlen(kFewNamesHeader)) &&
           WriteFileBytes(files.broken, kTruncated, sizeof kTruncated);
}

// --- the file dialogs ------------------------------------------------------

// Clicks a "Browse..." button; returns the file dialog that opens with the
// given title, or null.
HWND OpenFileDialog(const Lorvex& app, int button, const wchar_t* title)
{
    PostMessageW(app.Item(button), BM_CLICK, 0, 0);
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = FindDialog(title, app.Pid())) != nullptr; });
    if (dialog)
        Sync(dialog);
    return dialog;
}

HWND FileNameEdit(HWND dialog)
{
    return GetDlgItem(GetDlgItem(GetDlgItem(dialog, kFileName), kFileName), kFileName);
}

// The names the dialog lists in its folder view.
std::vector<std::wstring> ListedFiles(const Lorvex& app, HWND dialog)
{
    HWND view = FindWindowExW(dialog, nullptr, L"SHELLDLL_DefView", nullptr);
    HWND list = view ? FindWindowExW(view, nullptr, L"SysListView32", nullptr) : nullptr;
    return list ? ReadListTexts(app.Handle(), list) : std::vector<std::wstring>();
}

// Types path into the file name field and clicks the dialog's Open button;
// true once the dialog has closed.
bool ChooseFile(HWND dialog, const std::wstring& path)
{
    SendMessageW(FileNameEdit(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    return WaitFor([&] { return !IsWindow(dialog); }, 10000);
}

bool CancelDialog(HWND dialog)
{
    PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    return WaitFor([&] { return !IsWindow(dialog); }, 10000);
}

// Opens a file through the dialog behind button and waits until the program
// has done with it (for a file that does not parse: until its message box
// shows).
bool Open(const Lorvex& app, int button, const wchar_t* title, const std::wstring& path)
{
    HWND dialog = OpenFileDialog(app, button, title);
    if (!dialog || !ChooseFile(dialog, path))
        return false;
    // The program shows the chosen path before it reads the file, and takes
    // no message until it has read it and rebuilt the tree, or has shown
    // its message box.
    const int field = button == kBrowseSty ? kStyPath : kHeaderPath;
    if (!WaitFor([&] { return WindowText(app.Item(field)) == path; }, 5000))
        return false;
    Sync(app.main);
    return true;
}

// Clicks "Update". Sent, not posted: the handler opens no dialog, and the
// click is done when the message returns (a posted click could be handled
// in the middle of a later read of the tree).
void PressUpdate(const Lorvex& app)
{
    SendMessageW(app.Item(kUpdate), BM_CLICK, 0, 0);
}

// --- what the tree and the list show -----------------------------------------

enum class Names { None, Own, Few };

std::wstring ExpectedLabel(const ExpectedNode& node, Names names, const std::wstring& fileTitle)
{
    if (node.kind == Kind::File)
        return fileTitle;
    switch (names) {
    case Names::None:
        return node.plain;
    case Names::Own:
        return node.ownNames;
    case Names::Few:
        break;
    }
    return node.fewNames;
}

std::string Describe(const TreeNode& node)
{
    return std::string(static_cast<size_t>(node.depth) * 2, ' ') + Utf8(node.text) + " (images " +
           std::to_string(node.image) + ", " + std::to_string(node.selectedImage) + ")";
}

// Labels, images, order and nesting of every node against the expected ones.
bool TreeIs(const std::vector<TreeNode>& tree, const std::vector<ExpectedNode>& expected, Names names,
            const std::wstring& fileTitle, const std::string& what)
{
    size_t same = 0;  // nodes as expected, from the first
    while (same < tree.size() && same < expected.size()) {
        const ExpectedNode& want = expected[same];
        const TreeNode& got = tree[same];
        const int image = 2 * static_cast<int>(want.kind);
        if (got.depth != want.depth || got.text != ExpectedLabel(want, names, fileTitle) || got.image != image ||
            got.selectedImage != image + 1)
            break;
        ++same;
    }
    if (Check(same == tree.size() && same == expected.size(), what))
        return true;
    if (same < expected.size()) {
        const ExpectedNode& want = expected[same];
        const int image = 2 * static_cast<int>(want.kind);
        Note("node " + std::to_string(same) + " should be " +
             Describe({nullptr, want.depth, ExpectedLabel(want, names, fileTitle), image, image + 1}));
    }
    Note(same < tree.size() ? "it is " + Describe(tree[same])
                            : "the tree has only " + std::to_string(tree.size()) + " nodes");
    return false;
}

std::vector<Row> ExpectedRows(const ExpectedNode& node)
{
    const std::vector<const wchar_t*>& names = RowNames(node.kind);
    std::vector<Row> rows;
    for (size_t i = 0; i < names.size() && i < node.values.size(); ++i)
        rows.push_back({names[i], node.values[i]});
    if (node.values.size() != names.size())
        rows.push_back({L"(the expected values do not fit the names)", L""});
    return rows;
}

// Selects each node in turn and reads the rows it shows; tree must match
// expected.
void CheckEveryNodesRows(const Lorvex& app, const std::vector<TreeNode>& tree, const std::vector<ExpectedNode>& expected)
{
    for (size_t i = 0; i < tree.size() && i < expected.size(); ++i) {
        SendMessageW(app.Item(kTree), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(tree[i].item));
        const std::vector<Row> got = ReadRows(app.Handle(), app.Item(kList));
        const std::vector<Row> want = ExpectedRows(expected[i]);
        if (Check(got == want, "the rows of " + Utf8(tree[i].text) + " (" + std::to_string(want.size()) + ")"))
            continue;
        for (size_t r = 0; r < got.size() || r < want.size(); ++r) {
            const std::string seen = r < got.size() ? Utf8(got[r].name + L" = " + got[r].value) : "(none)";
            const std::string wanted = r < want.size() ? Utf8(want[r].name + L" = " + want[r].value) : "(none)";
            if (seen != wanted)
                Note("row " + std::to_string(r) + ": " + seen + ", should be " + wanted);
        }
    }
}

// Clicks a node's label, as a person selects it; true if it then is the
// tree's selection.
bool ClickNode(const Lorvex& app, HTREEITEM item)
{
    HWND tree = app.Item(kTree);
    SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    const RECT rect = TreeItemRect(app.Handle(), tree, item);
    if (IsRectEmpty(&rect))
        return false;
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PostMessageW(tree, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(tree, WM_LBUTTONUP, 0, at);
    // The tree tells the dialog of the new selection as it makes it, in the
    // same message: once it is the selection, its rows are in the list.
    return WaitFor(
        [&] { return SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0) == reinterpret_cast<LRESULT>(item); }, 5000);
}

void ExpandAll(const Lorvex& app, const std::vector<TreeNode>& tree)
{
    for (const TreeNode& node : tree)
        SendMessageW(app.Item(kTree), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node.item));
}

// Clicks the node labelled label, which must be a node of the expected tree,
// and checks that it shows its rows.
void ClickAndCheck(const Lorvex& app, const std::vector<TreeNode>& tree, const std::vector<ExpectedNode>& expected,
                   const wchar_t* label)
{
    size_t i = 0;
    while (i < tree.size() && tree[i].text != label)
        ++i;
    Check(i < tree.size() && i < expected.size() && ClickNode(app, tree[i].item) &&
              ReadRows(app.Handle(), app.Item(kList)) == ExpectedRows(expected[i]),
          "a click on " + Utf8(label) + " selects it and shows its rows");
    // The list fills with its redraw off: the rows must be on the screen too.
    const RECT firstRow = ListItemRect(app.Handle(), app.Item(kList), 0);
    Check(WaitFor([&] { return DarkPixels(app.Item(kList), firstRow) > 0; }, 3000), "and draws them");
}

// --- the scene picture -------------------------------------------------------

// The program's visible top-level window of the framework's own classes.
HWND FindPicture(DWORD pid)
{
    struct Search {
        DWORD pid;
        HWND found;
    } search{pid, nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            wchar_t cls[64] = {};
            GetClassNameW(window, cls, 64);
            if (ProcessOf(window) == s->pid && IsWindowVisible(window) && wcsncmp(cls, L"AfxWnd:", 7) == 0) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring SelectedLabel(const Lorvex& app)
{
    const std::vector<TreeNode> tree = ReadTree(app.Handle(), app.Item(kTree));
    const auto selected = reinterpret_cast<HTREEITEM>(SendMessageW(app.Item(kTree), TVM_GETNEXTITEM, TVGN_CARET, 0));
    for (const TreeNode& node : tree)
        if (node.item == selected)
            return node.text;
    return L"";
}

// Clicks the picture at a scene point (the picture shows the scene from its
// top-left) and checks that the tree selects label and shows its rows.
void ClickPicture(const Lorvex& app, HWND picture, POINT at, const wchar_t* label)
{
    const LPARAM where = MAKELPARAM(at.x, at.y);
    PostMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(picture, WM_LBUTTONUP, 0, where);
    size_t i = 0;
    while (i < kDemoTree.size() && !(kDemoTree[i].ownNames && kDemoTree[i].ownNames == std::wstring(label)))
        ++i;
    const bool selected = WaitFor([&] { return SelectedLabel(app) == label; }, 5000);
    Check(selected && i < kDemoTree.size() &&
              ReadRows(app.Handle(), app.Item(kList)) == ExpectedRows(kDemoTree[i]),
          "a click at " + std::to_string(at.x) + ", " + std::to_string(at.y) + " of the picture selects " +
              Utf8(label) + " and shows its rows");
    if (!selected)
        Note("the tree selects " + Utf8(SelectedLabel(app)));
}

// The frame around a resource's rectangle, at most a few pixels out.
RECT Around(RECT rect)
{
    return {rect.left - 6, rect.top - 6, rect.right + 6, rect.bottom + 6};
}

// With demo.sty and demo.h: the picture opens on the home screen, follows
// the tree and leads it. It stays open for the flows after.
HWND CheckScenePicture(const Lorvex& app)
{
    SetForegroundWindow(app.main);
    PressKey('P', kCtrl);
    HWND picture = nullptr;
    if (!Check(WaitFor([&] { return (picture = FindPicture(app.Pid())) != nullptr; }, 5000),
               "the scene picture opens"))
        return nullptr;
    Sync(picture);
    Check(WindowText(picture) == L"SCENE_MAIN \u2014 800 \u00d7 480", "titled SCENE_MAIN \u2014 800 \u00d7 480");
    RECT client;
    GetClientRect(picture, &client);
    if (!Check(client.right == 800 && client.bottom == 480, "its client area is the scene's size"))
        Note("it is " + std::to_string(client.right) + " x " + std::to_string(client.bottom));
    Check(GetWindow(picture, GW_OWNER) == app.main, "the main dialog owns it");

    // The centre of PIC_ICON_SETTINGS: the toolbar at (0, 400), the icon at
    // (468, 8) in it, 64 x 64.
    ClickPicture(app, picture, {500, 440}, L"PIC_ICON_SETTINGS");
    // The clock: the status bar at (0, 0), the clock at (16, 4), 96 x 24.
    ClickPicture(app, picture, {64, 16}, L"STR_CLOCK");
    ClickPicture(app, picture, {100, 100}, L"SCENE_MAIN");
    Shot(app.main, L"scene-picture");

    // A frame: its region, at (368, 144), 64 x 64, is highlighted.
    const RECT spinner{368, 144, 432, 208};
    Check(PixelsOf(picture, Around(spinner), kHighlight) == 0, "no highlight around the spinner before");
    const std::vector<TreeNode> tree = ReadTree(app.Handle(), app.Item(kTree));
    for (const TreeNode& node : tree)
        if (node.text == L"Frame03")
            SendMessageW(app.Item(kTree), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node.item));
    Sync(picture);
    Shot(app.main, L"scene-picture-frame");
    SaveWindow(picture, g_shots, L"window-scene-picture-frame");
    const int framed = PixelsOf(picture, Around(spinner), kHighlight);
    if (!Check(framed > 4 * 64, "selecting Frame03 highlights its region, the spinner"))
        Note(std::to_string(framed) + " highlighted pixels around it");
    Check(PixelsOf(picture, {372, 148, 428, 204}, kHighlight) == 0, "and leaves its inside as drawn");

    // A node of the settings screen draws that screen.
    for (const TreeNode& node : tree)
        if (node.text == L"GRP_OPTIONS")
            SendMessageW(app.Item(kTree), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node.item));
    Sync(picture);
    Check(WindowText(picture) == L"SCENE_SETTINGS \u2014 800 \u00d7 480",
          "a node of SCENE_SETTINGS draws that scene");
    Shot(app.main, L"scene-picture-settings");
    return picture;
}

// --- keys, the Find dialog, the clipboard and the context menus ----------------

// The window with the keyboard focus in the program.
HWND FocusOf(const Lorvex& app)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(app.main, nullptr), &info);
    return info.hwndFocus;
}

HTREEITEM SelectedItem(const Lorvex& app)
{
    return reinterpret_cast<HTREEITEM>(SendMessageW(app.Item(kTree), TVM_GETNEXTITEM, TVGN_CARET, 0));
}

// The node of demo.sty's tree with this label under demo.h's names.
size_t DemoIndex(const wchar_t* label)
{
    size_t i = 0;
    while (i < kDemoTree.size() && (!kDemoTree[i].ownNames || std::wcscmp(kDemoTree[i].ownNames, label) != 0))
        ++i;
    return i;
}

// The program's Find dialog: the dialog it owns with a "Find what" field.
HWND FindDialogOf(const Lorvex& app)
{
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); w;
         w = FindWindowExW(nullptr, w, L"#32770", nullptr))
        if (ProcessOf(w) == app.Pid() && GetWindow(w, GW_OWNER) == app.main && GetDlgItem(w, 0x480) &&
            IsWindowVisible(w))
            return w;
    return nullptr;
}

HWND OpenPopupMenu()
{
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

// Waits for the selection to be node want of the tree and its rows to be
// that node's.
bool LandsOn(const Lorvex& app, const std::vector<TreeNode>& tree, size_t want)
{
    return want < tree.size() && WaitFor([&] { return SelectedItem(app) == tree[want].item; }, 5000) &&
           ReadRows(app.Handle(), app.Item(kList)) == ExpectedRows(kDemoTree[want]);
}

// What lorvex-dump --rows prints for node first of demo.sty's tree and the
// nodes below it (docs/lorvex-dump.md), with demo.h's names.
std::wstring DumpedSubtree(size_t first)
{
    static const wchar_t* const kKinds[] = {L"file", L"scene", L"group", L"region", L"pic", L"string", L"frame"};
    std::wstring text;
    for (size_t i = first; i < kDemoTree.size() && (i == first || kDemoTree[i].depth > kDemoTree[first].depth); ++i) {
        const ExpectedNode& node = kDemoTree[i];
        text += std::wstring(2 * static_cast<size_t>(node.depth), L' ') + L"[" + kKinds[static_cast<int>(node.kind)] +
                L"] " + ExpectedLabel(node, Names::Own, L"demo") + L"\n";
        for (const Row& row : ExpectedRows(node))
            text += std::wstring(2 * static_cast<size_t>(node.depth) + 2, L' ') + row.name + L": " + row.value + L"\n";
    }
    return text;
}

// Puts the clipboard's text down for a note when a check of it fails.
bool ClipboardIs(const std::wstring& want)
{
    if (WaitFor([&] { return ClipboardText() == want; }, 3000))
        return true;
    Note("the clipboard holds \"" + Utf8(ClipboardText()) + "\"");
    return false;
}

// With demo.h's names shown: Ctrl+F opens the system's Find dialog, whose
// Find Next, Enter, Tab and Esc work as in any dialog; F3 and Shift+F3 go
// on without it; Ctrl+C and Ctrl+Shift+C copy; a node's context menu.
void CheckFindAndCopy(const Lorvex& app)
{
    const std::vector<TreeNode> tree = ReadTree(app.Handle(), app.Item(kTree));
    if (!Check(tree.size() == kDemoTree.size(), "the tree shows demo.sty for Find"))
        return;
    SetForegroundWindow(app.main);
    ClickNode(app, tree[0].item);
    Check(WaitFor([&] { return FocusOf(app) == app.Item(kTree); }, 3000), "a click puts the focus in the tree");

    PressKey('F', kCtrl);
    HWND find = nullptr;
    if (!Check(WaitFor([&] { return (find = FindDialogOf(app)) != nullptr; }, 5000),
               "Ctrl+F opens the system's Find dialog"))
        return;
    Sync(find);
    Check(IsWindowEnabled(app.main), "the main dialog stays usable beside it");
    TypeText(kFindText);
    PressKey(VK_RETURN);
    Check(LandsOn(app, tree, DemoIndex(kFindHits[0])),
          "Enter in it finds " + Utf8(kFindHits[0]) + ", selected with its rows showing");
    const RECT shown = TreeItemRect(app.Handle(), app.Item(kTree), tree[DemoIndex(kFindHits[0])].item);
    Check(!IsRectEmpty(&shown), "and opened out and scrolled into view");
    Shot(app.main, L"find-dialog");
    Check(WaitFor([&] { return FindDialogOf(app) == find; }, 1000), "the Find dialog stays open");
    HWND field = FocusOf(app);
    PressKey(VK_RETURN);
    Check(LandsOn(app, tree, DemoIndex(kFindHits[1])), "Enter again finds " + Utf8(kFindHits[1]));
    PressKey(VK_TAB);
    Check(WaitFor([&] { return FocusOf(app) != field && GetAncestor(FocusOf(app), GA_ROOT) == find; }, 3000),
          "Tab moves to the dialog's next control");
    PressKey(VK_RETURN);
    Check(LandsOn(app, tree, DemoIndex(kFindHits[2])), "Enter there is still Find Next: " + Utf8(kFindHits[2]));

    // No match: the platform's message box says so, and nothing changes.
    const std::vector<Row> rowsBefore = ReadRows(app.Handle(), app.Item(kList));
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"no such label"));
    PressKey(VK_RETURN);
    // The program's dialog that is neither the main one nor the Find dialog.
    const auto messageBox = [&] {
        for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); w;
             w = FindWindowExW(nullptr, w, L"#32770", nullptr))
            if (w != app.main && w != find && ProcessOf(w) == app.Pid() && IsWindowVisible(w))
                return w;
        return HWND{};
    };
    HWND box = nullptr;
    if (Check(WaitFor([&] { return (box = messageBox()) != nullptr; }, 5000),
              "a text that matches nothing gets a message box")) {
        const auto texts = StaticTexts(box);
        Check(std::find(texts.begin(), texts.end(), L"Cannot find \"no such label\"") != texts.end(),
              "saying Cannot find \"no such label\"");
        PressKey(VK_RETURN);
        Check(WaitFor([&] { return !IsWindow(box); }, 3000), "Enter closes it");
        Check(SelectedItem(app) == tree[DemoIndex(kFindHits[2])].item &&
                  ReadRows(app.Handle(), app.Item(kList)) == rowsBefore,
              "and the selection and its rows are as they were");
    }
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kFindText));
    PressKey(VK_RETURN);
    Check(LandsOn(app, tree, DemoIndex(kFindHits[0])), "past the last match Find Next goes round to the first");
    PressKey(VK_ESCAPE);
    Check(WaitFor([&] { return !IsWindow(find); }, 3000), "Esc closes the Find dialog");
    Check(IsWindow(app.main) && IsWindowEnabled(app.main), "and leaves the main dialog open");

    if (!WaitFor([&] { return FocusOf(app) == app.Item(kTree); }, 2000))
        ClickNode(app, tree[DemoIndex(kFindHits[0])].item);
    PressKey(VK_F3);
    Check(LandsOn(app, tree, DemoIndex(kFindHits[1])), "F3 finds the next match, " + Utf8(kFindHits[1]));
    PressKey(VK_F3, kShift);
    Check(LandsOn(app, tree, DemoIndex(kFindHits[0])), "Shift+F3 the one before, " + Utf8(kFindHits[0]));
    PressKey(VK_F3, kShift);
    Check(LandsOn(app, tree, DemoIndex(kFindHits[2])), "and again, going round, " + Utf8(kFindHits[2]));

    EmptyTheClipboard();
    PressKey('C', kCtrl);
    Check(ClipboardIs(kFindHits[2]), "Ctrl+C in the tree copies the node's label");
    const size_t branch = DemoIndex(kCopiedBranch);
    if (branch < tree.size() && ClickNode(app, tree[branch].item)) {
        PressKey('C', kCtrl | kShift);
        Check(ClipboardIs(DumpedSubtree(branch)),
              "Ctrl+Shift+C copies " + Utf8(kCopiedBranch) + " and its frames as lorvex-dump --rows prints them");
    }
    const RECT firstRow = ListItemRect(app.Handle(), app.Item(kList), 1);
    PostMessageW(app.Item(kList), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(firstRow.left + 4, firstRow.top + 2));
    PostMessageW(app.Item(kList), WM_LBUTTONUP, 0, MAKELPARAM(firstRow.left + 4, firstRow.top + 2));
    Sync(app.main);
    PressKey('C', kCtrl);
    const std::vector<Row> rows = ExpectedRows(kDemoTree[branch]);
    Check(ClipboardIs(rows[1].name + L"\t" + rows[1].value), "Ctrl+C in the list copies the selected row");

    // A right-click selects the node under the pointer, then opens its menu.
    const size_t leaf = DemoIndex(kClickedLeaf);
    HWND treeWindow = app.Item(kTree);
    const RECT rect = TreeItemRect(app.Handle(), treeWindow, tree[leaf].item);
    POINT at{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(treeWindow, &at);
    EmptyTheClipboard();
    RightClickAt(at);
    if (Check(WaitFor([&] { return OpenPopupMenu() != nullptr; }, 5000), "a right-click opens the node's menu")) {
        Check(LandsOn(app, tree, leaf), "after selecting " + Utf8(kClickedLeaf) + ", its rows showing");
        Shot(app.main, L"context-menu");
        PressKey(VK_DOWN);
        PressKey(VK_RETURN);
        Check(WaitFor([&] { return !OpenPopupMenu(); }, 3000) && ClipboardIs(kClickedLeaf),
              "its first entry, Copy, copies the label");
    }
    // From the keyboard, with the focus in the tree. Esc only with a menu
    // open: in the main dialog it would end the program.
    for (const auto& [vk, held, what] :
         {std::tuple<WORD, unsigned, const char*>{VK_F10, kShift, "Shift+F10"}, {VK_APPS, kNone, "the menu key"}}) {
        if (!WaitFor([&] { return FocusOf(app) == treeWindow; }, 1000))
            ClickNode(app, tree[leaf].item);
        PressKey(vk, held);
        if (Check(WaitFor([&] { return OpenPopupMenu() != nullptr; }, 3000),
                  std::string(what) + " opens the menu too")) {
            PressKey(VK_ESCAPE);
            Check(WaitFor([&] { return !OpenPopupMenu(); }, 3000), "and Esc closes it, the main dialog staying");
        }
    }
    Check(IsWindow(app.main), "the main dialog is still open");
}

// --- the flows ---------------------------------------------------------------

void CheckFreshWindow(const Lorvex& app)
{
    Shot(app.main, L"main");
    Check(WindowText(app.Item(kStyPath)).empty() && WindowText(app.Item(kHeaderPath)).empty(),
          "both path fields are empty");
    Check(WindowText(app.Item(kBrowseSty)) == L"Browse..." && WindowText(app.Item(kBrowseHeader)) == L"Browse..." &&
              WindowText(app.Item(kUpdate)) == L"Update",
          "the buttons read Browse..., Browse... and Update");
    const auto labels = StaticTexts(app.main);
    Check(labels.size() == 2 && labels[0] == L"assosiated sty header path:" && labels[1] == L"sty file path:",
          "the labels read as they should");
    Check(SendMessageW(app.Item(kTree), TVM_GETCOUNT, 0, 0) == 0, "the tree is empty");
    Check(SendMessageW(app.Item(kList), LVM_GETITEMCOUNT, 0, 0) == 0, "the list is empty");
    Check(SendMessageW(app.Item(kList), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) ==
              (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_REGIONAL),
          "the list draws grid lines and selects whole rows");
}

void CheckSystemMenuAndAbout(const Lorvex& app)
{
    // The system menu, as Alt+Space opens it.
    PostMessageW(app.main, WM_SYSCOMMAND, SC_KEYMENU, L' ');
    HWND popup = nullptr;
    Check(WaitFor([&] { return (popup = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(popup); }, 5000),
          "the system menu opens");
    Shot(app.main, L"system-menu");
    PostMessageW(app.main, WM_CANCELMODE, 0, 0);
    WaitFor([&] { return !FindWindowW(L"#32768", nullptr) || !IsWindowVisible(FindWindowW(L"#32768", nullptr)); },
            3000);

    // The About command of the system menu.
    PostMessageW(app.main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = nullptr;
    if (!Check(WaitFor([&] { return (about = FindDialog(L"关于 Lorvex", app.Pid())) != nullptr; }),
               "the About box opens"))
        return;
    Check(!IsWindowEnabled(app.main), "the main dialog is disabled meanwhile");
    const auto lines = StaticTexts(about);
    Check(lines.size() == 3 && lines[1] == L"Lorvex 1.0 版" && !lines[2].empty(), "the About box reads Lorvex 1.0 版");
    Check(WindowText(GetDlgItem(about, IDOK)) == L"确定", "its button reads 确定");
    RECT a, m;
    GetWindowRect(about, &a);
    GetWindowRect(app.main, &m);
    Check(std::abs((a.left + a.right) - (m.left + m.right)) <= 2 &&
              std::abs((a.top + a.bottom) - (m.top + m.bottom)) <= 2,
          "the About box is centred over the main dialog");
    Shot(about, L"about");
    PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
    Check(WaitFor([&] { return !IsWindow(about); }, 5000), "确定 closes the About box");
    Check(WaitFor([&] { return IsWindowEnabled(app.main) != FALSE; }, 3000), "the main dialog is enabled again");
}

// Both file dialogs as they first open, each cancelled.
void CheckFileDialogsAndCancel(const Lorvex& app)
{
    const View before = Look(app);

    HWND sty = OpenFileDialog(app, kBrowseSty, kStyDialogTitle);
    if (Check(sty != nullptr, "\"Browse...\" beside the sty path opens the dialog titled 请选择sty文件路径")) {
        Check(WindowText(GetDlgItem(sty, kFileTypes)) == L"Sty File(*.sty)" &&
                  ComboItems(GetDlgItem(sty, kFileTypes)) ==
                      std::vector<std::wstring>{L"Sty File(*.sty)", L"All File(*.*)"},
              "it offers Sty File(*.sty), then All File(*.*)");
        if (!Check(WindowText(GetDlgItem(sty, kFolders)) == L"examples",
                   "it opens in the folder the program started in"))
            Note("it shows " + Utf8(WindowText(GetDlgItem(sty, kFolders))));
        if (!Check(WaitFor([&] { return ListedFiles(app, sty) == std::vector<std::wstring>{L"demo.sty"}; }, 3000),
                   "it lists demo.sty and hides demo.h"))
            for (const std::wstring& name : ListedFiles(app, sty))
                Note("it lists " + Utf8(name));
        Check(WindowText(FileNameEdit(sty)).empty(), "its file name field is empty");
        Shot(sty, L"sty-dialog");
        Check(CancelDialog(sty), "Cancel closes it");
        Sync(app.main);
        Check(Look(app) == before, "and nothing changes");
    }

    HWND header = OpenFileDialog(app, kBrowseHeader, kHeaderDialogTitle);
    if (Check(header != nullptr, "\"Browse...\" beside the header path opens the dialog titled 请选择头文件文件路径")) {
        Check(WindowText(GetDlgItem(header, kFileTypes)) == L"C/C++ Header File(*.h)" &&
                  ComboItems(GetDlgItem(header, kFileTypes)) ==
                      std::vector<std::wstring>{L"C/C++ Header File(*.h)", L"All File(*.*)"},
              "it offers C/C++ Header File(*.h), then All File(*.*)");
        if (!Check(WaitFor([&] { return ListedFiles(app, header) == std::vector<std::wstring>{L"demo.h"}; }, 3000),
                   "it lists demo.h and hides demo.sty"))
            for (const std::wstring& name : ListedFiles(app, header))
                Note("it lists " + Utf8(name));
        Shot(header, L"header-dialog");
        Check(CancelDialog(header), "Cancel closes it");
        Sync(app.main);
        Check(Look(app) == before, "and nothing changes");
    }
}

void CheckOpenDemo(const Lorvex& app, const TestFiles& files)
{
    if (!Check(Open(app, kBrowseSty, kStyDialogTitle, files.demoSty), "examples\\demo.sty is chosen in the dialog"))
        return;
    Check(WindowText(app.Item(kStyPath)) == files.demoSty, "the sty path field shows its full path");
    const std::vector<TreeNode> tree = ReadTree(app.Handle(), app.Item(kTree));
    TreeIs(tree, kDemoTree, Names::None, L"demo", "every node of demo.sty, labelled by its id, in order and nesting");
    CheckEveryNodesRows(app, tree, kDemoTree);
    ExpandAll(app, tree);
    ClickAndCheck(app, tree, kDemoTree, L"String10300");
    Shot(app.main, L"demo-open");
}

void CheckHeaders(const Lorvex& app, const TestFiles& files)
{
    if (Check(Open(app, kBrowseHeader, kHeaderDialogTitle, files.demoHeader),
              "examples\\demo.h is chosen in the header dialog")) {
        Check(WindowText(app.Item(kHeaderPath)) == files.demoHeader, "the header path field shows its full path");
        const std::vector<TreeNode> tree = ReadTree(app.Handle(), app.Item(kTree));
        TreeIs(tree, kDemoTree, Names::Own, L"demo", "the nodes take the header's names");
        ExpandAll(app, tree);
        ClickAndCheck(app, tree, kDemoTree, L"STR_MARQUEE");
        Shot(app.main, L"demo-names");
        SaveWindow(app.main, g_shots, L"window-demo-names");
    }

    // With a document and a header, each dialog opens on the current file
    // and, cancelled, changes nothing.
    const View before = Look(app);
    HWND sty = OpenFileDialog(app, kBrowseSty, kStyDialogTitle);
    if (Check(sty != nullptr, "the sty dialog opens again")) {
        Check(WindowText(FileNameEdit(sty)) == L"demo.sty" && WindowText(GetDlgItem(sty, kFolders)) == L"examples",
              "on demo.sty in examples");
        Check(CancelDialog(sty), "Cancel closes it");
        Sync(app.main);
        Check(Look(app) == before, "and nothing changes");
    }
    HWND header = OpenFileDialog(app, kBrowseHeader, kHeaderDialogTitle);
    if (Check(header != nullptr, "the header dialog opens again")) {
        Check(WindowText(FileNameEdit(header)) == L"demo.h", "on demo.h");
        Check(CancelDialog(header), "Cancel closes it");
        Sync(app.main);
        Check(Look(app) == before, "and nothing changes");
    }

    if (Check(Open(app, kBrowseHeader, kHeaderDialogTitle, files.chineseHeader),
              "a header in the folder 演示 文件夹 is chosen in the header dialog")) {
        Check(WindowText(app.Item(kHeaderPath)) == files.chineseHeader, "the header path field shows its path");
        TreeIs(ReadTree(app.Handle(), app.Item(kTree)), kDemoTree, Names::Few, L"demo",
               "the nodes take its three names");
        Shot(app.main, L"chinese-header");
    }

    // A path typed into the field, then "Update".
    SendMessageW(app.Item(kHeaderPath), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(files.demoHeader.c_str()));
    PressUpdate(app);
    TreeIs(ReadTree(app.Handle(), app.Item(kTree)), kDemoTree, Names::Own, L"demo",
           "demo.h's path typed into the field, \"Update\" brings its names back");
    Check(WindowText(app.Item(kHeaderPath)) == files.demoHeader, "the field keeps the typed path");
    Shot(app.main, L"update");
}

// The file of edge values, copied into the Chinese folder, with its header
// typed into the field: the sty dialog's choice loads it first.
void CheckChineseSty(const Lorvex& app, const TestFiles& files)
{
    SendMessageW(app.Item(kHeaderPath), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(files.edgesHeader.c_str()));
    if (!Check(Open(app, kBrowseSty, kStyDialogTitle, files.chineseSty),
               "演示 文件.sty in the folder 演示 文件夹 is chosen in the dialog"))
        return;
    Check(WindowText(app.Item(kStyPath)) == files.chineseSty, "the sty path field shows its path");
    const std::vector<TreeNode> tree = ReadTree(app.Handle(), app.Item(kTree));
    TreeIs(tree, kEdgeTree, Names::Own, L"演示 文件",
           "its file node reads 演示 文件, the rest as edges.sty with edges.h's names");
    CheckEveryNodesRows(app, tree, kEdgeTree);
    ExpandAll(app, tree);
    ClickAndCheck(app, tree, kEdgeTree, L"RGN_SPINNER");
    Shot(app.main, L"chinese-sty");
    if (!tree.empty() && ClickNode(app, tree[0].item)) {
        EmptyTheClipboard();
        PressKey('C', kCtrl);
        Check(ClipboardIs(L"演示 文件"), "Ctrl+C copies the Chinese label of the file node whole");
    }
    SaveWindow(app.main, g_shots, L"window-chinese-sty");
}

void CheckBrokenFile(const Lorvex& app, const TestFiles& files)
{
    const std::vector<Row> rows = ReadRows(app.Handle(), app.Item(kList));
    if (!Check(Open(app, kBrowseSty, kStyDialogTitle, files.broken), "a broken file is chosen in the dialog"))
        return;
    HWND box = nullptr;
    if (!Check(WaitFor([&] { return (box = FindDialog(nullptr, app.Pid(), app.main)) != nullptr; }, 5000),
               "a message box opens"))
        return;
    const auto texts = StaticTexts(box);
    bool says = false;
    for (const std::wstring& text : texts)
        says = says || text == L"invalid style file format!";
    Check(says, "it says invalid style file format!");
    Check(GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL), "with an OK button alone");
    Shot(box, L"broken-message");
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    Check(WaitFor([&] { return !IsWindow(box); }, 5000), "OK closes it");
    Sync(app.main);
    Check(SendMessageW(app.Item(kTree), TVM_GETCOUNT, 0, 0) == 0, "the tree is empty");
    Check(ReadRows(app.Handle(), app.Item(kList)) == rows, "the list keeps the rows it showed");
    Check(WindowText(app.Item(kStyPath)) == files.broken, "the sty path field shows the broken file's path");
    Shot(app.main, L"broken-after");

    // With no document, "Update" and a cancelled dialog change nothing.
    const View before = Look(app);
    PressUpdate(app);
    Check(Look(app) == before, "\"Update\" then changes nothing");
    HWND sty = OpenFileDialog(app, kBrowseSty, kStyDialogTitle);
    if (Check(sty != nullptr, "the sty dialog opens again")) {
        Check(CancelDialog(sty), "Cancel closes it");
        Sync(app.main);
        Check(Look(app) == before, "and nothing changes");
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: lorvex_e2e_driver LORVEX.EXE EXAMPLES_DIR FIXTURES_DIR DATA_DIR SHOT_DIR\n");
        return 2;
    }
    const std::wstring exe = DosPath(argv[1]), examples = DosPath(argv[2]), fixtures = DosPath(argv[3]),
                       data = DosPath(argv[4]);
    g_shots = DosPath(argv[5]);
    TestFiles files;
    if (!MakeTestFiles(examples, fixtures, data, files)) {
        std::printf("FAIL cannot make the test files in %s\n", Utf8(data).c_str());
        return 1;
    }

    // The file dialogs open in the folder they last chose a file in for this
    // program; forget it, as on a first run.
    RegDeleteTreeW(HKEY_CURRENT_USER,
                   L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU");

    Lorvex app;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring command = L"\"" + exe + L"\"";
    // Started in examples/, as scripts/run.sh starts it.
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, examples.c_str(), &startup,
                        &app.process)) {
        std::printf("FAIL cannot start %s\n", Utf8(exe).c_str());
        return 1;
    }
    if (!Check(WaitFor([&] { return (app.main = FindDialog(L"Lorvex", app.Pid())) != nullptr; }),
               "the main dialog shows")) {
        TerminateProcess(app.Handle(), 1);
        return 1;
    }

    CheckFreshWindow(app);
    CheckSystemMenuAndAbout(app);
    CheckFileDialogsAndCancel(app);
    CheckOpenDemo(app, files);
    CheckHeaders(app, files);
    CheckFindAndCopy(app);
    const HWND picture = CheckScenePicture(app);
    CheckChineseSty(app, files);
    if (picture)
        Check(WindowText(picture) == L"SCENE_MAIN \u2014 800 \u00d7 480",
              "the picture shows the new document's first scene");
    CheckBrokenFile(app, files);
    if (picture) {
        Check(WindowText(picture) == L"Scene picture", "after a failed open the picture shows nothing");
        const View before = Look(app);
        PostMessageW(picture, WM_CLOSE, 0, 0);
        Check(WaitFor([&] { return !IsWindow(picture); }, 5000), "the picture closes");
        Sync(app.main);
        Check(Look(app) == before && IsWindow(app.main), "and nothing else changes");
    }

    PostMessageW(app.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    Check(WaitForSingleObject(app.Handle(), 10000) == WAIT_OBJECT_0, "the close command ends the program");
    DWORD code = 1;
    GetExitCodeProcess(app.Handle(), &code);
    Check(code == 0, "the program exits with code 0");
    if (code == STILL_ACTIVE)
        TerminateProcess(app.Handle(), 1);
    CloseHandle(app.process.hThread);
    CloseHandle(app.process.hProcess);
    std::printf("e2e: %d checks, %d failed\n", g_checks, g_failures);
    return g_failures == 0 ? 0 : 1;
}
