#include <gtest/gtest.h>

#include "app/ViewerApp.h"
#include "tests/unit/HeadlessDialogs.h"
#include "tests/unit/ViewerIcons.h"
#include "ui/ViewerDlg.h"

namespace {

class ViewerDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Reset();
        AddViewerIcons();
        headless::SetString(IDS_ABOUTBOX, "关于 Lorvex(&A)...");
    }
    void TearDown() override { headless::Reset(); }

    // Runs the dialog modally with body as its modal loop.
    template <class Body>
    INT_PTR Run(CViewerDlg& dlg, Body body)
    {
        headless::PushModal([&](CDialog&) { body(); });
        return dlg.DoModal();
    }
};

TEST_F(ViewerDlgTest, FirstShowsEmptyFieldsTreeAndList)
{
    CViewerDlg dlg;
    Run(dlg, [&] {
        HWND hDlg = dlg.m_hWnd;
        EXPECT_EQ(headless::Text(headless::Child(hDlg, IDC_STY_PATH)), "");
        EXPECT_EQ(headless::Text(headless::Child(hDlg, IDC_HEADER_PATH)), "");
        EXPECT_EQ(dlg.m_tree.m_hWnd, headless::Child(hDlg, IDC_TREE));
        EXPECT_EQ(dlg.m_list.m_hWnd, headless::Child(hDlg, IDC_LIST));
        EXPECT_EQ(dlg.m_tree.GetCount(), 0u);
        EXPECT_EQ(dlg.m_list.GetItemCount(), 0);

        const auto columns = headless::Columns(dlg.m_list.m_hWnd);
        ASSERT_EQ(columns.size(), 2u);
        EXPECT_EQ(columns[0].heading, "Name");
        EXPECT_EQ(columns[0].width, 140);
        EXPECT_EQ(columns[1].heading, "Value");
        EXPECT_EQ(columns[1].width, 150);
        EXPECT_EQ(dlg.m_list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_REGIONAL));

        EXPECT_EQ(dlg.m_imageList.GetImageCount(), 14);
        EXPECT_EQ(dlg.m_tree.GetImageList(TVSIL_NORMAL), dlg.m_imageList.GetSafeHandle());
        const auto images = headless::Images(dlg.m_imageList.GetSafeHandle());
        const UINT expectedOrder[] = {IDI_FILE,      IDI_FILE_SEL,      IDI_SCENE, IDI_SCENE_SEL, IDI_RESGROUP,
                                      IDI_RESGROUP_SEL, IDI_PICREGION, IDI_PICREGION_SEL, IDI_PIC, IDI_PIC_SEL,
                                      IDI_STRING,    IDI_STRING_SEL,    IDI_FRAME, IDI_FRAME_SEL};
        for (size_t i = 0; i < images.size(); ++i)
            EXPECT_EQ(headless::IconId(images[i]), expectedOrder[i]) << "image " << i;
        EXPECT_EQ(images.size(), 14u);

        ASSERT_NE(dlg.m_hIcon, nullptr);
        EXPECT_EQ(reinterpret_cast<HICON>(headless::Send(hDlg, WM_GETICON, ICON_BIG)), dlg.m_hIcon);
        EXPECT_EQ(reinterpret_cast<HICON>(headless::Send(hDlg, WM_GETICON, ICON_SMALL)), dlg.m_hIcon);
        EXPECT_EQ(dlg.m_pStyleFile, nullptr);
        EXPECT_EQ(dlg.m_pMacroList, nullptr);
    });
}

TEST_F(ViewerDlgTest, SystemMenuGainsSeparatorAndAboutItemOnlyWithItsText)
{
    for (const char* text : std::vector<const char*>{"关于 Lorvex(&A)...", "", nullptr}) {
        headless::Reset();
        if (text)
            headless::SetString(IDS_ABOUTBOX, text);
        CViewerDlg dlg;
        Run(dlg, [&] {
            const auto items = headless::MenuItems(GetSystemMenu(dlg.m_hWnd, FALSE));
            ASSERT_GE(items.size(), 2u);
            if (text && *text) {
                ASSERT_EQ(items.size(), 9u);
                EXPECT_EQ(items[7].nFlags, static_cast<UINT>(MF_SEPARATOR));
                EXPECT_EQ(items[8].nFlags, static_cast<UINT>(MF_STRING));
                EXPECT_EQ(items[8].nID, static_cast<UINT_PTR>(IDM_ABOUTBOX));
                EXPECT_EQ(items[8].text, text);
            } else {
                EXPECT_EQ(items.size(), 7u);
                EXPECT_EQ(items.back().nID, static_cast<UINT_PTR>(SC_CLOSE));
            }
        });
    }
}

TEST_F(ViewerDlgTest, EnterTakesTheEditsAndEscDoesNot)
{
    {
        CViewerDlg dlg;
        const INT_PTR result = Run(dlg, [&] {
            headless::Type(dlg, IDC_STY_PATH, "C:\\ui\\main.sty");
            headless::Type(dlg, IDC_HEADER_PATH, "C:\\ui\\ids.h");
            headless::Send(dlg.m_hWnd, WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dlg.m_strStyPath, "C:\\ui\\main.sty");
        EXPECT_EQ(dlg.m_strHeaderPath, "C:\\ui\\ids.h");
    }
    {
        CViewerDlg dlg;
        const INT_PTR result = Run(dlg, [&] {
            headless::Type(dlg, IDC_STY_PATH, "typed");
            headless::Send(dlg.m_hWnd, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(dlg.m_strStyPath, "");
    }
}

TEST_F(ViewerDlgTest, DestructionFreesDocumentMacroTableAndTags)
{
    auto dlg = std::make_unique<CViewerDlg>();
    Run(*dlg, [&] {
        dlg->m_pStyleFile = new StyleFile;
        for (uint32_t id : {1u, 2u, 3u})
            dlg->m_pMacroList = new NameIdNode{dlg->m_pMacroList, "NAME", id};
        HTREEITEM file = dlg->m_tree.InsertItem("demo", 0, 1);
        dlg->m_tree.SetItemData(file, reinterpret_cast<DWORD_PTR>(new NodeTag{NodeKind::File, 0}));
        HTREEITEM scene = dlg->m_tree.InsertItem("Scene_1", 2, 3, file);
        dlg->m_tree.SetItemData(scene, reinterpret_cast<DWORD_PTR>(new NodeTag{NodeKind::Scene, 0}));
    });
    EXPECT_EQ(dlg->m_tree.m_hWnd, nullptr);  // detached when the window went
    dlg.reset();  // LeakSanitizer reports whatever the destructor missed
}

TEST_F(ViewerDlgTest, StartUpRunsTheDialogAsMainWindowAndEnds)
{
    CWnd* seen = nullptr;
    headless::PushModal([&](CDialog& dialog) {
        seen = AfxGetMainWnd();
        EXPECT_EQ(seen, &dialog);
        EXPECT_EQ(dialog.GetTemplateId(), static_cast<UINT>(IDD_MAIN));
    });
    EXPECT_EQ(AfxGetApp(), &theApp);
    EXPECT_EQ(AfxWinMain(), 0);
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);  // cleared when the window went
}

TEST_F(ViewerDlgTest, HelpCommandReachesTheApplication)
{
    CViewerDlg dlg;
    Run(dlg, [&] {
        headless::Send(dlg.m_hWnd, WM_COMMAND, ID_HELP, 0);
        // Handled by the application's map: nothing reaches the window's default.
        for (const auto& call : headless::DefaultCalls(dlg.m_hWnd))
            EXPECT_NE(call.wParam, static_cast<WPARAM>(ID_HELP));
    });
    LRESULT result = 0;
    EXPECT_TRUE(theApp.DispatchMapped(WM_COMMAND, 0, ID_HELP, ID_HELP, 0, &result));
}

}  // namespace
