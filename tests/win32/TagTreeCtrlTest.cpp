#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "ModalRunner.h"
#include "ui/TagTreeCtrl.h"
#include "ui/resource.h"

namespace {

class TestTree : public CTagTreeCtrl {
public:
    using CTagTreeCtrl::m_ownedData;
};

// The main dialog's template with the owning tree control; every selection
// notice checks that the tag it names is still owned, that is, not freed.
class TreeHost : public CDialog {
public:
    TreeHost() : CDialog(IDD_MAIN) {}
    TestTree m_tree;
    int notices = 0;
    int freedTagsSeen = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_TREE, m_tree); }
    void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
    {
        ++notices;
        const auto* nm = reinterpret_cast<NMTREEVIEW*>(pNMHDR);
        if (nm->itemNew.hItem) {
            auto* tag = reinterpret_cast<NodeTag*>(m_tree.GetItemData(nm->itemNew.hItem));
            const auto& owned = m_tree.m_ownedData;
            if (tag && std::find(owned.begin(), owned.end(), tag) == owned.end())
                ++freedTagsSeen;
        }
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TreeHost, CDialog)
ON_NOTIFY(TVN_SELCHANGED, IDC_TREE, &TreeHost::OnSelChanged)
END_MESSAGE_MAP()

HTREEITEM Add(TestTree& tree, const char* text, HTREEITEM parent, NodeKind kind)
{
    HTREEITEM item = tree.InsertItem(text, 2 * static_cast<int>(kind), 2 * static_cast<int>(kind) + 1, parent);
    tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(new NodeTag{kind, 0}));
    return item;
}

TEST(TagTreeCtrlOnTheRealTree, RemovalNeverAnnouncesAFreedTag)
{
    TreeHost host;
    RunModal(host, [&] {
        TestTree& tree = host.m_tree;
        HTREEITEM file = Add(tree, "file", TVI_ROOT, NodeKind::File);
        HTREEITEM scene1 = Add(tree, "scene1", file, NodeKind::Scene);
        Add(tree, "pic", scene1, NodeKind::Pic);
        HTREEITEM scene2 = Add(tree, "scene2", file, NodeKind::Scene);
        Add(tree, "scene3", file, NodeKind::Scene);

        tree.SelectItem(scene1);
        tree.DeleteItem(scene1);  // the selection moves on to scene2
        EXPECT_EQ(tree.GetSelectedItem(), scene2);
        ASSERT_EQ(tree.m_ownedData.size(), 5u);
        EXPECT_EQ(tree.m_ownedData[1], nullptr);
        EXPECT_EQ(tree.GetCount(), 3u);

        tree.SelectItem(scene2);
        tree.DeleteAllItems();
        EXPECT_EQ(tree.GetCount(), 0u);
        EXPECT_TRUE(tree.m_ownedData.empty());
        EndDialog(host.m_hWnd, IDCANCEL);
    });
    EXPECT_GE(host.notices, 2);
    EXPECT_EQ(host.freedTagsSeen, 0);
}

}  // namespace
