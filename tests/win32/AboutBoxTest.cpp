#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "DialogTemplate.h"
#include "ModalRunner.h"
#include "app/ViewerApp.h"
#include "ui/ViewerDlg.h"

namespace {

const WORD kLangChinesePrc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

TEST(AboutBoxTemplate, IsTheClassicTemplateWithItsFourControls)
{
    const DialogTemplate t = LoadDialogTemplate(IDD_ABOUTBOX, kLangChinesePrc);
    EXPECT_FALSE(t.extended);
    EXPECT_EQ(t.style, static_cast<DWORD>(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT));
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_TRUE(EqualRect(&t.rect, std::data({RECT{0, 0, 235, 55}})));
    EXPECT_EQ(t.caption, L"关于 Lorvex");
    EXPECT_EQ(t.pointSize, 9);
    EXPECT_EQ(t.typeface, L"宋体");
    EXPECT_EQ(t.menu, L"");
    EXPECT_EQ(t.className, L"");

    struct Want {
        int id;
        const wchar_t* className;
        DWORD style;
        RECT rect;
    } const want[] = {
        {-1, L"static", WS_CHILD | WS_VISIBLE | SS_ICON, {11, 17, 31, 37}},
        {-1, L"static", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX | WS_GROUP, {40, 10, 159, 18}},
        {-1, L"static", WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP, {40, 25, 159, 33}},
        {IDOK, L"button", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, {178, 7, 228, 21}},
    };
    ASSERT_EQ(t.items.size(), std::size(want));
    for (size_t i = 0; i < std::size(want); ++i) {
        SCOPED_TRACE("control " + std::to_string(i));
        EXPECT_EQ(t.items[i].id, want[i].id);
        EXPECT_EQ(_wcsicmp(t.items[i].className.c_str(), want[i].className), 0);
        EXPECT_EQ(t.items[i].style, want[i].style) << std::hex << (t.items[i].style ^ want[i].style);
        EXPECT_EQ(t.items[i].exStyle, 0u);
        EXPECT_TRUE(EqualRect(&t.items[i].rect, &want[i].rect));
    }
    EXPECT_EQ(t.items[0].text, L"#" + std::to_wstring(IDR_MAINFRAME));
    EXPECT_EQ(t.items[1].text, L"Lorvex 1.0 版");
    EXPECT_FALSE(t.items[2].text.empty());
    EXPECT_EQ(t.items[3].text, L"确定");
}

HWND FindAboutBox()
{
    return FindWindowW(L"#32770", L"关于 Lorvex");
}

// Opens the About box through the system-menu command, checks it, ends it
// with close(about) and checks that the main dialog is as it was.
void OpenAndEndAboutBox(const std::function<void(HWND about)>& close)
{
    CViewerDlg dlg;
    theApp.m_pMainWnd = &dlg;
    bool checked = false;
    RunModal(dlg, [&] {
        HWND main = dlg.m_hWnd;
        SetWindowTextW(GetDlgItem(main, IDC_STY_PATH), L"kept.sty");
        PostMessageW(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        RunLater(
            [&, main] {
                HWND about = FindAboutBox();
                ASSERT_NE(about, nullptr);
                EXPECT_TRUE(IsWindowVisible(about));
                EXPECT_EQ(GetWindow(about, GW_OWNER), main);
                EXPECT_FALSE(IsWindowEnabled(main));
                RECT a, m;
                GetWindowRect(about, &a);
                GetWindowRect(main, &m);
                EXPECT_LE(std::abs((a.left + a.right) - (m.left + m.right)), 2);
                EXPECT_LE(std::abs((a.top + a.bottom) - (m.top + m.bottom)), 2);
                HWND icon = GetWindow(about, GW_CHILD);
                EXPECT_NE(SendMessageW(icon, STM_GETICON, 0, 0), 0);
                close(about);
                RunLater(
                    [&, main] {
                        EXPECT_EQ(FindAboutBox(), nullptr);
                        EXPECT_TRUE(IsWindowEnabled(main));
                        wchar_t text[32] = {};
                        GetWindowTextW(GetDlgItem(main, IDC_STY_PATH), text, 32);
                        EXPECT_STREQ(text, L"kept.sty");
                        checked = true;
                        EndDialog(main, IDCANCEL);
                    },
                    300);
            },
            300);
    });
    EXPECT_TRUE(checked);
    EXPECT_STREQ(static_cast<LPCTSTR>(dlg.m_strStyPath), "");
}

TEST(AboutBox, EndsWithEscEnterOkAndTheCloseBox)
{
    OpenAndEndAboutBox([](HWND) { PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); });
    OpenAndEndAboutBox([](HWND about) { PostMessageW(GetFocus() ? GetFocus() : about, WM_KEYDOWN, VK_RETURN, 0); });
    OpenAndEndAboutBox([](HWND about) { PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0); });
    OpenAndEndAboutBox([](HWND about) { PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0); });
}

TEST(MainDialogChrome, DragIconIsTheApplicationIconAndCloseStillWorks)
{
    CViewerDlg dlg;
    theApp.m_pMainWnd = &dlg;
    const INT_PTR result = RunModal(dlg, [&] {
        EXPECT_NE(dlg.m_hIcon, nullptr);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(dlg.m_hWnd, WM_QUERYDRAGICON, 0, 0)), dlg.m_hIcon);
        PostMessageW(dlg.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
}

}  // namespace
