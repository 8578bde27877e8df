#include <gtest/gtest.h>

#include "tests/unit/HeadlessDialogs.h"
#include "ui/IconPlacement.h"
#include "ui/ViewerDlg.h"

namespace {

TEST(CenteredIconOffset, OddPixelGoesLeftAndNarrowAreasGoNegative)
{
    struct Case {
        int client, icon, offset;
    } cases[] = {{37, 32, 3}, {36, 32, 2}, {32, 32, 0}, {30, 32, 0}, {29, 32, -1}, {0, 32, -15}, {-40, 32, -35}};
    for (const Case& c : cases)
        EXPECT_EQ(CenteredIconOffset(c.client, c.icon), c.offset) << c.client << " " << c.icon;
}

class WindowChromeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Reset();
        headless::AddIcon(IDR_MAINFRAME);
        headless::SetString(IDS_ABOUTBOX, "关于 Lorvex(&A)...");
    }
    void TearDown() override { headless::Reset(); }
};

TEST_F(WindowChromeTest, AboutRangeOpensTheAboutBoxAndEverythingElseGoesToDefault)
{
    for (UINT id : {0x0Fu, 0x10u, 0x13u, 0x1Fu, 0x20u, static_cast<UINT>(SC_MOVE), static_cast<UINT>(SC_RESTORE)}) {
        CViewerDlg dlg;
        std::vector<UINT> aboutTemplates;
        headless::PushModal([&](CDialog&) {
            headless::Type(dlg, IDC_STY_PATH, "kept.sty");
            dlg.m_strHeaderPath = "ids.h";
            headless::PushModal([&](CDialog& about) {
                aboutTemplates.push_back(about.GetTemplateId());
                EXPECT_EQ(AfxGetMainWnd(), &dlg);
            });
            const size_t before = headless::DefaultCalls(dlg.m_hWnd).size();
            headless::Send(dlg.m_hWnd, WM_SYSCOMMAND, id, 0x00050007);
            const auto calls = headless::DefaultCalls(dlg.m_hWnd);
            const bool about = (id & 0xFFF0) == IDM_ABOUTBOX;
            if (about) {
                EXPECT_EQ(calls.size(), before) << std::hex << id;
            } else {
                ASSERT_EQ(calls.size(), before + 1) << std::hex << id;
                EXPECT_EQ(calls.back().message, static_cast<UINT>(WM_SYSCOMMAND));
                EXPECT_EQ(calls.back().wParam, static_cast<WPARAM>(id));
                EXPECT_EQ(calls.back().lParam, 0x00050007);
            }
            EXPECT_EQ(headless::Text(headless::Child(dlg.m_hWnd, IDC_STY_PATH)), "kept.sty");
            EXPECT_EQ(dlg.m_strHeaderPath, "ids.h");
            if (!about)
                headless::Reset();  // the unused About script must not reach a later loop
        });
        AfxGetApp()->m_pMainWnd = &dlg;  // as start-up does
        dlg.DoModal();
        if ((id & 0xFFF0) == IDM_ABOUTBOX)
            EXPECT_EQ(aboutTemplates, std::vector<UINT>{IDD_ABOUTBOX}) << std::hex << id;
        else
            EXPECT_TRUE(aboutTemplates.empty()) << std::hex << id;
    }
}

TEST_F(WindowChromeTest, MinimisedWindowPaintsItsIconCentred)
{
    CViewerDlg dlg;
    headless::PushModal([&](CDialog&) {
        HWND hWnd = dlg.m_hWnd;
        headless::Send(hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        SetWindowPos(hWnd, nullptr, 0, 0, 37, 30, SWP_NOMOVE | SWP_NOZORDER);
        headless::Send(hWnd, WM_PAINT);
        const auto paints = headless::Paints(hWnd);
        ASSERT_EQ(paints.size(), 1u);
        const headless::Paint& dc = paints.back();
        ASSERT_EQ(dc.icons.size(), 1u);
        EXPECT_EQ(dc.icons[0].x, 3);
        EXPECT_EQ(dc.icons[0].y, 0);
        EXPECT_EQ(dc.icons[0].icon, dlg.m_hIcon);
        const auto erase = headless::DefaultCalls(hWnd).back();
        EXPECT_EQ(erase.message, static_cast<UINT>(WM_ICONERASEBKGND));
        EXPECT_EQ(erase.wParam, reinterpret_cast<WPARAM>(dc.hdc));
        EXPECT_EQ(erase.lParam, 0);

        headless::Send(hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
        headless::Send(hWnd, WM_PAINT);
        EXPECT_EQ(headless::Paints(hWnd).size(), 1u);
        EXPECT_EQ(headless::DefaultCalls(hWnd).back().message, static_cast<UINT>(WM_PAINT));
    });
    dlg.DoModal();
}

TEST_F(WindowChromeTest, DraggedMinimisedWindowShowsTheApplicationIcon)
{
    CViewerDlg dlg;
    headless::PushModal([&](CDialog&) {
        ASSERT_NE(dlg.m_hIcon, nullptr);
        EXPECT_EQ(headless::Send(dlg.m_hWnd, WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(dlg.m_hIcon));
    });
    dlg.DoModal();
}

}  // namespace

// A dialog that OnInitDialog does not place opens centred: over its owner
// while the owner shows, else on the screen (here 1280 x 1024, a dialog
// 587 x 653).
TEST_F(WindowChromeTest, DialogsOpenCentredOverTheirOwnerOrTheScreen)
{
    CViewerDlg dlg;
    std::vector<RECT> aboutRects;
    const auto openAbout = [&] {
        headless::PushModal([&](CDialog& about) {
            RECT rect;
            GetWindowRect(about.m_hWnd, &rect);
            aboutRects.push_back(rect);
        });
        headless::Send(dlg.m_hWnd, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    };
    headless::PushModal([&](CDialog&) {
        RECT rect;
        GetWindowRect(dlg.m_hWnd, &rect);
        EXPECT_EQ(rect.left, 346);
        EXPECT_EQ(rect.top, 185);
        EXPECT_EQ(rect.right - rect.left, 587);
        SetWindowPos(dlg.m_hWnd, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        openAbout();
        headless::Send(dlg.m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        openAbout();
    });
    AfxGetApp()->m_pMainWnd = &dlg;  // as start-up does
    dlg.DoModal();
    ASSERT_EQ(aboutRects.size(), 2u);
    EXPECT_EQ(aboutRects[0].left, 10);
    EXPECT_EQ(aboutRects[0].top, 20);
    EXPECT_EQ(aboutRects[1].left, 346);
    EXPECT_EQ(aboutRects[1].top, 185);
}
