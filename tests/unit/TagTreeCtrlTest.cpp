#include <gtest/gtest.h>

#include "framework/headless/Testing.h"
#include "ui/TagTreeCtrl.h"
#include "ui/resource.h"

namespace {

// Reads the tag behind every selection notice, as the property list does,
// so that a notice naming a freed tag shows up under AddressSanitizer.
class TagReadingParent : public CWnd {
public:
    int notices = 0;
    std::vector<NodeKind> kindsRead;

protected:
    BOOL OnWndMsg(UINT message, WPARAM, LPARAM lParam, LRESULT*) override
    {
        if (message == WM_NOTIFY) {
            const auto* nm = reinterpret_cast<const NMTREEVIEW*>(lParam);
            ++notices;
            if (nm->itemNew.hItem)
                if (const auto* tag = reinterpret_cast<const NodeTag*>(nm->itemNew.lParam))
                    kindsRead.push_back(tag->kind);
        }
        return TRUE;
    }
};

class TestTree : public CTagTreeCtrl {
public:
    using CTagTreeCtrl::m_ownedData;
};

class TagTreeCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parentWindow = headless::CreateWindow();
        parent.SubclassWindow(parentWindow);
        tree.SubclassWindow(headless::Child(parentWindow, IDC_TREE));
    }
    void TearDown() override { headless::DestroyWindow(parentWindow); }

    HTREEITEM Add(const char* text, HTREEITEM parentItem = TVI_ROOT, NodeKind kind = NodeKind::Scene)
    {
        HTREEITEM item = tree.InsertItem(text, 0, 1, parentItem, TVI_LAST);
        tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(new NodeTag{kind, 0}));
        return item;
    }

    HWND parentWindow = nullptr;
    TagReadingParent parent;
    TestTree tree;
};

TEST_F(TagTreeCtrlTest, DeleteAllItemsOnEmptyControl)
{
    tree.DeleteAllItems();
    EXPECT_TRUE(tree.m_ownedData.empty());
    EXPECT_EQ(tree.GetCount(), 0u);
}

TEST_F(TagTreeCtrlTest, DeleteItemWithoutDataLeavesRecordUntouched)
{
    Add("a");
    HTREEITEM bare = tree.InsertItem("bare", 0, 1);
    tree.DeleteItem(bare);
    EXPECT_EQ(tree.GetCount(), 1u);
    ASSERT_EQ(tree.m_ownedData.size(), 1u);
    EXPECT_NE(tree.m_ownedData[0], nullptr);
}

TEST_F(TagTreeCtrlTest, DeleteItemFreesDataAttachedPastTheControl)
{
    Add("a");
    HTREEITEM item = tree.InsertItem("unrecorded", 0, 1);
    tree.CTreeCtrl::SetItemData(item, reinterpret_cast<DWORD_PTR>(new NodeTag{NodeKind::Pic, 0}));
    tree.DeleteItem(item);  // LeakSanitizer reports the tag if it is not freed
    EXPECT_EQ(tree.m_ownedData.size(), 1u);
}

// A deleted item's own tag goes at once and its entry is cleared, so that
// emptying the tree does not free it again; its children's tags wait.
TEST_F(TagTreeCtrlTest, DeleteItemFreesItsOwnTagOnceAndChildrenWaitForDeleteAllItems)
{
    Add("a");
    HTREEITEM group = Add("group");
    Add("child1", group);
    Add("child2", group);
    Add("c");
    tree.DeleteItem(group);
    EXPECT_EQ(tree.GetCount(), 2u);
    ASSERT_EQ(tree.m_ownedData.size(), 5u);
    EXPECT_NE(tree.m_ownedData[0], nullptr);
    EXPECT_EQ(tree.m_ownedData[1], nullptr);
    EXPECT_NE(tree.m_ownedData[2], nullptr);
    EXPECT_NE(tree.m_ownedData[3], nullptr);
    EXPECT_NE(tree.m_ownedData[4], nullptr);
    tree.DeleteAllItems();  // a double delete of the group's tag would stop here
    EXPECT_TRUE(tree.m_ownedData.empty());
    EXPECT_EQ(tree.GetCount(), 0u);
}

TEST_F(TagTreeCtrlTest, SecondSetItemDataOnOneItemRecordsBoth)
{
    HTREEITEM item = tree.InsertItem("a", 0, 1);
    auto* first = new NodeTag{NodeKind::File, 1};
    auto* second = new NodeTag{NodeKind::File, 2};
    tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(first));
    tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(second));
    EXPECT_EQ(tree.GetItemData(item), reinterpret_cast<DWORD_PTR>(second));
    EXPECT_EQ(tree.m_ownedData.size(), 2u);
    tree.DeleteAllItems();
}

TEST_F(TagTreeCtrlTest, DestructionFreesEveryRecordedTagOnce)
{
    auto owned = std::make_unique<TestTree>();
    HWND window = headless::Child(parentWindow, 2000);
    owned->SubclassWindow(window);
    HTREEITEM root = owned->InsertItem("root", 0, 1);
    owned->SetItemData(root, reinterpret_cast<DWORD_PTR>(new NodeTag{NodeKind::File, 0}));
    HTREEITEM child = owned->InsertItem("child", 0, 1, root);
    owned->SetItemData(child, reinterpret_cast<DWORD_PTR>(new NodeTag{NodeKind::Scene, 0}));
    owned->DeleteItem(child);
    owned.reset();
    EXPECT_EQ(CWnd::FromHandlePermanent(window), nullptr);
}

// The tree moves the selection to a remaining item, and tells the parent,
// while it removes items one by one: each notice must name a live tag.
TEST_F(TagTreeCtrlTest, SelectionNoticesDuringDeleteItemNeverReachFreedTags)
{
    HTREEITEM file = Add("file", TVI_ROOT, NodeKind::File);
    HTREEITEM scene1 = Add("scene1", file, NodeKind::Scene);
    Add("pic", scene1, NodeKind::Pic);
    Add("scene2", file, NodeKind::Scene);
    HTREEITEM group = Add("group", file, NodeKind::ResGroup);
    HTREEITEM child = Add("child", group, NodeKind::Pic);

    tree.SelectItem(scene1);
    parent.notices = 0;
    parent.kindsRead.clear();
    tree.DeleteItem(scene1);
    EXPECT_EQ(parent.notices, 1);
    EXPECT_EQ(parent.kindsRead, std::vector<NodeKind>{NodeKind::Scene});  // scene2

    // The selected child goes first, and the selection moves up to the item
    // being deleted: its own tag is read while the removal is under way.
    tree.SelectItem(child);
    parent.notices = 0;
    parent.kindsRead.clear();
    tree.DeleteItem(group);
    // Then the group goes too, the last of its siblings: the selection
    // moves on to the parent.
    EXPECT_EQ(parent.kindsRead, (std::vector<NodeKind>{NodeKind::ResGroup, NodeKind::File}));
    EXPECT_EQ(tree.GetSelectedItem(), file);
    tree.DeleteAllItems();
}

// Emptying the tree clears the selection first: one notice, naming no item,
// rather than one for each item the selection would pass through.
TEST_F(TagTreeCtrlTest, DeleteAllItemsClearsTheSelectionWithOneNotice)
{
    HTREEITEM file = Add("file", TVI_ROOT, NodeKind::File);
    HTREEITEM scene1 = Add("scene1", file, NodeKind::Scene);
    Add("pic", scene1, NodeKind::Pic);
    Add("scene2", file, NodeKind::Scene);

    tree.SelectItem(tree.GetChildItem(scene1));
    parent.notices = 0;
    parent.kindsRead.clear();
    tree.DeleteAllItems();
    EXPECT_EQ(parent.notices, 1);
    EXPECT_TRUE(parent.kindsRead.empty());
    EXPECT_EQ(tree.GetCount(), 0u);
    EXPECT_TRUE(tree.m_ownedData.empty());
}

}  // namespace
