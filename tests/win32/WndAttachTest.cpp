#include <gtest/gtest.h>
#include <windows.h>

#include "framework/afxwin.h"

namespace {

// Counts the messages that reach the object.
class CountingWnd : public CWnd {
public:
    int messages = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        ++messages;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

HWND MakeStatic()
{
    return CreateWindowExW(0, L"STATIC", L"text", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

TEST(WndAttach, MessagesReachTheObjectUntilItLetsGo)
{
    HWND window = MakeStatic();
    ASSERT_NE(window, nullptr);
    CountingWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(window));
    CountingWnd other;
    EXPECT_FALSE(other.SubclassWindow(window)) << "a window takes one object";

    wchar_t text[16] = {};
    GetWindowTextW(window, text, 16);
    EXPECT_STREQ(text, L"text") << "the window's own procedure still answers";
    EXPECT_GT(wnd.messages, 0);

    EXPECT_EQ(wnd.UnsubclassWindow(), window);
    const int seen = wnd.messages;
    GetWindowTextW(window, text, 16);
    EXPECT_EQ(wnd.messages, seen);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), 0) << "the window's user data is free again";
    EXPECT_TRUE(other.SubclassWindow(window));
    other.UnsubclassWindow();
    DestroyWindow(window);
}

TEST(WndAttach, AWindowWhoseUserDataIsTakenIsLeftAlone)
{
    HWND window = MakeStatic();
    ASSERT_NE(window, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0x1234);
    const LONG_PTR procedure = GetWindowLongPtrW(window, GWLP_WNDPROC);

    CountingWnd wnd;
    EXPECT_FALSE(wnd.SubclassWindow(window));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), 0x1234);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), procedure);
    // Whatever its own code keeps there is never taken for an object.
    EXPECT_EQ(CWnd::FromHandlePermanent(window), nullptr);
    DestroyWindow(window);
}

}  // namespace
