#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "DialogTemplate.h"
#include "ModalRunner.h"
#include "ui/ViewerDlg.h"

namespace {

const WORD kLangChinesePrc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

struct ExpectedControl {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
    RECT rect;  // dialog units: x, y, x + cx, y + cy
};

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const ExpectedControl kMainControls[] = {
    {IDC_TREE, L"SysTreeView32", L"Tree1",
     kChild | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_DISABLEDRAGDROP,
     WS_EX_DLGMODALFRAME, {7, 78, 7 + 196, 78 + 317}},
    {IDC_LIST, L"SysListView32", L"List2", kChild | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER,
     WS_EX_DLGMODALFRAME, {213, 78, 213 + 171, 78 + 294}},
    {IDC_HEADER_PATH, L"edit", L"", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, {7, 53, 7 + 331, 53 + 12}},
    {IDC_BROWSE_HEADER, L"button", L"Browse...", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, {343, 51, 343 + 41, 51 + 14}},
    {-1, L"static", L"assosiated sty header path:", kChild | WS_GROUP | SS_LEFT, 0, {7, 41, 7 + 109, 41 + 8}},
    {IDC_UPDATE, L"button", L"Update", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, {234, 380, 234 + 41, 380 + 15}},
    {IDC_STY_PATH, L"edit", L"", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, {7, 17, 7 + 331, 17 + 12}},
    {IDC_BROWSE_STY, L"button", L"Browse...", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, {343, 17, 343 + 41, 17 + 14}},
    {-1, L"static", L"sty file path:", kChild | WS_GROUP | SS_LEFT, 0, {7, 7, 7 + 57, 7 + 8}},
};

TEST(MainDialogTemplate, MatchesTheLayoutControlForControl)
{
    const DialogTemplate t = LoadDialogTemplate(IDD_MAIN, kLangChinesePrc);
    EXPECT_TRUE(t.extended);
    EXPECT_EQ(t.style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_SETFONT));
    EXPECT_EQ(t.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(t.rect.left, 0);
    EXPECT_EQ(t.rect.top, 0);
    EXPECT_EQ(t.rect.right, 391);
    EXPECT_EQ(t.rect.bottom, 402);
    EXPECT_EQ(t.caption, L"Lorvex");
    EXPECT_EQ(t.menu, L"");
    EXPECT_EQ(t.className, L"");
    EXPECT_EQ(t.pointSize, 10);
    EXPECT_EQ(t.typeface, L"宋体");
    EXPECT_EQ(t.weight, 0);
    EXPECT_EQ(t.italic, 0);
    EXPECT_EQ(t.charset, DEFAULT_CHARSET);

    ASSERT_EQ(t.items.size(), std::size(kMainControls));
    for (size_t i = 0; i < t.items.size(); ++i) {
        const TemplateItem& got = t.items[i];
        const ExpectedControl& want = kMainControls[i];
        SCOPED_TRACE("control " + std::to_string(i));
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(_wcsicmp(got.className.c_str(), want.className), 0);
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.style, want.style) << std::hex << (got.style ^ want.style);
        EXPECT_EQ(got.exStyle, want.exStyle);
        EXPECT_TRUE(EqualRect(&got.rect, &want.rect));
    }
}

TEST(MainDialogTemplate, ResourcesCarryChinesePrcLanguage)
{
    HMODULE module = GetModuleHandleW(nullptr);
    EXPECT_NE(FindResourceExW(module, MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(IDD_MAIN), kLangChinesePrc), nullptr);
    EXPECT_NE(FindResourceExW(module, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, MAKEINTRESOURCEW(IDR_MAINFRAME),
                              kLangChinesePrc),
              nullptr);
    EXPECT_NE(FindResourceExW(module, MAKEINTRESOURCEW(6) /* RT_STRING */, MAKEINTRESOURCEW(IDS_ABOUTBOX / 16 + 1),
                              kLangChinesePrc),
              nullptr);
    EXPECT_NE(FindResourceExW(module, MAKEINTRESOURCEW(16) /* RT_VERSION */, MAKEINTRESOURCEW(1), kLangChinesePrc),
              nullptr);
}

TEST(MainDialog, ControlsSitWhereTheTemplatePutsThem)
{
    CViewerDlg dlg;
    RunModal(dlg, [&] {
        HWND hDlg = dlg.m_hWnd;
        // Walk children in creation (tab) order.
        size_t index = 0;
        for (HWND child = GetWindow(hDlg, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++index) {
            ASSERT_LT(index, std::size(kMainControls));
            const ExpectedControl& want = kMainControls[index];
            SCOPED_TRACE("control " + std::to_string(index));
            EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(child)), static_cast<WORD>(want.id));
            // The dialog manager converts position and size separately.
            RECT units = {want.rect.left, want.rect.top, want.rect.right - want.rect.left,
                          want.rect.bottom - want.rect.top};
            MapDialogRect(hDlg, &units);
            const RECT expected = {units.left, units.top, units.left + units.right, units.top + units.bottom};
            RECT actual;
            GetWindowRect(child, &actual);
            MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&actual), 2);
            EXPECT_TRUE(EqualRect(&expected, &actual))
                << actual.left << "," << actual.top << "," << actual.right << "," << actual.bottom << " vs "
                << expected.left << "," << expected.top << "," << expected.right << "," << expected.bottom;
        }
        EXPECT_EQ(index, std::size(kMainControls));
        EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, IDC_TREE));
        wchar_t caption[64] = {};
        GetWindowTextW(hDlg, caption, 64);
        EXPECT_STREQ(caption, L"Lorvex");
        EndDialog(hDlg, IDCANCEL);
    });
}

TEST(MainDialog, ListAndTreeAreSetUp)
{
    CViewerDlg dlg;
    RunModal(dlg, [&] {
        HWND list = GetDlgItem(dlg.m_hWnd, IDC_LIST);
        HWND tree = GetDlgItem(dlg.m_hWnd, IDC_TREE);
        EXPECT_EQ(dlg.m_list.m_hWnd, list);
        EXPECT_EQ(dlg.m_tree.m_hWnd, tree);
        EXPECT_EQ(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_REGIONAL);

        const wchar_t* headings[] = {L"Name", L"Value"};
        const int widths[] = {140, 150};
        for (int col = 0; col < 2; ++col) {
            wchar_t text[32] = {};
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
            column.pszText = text;
            column.cchTextMax = 32;
            ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, col, reinterpret_cast<LPARAM>(&column)));
            EXPECT_STREQ(text, headings[col]);
            EXPECT_EQ(column.cx, widths[col]);
            EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
        }
        LVCOLUMNW none{};
        none.mask = LVCF_WIDTH;
        EXPECT_FALSE(SendMessageW(list, LVM_GETCOLUMNW, 2, reinterpret_cast<LPARAM>(&none)));
        EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);

        auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
        ASSERT_NE(images, nullptr);
        EXPECT_EQ(images, dlg.m_imageList.GetSafeHandle());
        EXPECT_EQ(ImageList_GetImageCount(images), 14);
        int cx = 0, cy = 0;
        ImageList_GetIconSize(images, &cx, &cy);
        EXPECT_EQ(cx, 20);
        EXPECT_EQ(cy, 20);
        EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 0);

        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(dlg.m_hWnd, WM_GETICON, ICON_BIG, 0)), dlg.m_hIcon);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(dlg.m_hWnd, WM_GETICON, ICON_SMALL, 0)), dlg.m_hIcon);
        EndDialog(dlg.m_hWnd, IDCANCEL);
    });
}

TEST(MainDialog, SystemMenuEndsWithSeparatorAndAboutItem)
{
    CViewerDlg dlg;
    RunModal(dlg, [&] {
        HMENU menu = GetSystemMenu(dlg.m_hWnd, FALSE);
        ASSERT_NE(menu, nullptr);
        const int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 2);
        EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
        EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
        wchar_t text[64] = {};
        GetMenuStringW(menu, count - 1, text, 64, MF_BYPOSITION);
        EXPECT_STREQ(text, L"关于 Lorvex(&A)...");
        EndDialog(dlg.m_hWnd, IDCANCEL);
    });
}

TEST(MainDialog, EnterInAnEditEndsTheDialogWithItsText)
{
    for (int id : {IDC_STY_PATH, IDC_HEADER_PATH}) {
        CViewerDlg dlg;
        const INT_PTR result = RunModal(dlg, [&] {
            HWND edit = GetDlgItem(dlg.m_hWnd, id);
            SetWindowTextW(edit, L"C:\\数据\\主界面.sty");
            SetFocus(edit);
            PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
            PostMessageW(edit, WM_KEYUP, VK_RETURN, 0xC0000001);
        });
        EXPECT_EQ(result, IDOK);
        const CString& got = id == IDC_STY_PATH ? dlg.m_strStyPath : dlg.m_strHeaderPath;
        EXPECT_STREQ(static_cast<LPCTSTR>(got), "C:\\数据\\主界面.sty");
    }
}

TEST(MainDialog, EscEndsTheDialogWithoutTakingTheEdits)
{
    CViewerDlg dlg;
    const INT_PTR result = RunModal(dlg, [&] {
        HWND edit = GetDlgItem(dlg.m_hWnd, IDC_STY_PATH);
        SetWindowTextW(edit, L"typed");
        SetFocus(edit);
        PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_STREQ(static_cast<LPCTSTR>(dlg.m_strStyPath), "");
}

// A dialog of the framework hears tree selections in the 8-bit form its
// message maps name.
class SelectionRecorder : public CDialog {
public:
    SelectionRecorder() : CDialog(IDD_MAIN) {}
    CTreeCtrl m_tree;
    std::vector<HTREEITEM> selected;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_TREE, m_tree); }
    void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
    {
        selected.push_back(reinterpret_cast<NMTREEVIEW*>(pNMHDR)->itemNew.hItem);
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelectionRecorder, CDialog)
ON_NOTIFY(TVN_SELCHANGED, IDC_TREE, &SelectionRecorder::OnSelChanged)
END_MESSAGE_MAP()

TEST(MainDialog, TreeSelectionReachesTheMessageMap)
{
    SelectionRecorder dlg;
    HTREEITEM second = nullptr;
    RunModal(dlg, [&] {
        HTREEITEM first = dlg.m_tree.InsertItem("文件", 0, 1);
        second = dlg.m_tree.InsertItem("Scene_1a", 2, 3, first);
        dlg.m_tree.SetItemData(second, 0x123456789abcULL);
        EXPECT_EQ(dlg.m_tree.GetItemData(second), 0x123456789abcULL);
        EXPECT_EQ(dlg.m_tree.GetParentItem(second), first);
        EXPECT_STREQ(static_cast<LPCTSTR>(dlg.m_tree.GetItemText(first)), "文件");
        dlg.m_tree.SelectItem(second);
        EndDialog(dlg.m_hWnd, IDCANCEL);
    });
    ASSERT_EQ(dlg.selected.size(), 1u);
    EXPECT_EQ(dlg.selected[0], second);
}

}  // namespace
