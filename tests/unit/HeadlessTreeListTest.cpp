// The headless tree and list views, driven through the framework's wrappers,
// answer as the platform's controls do: the dialog tests rely on it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/afxcmn.h"
#include "framework/headless/Testing.h"

namespace {

// Records the selection notices it gets, in whichever form they come.
class NoticeRecorder : public CWnd {
public:
    struct Notice {
        UINT code;
        HTREEITEM oldItem;
        HTREEITEM newItem;
        LPARAM newData;
    };
    std::vector<Notice> notices;
    // The answer to WM_NOTIFYFORMAT; 0 leaves it to the window.
    LRESULT format = 0;

protected:
    BOOL OnWndMsg(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult) override
    {
        if (message == WM_NOTIFYFORMAT && format) {
            *pResult = format;
            return TRUE;
        }
        if (message != WM_NOTIFY)
            return FALSE;
        const auto* nm = reinterpret_cast<const NMTREEVIEWW*>(lParam);
        notices.push_back({nm->hdr.code, nm->itemOld.hItem, nm->itemNew.hItem, nm->itemNew.lParam});
        return TRUE;
    }
};

class HeadlessTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_parentWindow = headless::CreateWindow();
        m_parent.SubclassWindow(m_parentWindow);
    }
    void TearDown() override { headless::DestroyWindow(m_parentWindow); }

    // The tree, made on first use so that a test can set the parent's
    // answer to the notice-format question first.
    CTreeCtrl& Tree()
    {
        if (!m_tree.m_hWnd)
            m_tree.SubclassWindow(headless::Child(m_parentWindow, 7));
        return m_tree;
    }

    // Items added this way carry 1, 2, 3 ... as their data.
    HTREEITEM Add(const char* text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST)
    {
        HTREEITEM item = Tree().InsertItem(text, 0, 1, parent, after);
        Tree().SetItemData(item, ++m_added);
        return item;
    }

    std::string Labels()
    {
        std::string out;
        for (HTREEITEM item : headless::TreeItems(Tree().m_hWnd))
            out += std::string(Tree().GetItemText(item)) + (Tree().GetParentItem(item) ? "" : "!") + " ";
        return out;
    }

    HWND m_parentWindow = nullptr;
    NoticeRecorder m_parent;
    CTreeCtrl m_tree;
    DWORD_PTR m_added = 0;
};

TEST_F(HeadlessTreeTest, InsertsWhereAskedAndWalksLikeThePlatform)
{
    HTREEITEM b = Add("b");
    HTREEITEM a = Add("a", TVI_ROOT, TVI_FIRST);
    HTREEITEM c = Add("c", TVI_ROOT, b);
    HTREEITEM b2 = Add("b2", b);
    HTREEITEM b1 = Add("b1", b, TVI_FIRST);
    HTREEITEM b3 = Add("b3", b, a);  // a is not b's child: the end
    EXPECT_EQ(Labels(), "a! b! b1 b2 b3 c! ");
    EXPECT_EQ(Tree().GetCount(), 6u);

    EXPECT_EQ(Tree().GetRootItem(), a);
    EXPECT_EQ(Tree().GetNextSiblingItem(a), b);
    EXPECT_EQ(Tree().GetNextSiblingItem(c), nullptr);
    EXPECT_EQ(Tree().GetChildItem(b), b1);
    EXPECT_EQ(Tree().GetChildItem(a), nullptr);
    EXPECT_EQ(Tree().GetParentItem(b3), b);
    EXPECT_EQ(Tree().GetParentItem(b), nullptr);
    EXPECT_EQ(Tree().GetNextSiblingItem(b2), b3);
    EXPECT_EQ(Tree().GetItemData(b2), 4u);
    EXPECT_EQ(Tree().GetItemData(nullptr), 0u);
    EXPECT_EQ(Tree().GetSelectedItem(), nullptr);
}

TEST_F(HeadlessTreeTest, TextImagesAndDataRoundTrip)
{
    const std::string chinese = "场景 Scene_1a ✓ \xF0\x9F\x8C\x8F";  // with a character beyond 16 bits
    const std::string longText(3000, 'x');
    HTREEITEM first = Tree().InsertItem(chinese.c_str(), 4, 5);
    HTREEITEM second = Tree().InsertItem(longText.c_str(), 12, 13);
    EXPECT_EQ(std::string(Tree().GetItemText(first)), chinese);
    EXPECT_EQ(std::string(Tree().GetItemText(second)), longText);
    int image = -1;
    int selected = -1;
    ASSERT_TRUE(Tree().GetItemImage(second, image, selected));
    EXPECT_EQ(image, 12);
    EXPECT_EQ(selected, 13);
    EXPECT_FALSE(Tree().GetItemImage(nullptr, image, selected));
    EXPECT_EQ(std::string(Tree().GetItemText(nullptr)), "");

    CImageList images;
    images.Create(20, 20, ILC_COLOR32, 0, 0);
    EXPECT_EQ(Tree().SetImageList(&images, TVSIL_NORMAL), nullptr);
    EXPECT_EQ(Tree().GetImageList(TVSIL_NORMAL), images.GetSafeHandle());
}

// Removing items goes child by child; whenever the selected one goes, the
// selection moves to its next sibling, else its parent, else its previous
// sibling, and the parent window hears of each move.
TEST_F(HeadlessTreeTest, RemovalMovesTheSelectionOneNoticeAtATime)
{
    HTREEITEM file = Add("file");
    HTREEITEM s1 = Add("s1", file);
    HTREEITEM s2 = Add("s2", file);
    HTREEITEM g = Add("g", s2);
    HTREEITEM p = Add("p", g);
    HTREEITEM s3 = Add("s3", file);

    Tree().SelectItem(s1);
    Tree().SelectItem(s1);  // already selected: no notice
    ASSERT_EQ(m_parent.notices.size(), 1u);
    EXPECT_EQ(m_parent.notices[0].newItem, s1);
    m_parent.notices.clear();

    Tree().DeleteItem(s1);  // to the next sibling
    Tree().SelectItem(p);
    Tree().DeleteItem(g);  // p goes first, to its parent g; then g, to its parent s2
    Tree().SelectItem(s3);
    Tree().DeleteItem(s3);  // the last child: to the parent, not to s2 before it
    std::vector<HTREEITEM> moves;
    for (const auto& notice : m_parent.notices)
        moves.push_back(notice.newItem);
    EXPECT_EQ(moves, (std::vector<HTREEITEM>{s2, p, g, s2, s3, file}));
    EXPECT_EQ(m_parent.notices[2].oldItem, p);
    EXPECT_EQ(m_parent.notices[2].newData, 4);
    EXPECT_EQ(Labels(), "file! s2 ");
    EXPECT_EQ(Tree().GetCount(), 2u);

    // A top-level item with neither a next sibling nor a parent hands the
    // selection back to the one before it.
    HTREEITEM other = Add("other");
    Tree().SelectItem(other);
    m_parent.notices.clear();
    Tree().DeleteItem(other);
    ASSERT_EQ(m_parent.notices.size(), 1u);
    EXPECT_EQ(m_parent.notices[0].newItem, file);

    // Emptying the tree with file selected: s2 goes quietly, then file
    // goes and the selection with it.
    m_parent.notices.clear();
    Tree().DeleteAllItems();
    ASSERT_EQ(m_parent.notices.size(), 1u);
    EXPECT_EQ(m_parent.notices[0].newItem, nullptr);
    EXPECT_EQ(Tree().GetCount(), 0u);
    EXPECT_EQ(Tree().GetRootItem(), nullptr);
    EXPECT_EQ(Tree().GetSelectedItem(), nullptr);
}

// The tree asks its parent which form its notices take, as the platform's
// does: a window made with the wide functions gets the W form, and one
// that answers NFR_ANSI (as the framework's dialogs do) the A form.
TEST_F(HeadlessTreeTest, NoticesComeInTheFormTheParentAskedFor)
{
    Tree().SelectItem(Add("a"));
    ASSERT_EQ(m_parent.notices.size(), 1u);
    EXPECT_EQ(m_parent.notices[0].code, static_cast<UINT>(TVN_SELCHANGEDW));

    NoticeRecorder ansiParent;
    ansiParent.format = NFR_ANSI;
    HWND window = headless::CreateWindow();
    ansiParent.SubclassWindow(window);
    CTreeCtrl tree;
    tree.SubclassWindow(headless::Child(window, 8));
    tree.SelectItem(tree.InsertItem("b", 0, 0));
    ASSERT_EQ(ansiParent.notices.size(), 1u);
    EXPECT_EQ(ansiParent.notices[0].code, static_cast<UINT>(TVN_SELCHANGED));
    headless::DestroyWindow(window);
}

// A deep chain goes without recursion, children first.
TEST_F(HeadlessTreeTest, DeepChainIsRemovedWhole)
{
    HTREEITEM top = Add("top");
    HTREEITEM item = top;
    for (int i = 0; i < 100000; ++i)
        item = Tree().InsertItem("", 0, 0, item);
    Tree().SelectItem(item);
    m_parent.notices.clear();
    Tree().DeleteItem(top);
    EXPECT_EQ(Tree().GetCount(), 0u);
    ASSERT_EQ(m_parent.notices.size(), 100001u);  // up the chain, then nothing
    EXPECT_EQ(m_parent.notices.back().newItem, nullptr);
}

class HeadlessListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window = headless::CreateWindow();
        m_list.SubclassWindow(headless::Child(m_window, 9));
    }
    void TearDown() override { headless::DestroyWindow(m_window); }

    HWND m_window = nullptr;
    CListCtrl m_list;
};

TEST_F(HeadlessListTest, RowsHaveACellPerColumn)
{
    EXPECT_EQ(m_list.InsertColumn(5, "Value", LVCFMT_LEFT, 150), 0);  // past the end: last
    EXPECT_EQ(m_list.InsertColumn(0, "名称", LVCFMT_LEFT, 140), 0);
    EXPECT_EQ(m_list.InsertColumn(2, "Default"), 2);
    const auto columns = headless::Columns(m_list.m_hWnd);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].heading, "名称");
    EXPECT_EQ(columns[1].heading, "Value");
    EXPECT_EQ(m_list.GetColumnWidth(1), 150);
    EXPECT_EQ(m_list.GetColumnWidth(2), 0);
    EXPECT_EQ(m_list.GetColumnWidth(3), 0);

    EXPECT_EQ(m_list.InsertItem(0, "second"), 0);
    EXPECT_EQ(m_list.InsertItem(0, "first"), 0);
    EXPECT_EQ(m_list.InsertItem(9, "third"), 2);
    EXPECT_TRUE(m_list.SetItemText(1, 1, "0x0000001a"));
    EXPECT_TRUE(m_list.SetItemText(1, 2, "值"));
    EXPECT_FALSE(m_list.SetItemText(1, 3, "no column"));
    EXPECT_FALSE(m_list.SetItemText(3, 0, "no row"));
    EXPECT_EQ(m_list.GetItemCount(), 3);
    EXPECT_EQ(m_list.GetItemText(0, 0), "first");
    EXPECT_EQ(m_list.GetItemText(1, 0), "second");
    EXPECT_EQ(m_list.GetItemText(1, 1), "0x0000001a");
    EXPECT_EQ(m_list.GetItemText(1, 2), "值");
    EXPECT_EQ(m_list.GetItemText(2, 1), "");
    EXPECT_EQ(m_list.GetItemText(3, 0), "");

    EXPECT_TRUE(m_list.DeleteAllItems());
    EXPECT_EQ(m_list.GetItemCount(), 0);
    EXPECT_EQ(headless::Columns(m_list.m_hWnd).size(), 3u);
}

TEST_F(HeadlessListTest, ExtendedStyleIsReplacedWhole)
{
    EXPECT_EQ(m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT), 0u);
    EXPECT_EQ(m_list.SetExtendedStyle(LVS_EX_REGIONAL), static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
    EXPECT_EQ(m_list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_REGIONAL));
}

}  // namespace
