// The viewer's browsing, driven through its handlers as a person drives it:
// file dialogs answered from a script, buttons clicked, tree nodes selected.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "style/StyWriter.h"
#include "tests/unit/HeadlessDialogs.h"
#include "tests/unit/ViewerIcons.h"
#include "ui/ViewerDlg.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

// Scene 0x1a: a group 0 holding a region 0xff with two frames, a group
// 0x10 with a picture, a resource of an unknown type and a string 0x1a;
// then a picture 0xffffffff and a region 0x300 without frames. Scene 2 has
// no resources.
StyWriter SampleDocument()
{
    StyWriter w;
    const size_t scene = w.Scene(0x1A);
    const size_t group = w.Group(scene, 0);
    const size_t region = w.Region(group, 0xFF, {5, 0xFFFF});
    StyNode& r = w.Node(region);
    r.fill = false;
    r.region.x = -1;
    r.region.y = 20;
    r.region.width = 0xFFFF;
    r.region.height = 40;
    r.region.frames_num = 9;
    r.region.pic_offset = 0x1234;
    const size_t inner = w.Group(group, 0x10);
    w.Pic(inner, 0x11, 3);
    w.Other(group, 9, {1, 2, 3});
    w.String(group, 0x1A, 4);
    const size_t pic = w.Pic(scene, 0xFFFFFFFF, 2);
    w.Node(pic).fill = false;
    w.Node(pic).pic.offset = 0x77;
    w.Node(pic).pic.x = -32768;
    w.Node(pic).pic.width = 0xFFFF;
    w.Node(pic).pic.visible = 1;
    w.Region(scene, 0x300, {});
    w.Scene(2);
    return w;
}

const char* const kSampleOutline =
    "main 0/1\n"
    "  Scene_1a 2/3\n"
    "    ResGroup_0 4/5\n"
    "      PicRigion_ff 6/7\n"
    "        Frame00 12/13\n"
    "        Frame01 12/13\n"
    "      ResGroup_10 4/5\n"
    "        Pic_11 8/9\n"
    "      String1a 10/11\n"
    "    Pic_ffffffff 8/9\n"
    "    PicRigion_300 6/7\n"
    "  Scene_2 2/3\n";

// Both file dialogs open existing files only, with no read-only box, and an
// empty (not absent) default extension.
void ExpectOpenDialog(const headless::FileDialogRequest& asked, const std::string& title, const std::string& filter,
                      const std::string& initialFile)
{
    EXPECT_EQ(asked.title, title);
    EXPECT_EQ(asked.filter, filter);
    EXPECT_EQ(asked.initialFile, initialFile);
    EXPECT_EQ(asked.flags, 0x1005u);
    EXPECT_TRUE(asked.hasDefExt);
    EXPECT_EQ(asked.defExt, "");
}

class ViewerBrowseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Reset();
        AddViewerIcons();
        std::string pattern = ::testing::TempDir() + "lorvex_browse_XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern + "/";
    }

    void TearDown() override
    {
        headless::Reset();
        for (const std::string& path : m_files)
            std::remove(path.c_str());
        rmdir(m_dir.c_str());
    }

    std::string Path(const std::string& name)
    {
        m_files.push_back(m_dir + name);
        return m_dir + name;
    }
    std::string WriteSty(const std::string& name, const StyWriter& w)
    {
        const std::string path = Path(name);
        EXPECT_TRUE(WriteBytes(path, w.Write().bytes));
        return path;
    }
    std::string WriteText(const std::string& name, const std::string& text)
    {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
        return path;
    }

    // Runs the dialog with body as the inside of its modal loop.
    INT_PTR Run(const std::function<void()>& body)
    {
        headless::PushModal([&](CDialog&) { body(); });
        return m_dlg.DoModal();
    }

    // The sty "Browse..." button, with the file dialog answering path (or
    // cancelled when path is empty).
    void OpenSty(const std::string& path)
    {
        headless::PushFileDialog(path.empty() ? IDCANCEL : IDOK, path);
        headless::Click(m_dlg, IDC_BROWSE_STY);
    }
    void OpenHeader(const std::string& path)
    {
        headless::PushFileDialog(path.empty() ? IDCANCEL : IDOK, path);
        headless::Click(m_dlg, IDC_BROWSE_HEADER);
    }

    // The tree as text: one line per node, "label image/selected image",
    // indented by depth, in display order.
    std::string Outline() const
    {
        std::string out;
        std::function<void(HTREEITEM, int)> walk = [&](HTREEITEM item, int depth) {
            for (; item; item = m_dlg.m_tree.GetNextSiblingItem(item)) {
                int image = -1;
                int selected = -1;
                m_dlg.m_tree.GetItemImage(item, image, selected);
                out += std::string(static_cast<size_t>(depth) * 2, ' ') + m_dlg.m_tree.GetItemText(item).GetString() +
                       " " + std::to_string(image) + "/" + std::to_string(selected) + "\n";
                walk(m_dlg.m_tree.GetChildItem(item), depth + 1);
            }
        };
        walk(m_dlg.m_tree.GetRootItem(), 0);
        return out;
    }

    // The node reached by following labels from the root; null if none.
    HTREEITEM Find(const std::vector<std::string>& labels) const
    {
        HTREEITEM level = m_dlg.m_tree.GetRootItem();
        HTREEITEM found = nullptr;
        for (const std::string& label : labels) {
            found = level;
            while (found && m_dlg.m_tree.GetItemText(found) != label.c_str())
                found = m_dlg.m_tree.GetNextSiblingItem(found);
            if (!found)
                return nullptr;
            level = m_dlg.m_tree.GetChildItem(found);
        }
        return found;
    }

    Rows ListRows() const
    {
        Rows rows;
        for (int i = 0; i < m_dlg.m_list.GetItemCount(); ++i)
            rows.emplace_back(m_dlg.m_list.GetItemText(i, 0).GetString(), m_dlg.m_list.GetItemText(i, 1).GetString());
        return rows;
    }

    Rows Select(const std::vector<std::string>& labels)
    {
        HTREEITEM item = Find(labels);
        EXPECT_NE(item, nullptr) << labels.back();
        m_dlg.m_tree.SelectItem(item);
        return ListRows();
    }

    std::string EditText(int id) { return headless::Text(headless::Child(m_dlg.m_hWnd, id)); }
    HTREEITEM Selected() const { return m_dlg.m_tree.GetSelectedItem(); }

    std::string m_dir;
    std::vector<std::string> m_files;
    CViewerDlg m_dlg;
};

TEST_F(ViewerBrowseTest, OpeningAFileShowsItsWholeTree)
{
    const std::string sty = WriteSty("main.sty", SampleDocument());
    Run([&] {
        headless::Type(m_dlg, IDC_STY_PATH, "typed.sty");
        OpenSty(sty);

        const auto& asked = headless::FileDialogs();
        ASSERT_EQ(asked.size(), 1u);
        ExpectOpenDialog(asked[0], "请选择sty文件路径", "Sty File(*.sty)|*.sty|All File(*.*)|*.*||", "typed.sty");

        EXPECT_EQ(Outline(), kSampleOutline);
        EXPECT_EQ(m_dlg.m_tree.GetSelectedItem(), nullptr);
        EXPECT_EQ(EditText(IDC_STY_PATH), sty);
        EXPECT_TRUE(headless::MessageBoxes().empty());
        EXPECT_EQ(m_dlg.m_list.GetItemCount(), 0);
    });
}

TEST_F(ViewerBrowseTest, SelectingANodeShowsItsRows)
{
    const std::string sty = WriteSty("main.sty", SampleDocument());
    Run([&] {
        OpenSty(sty);
        EXPECT_EQ(Select({"main"}), (Rows{{"scene num", "2"}}));

        const Rows scene = Select({"main", "Scene_1a"});
        ASSERT_EQ(scene.size(), 30u);
        EXPECT_EQ(scene[0], (std::pair<std::string, std::string>{"id", "0x0000001a"}));
        EXPECT_EQ(scene[13].first, "rotation");
        EXPECT_EQ(scene[14].first, "Key0");
        EXPECT_EQ(scene[29].first, "Key15");

        EXPECT_EQ(Select({"main", "Scene_1a", "Pic_ffffffff"}), (Rows{
                                                                    {"type", "4"},
                                                                    {"id", "0xffffffff"},
                                                                    {"offset", "0x00000077"},
                                                                    {"x", "-32768"},
                                                                    {"y", "0"},
                                                                    {"width", "65535"},
                                                                    {"height", "0"},
                                                                    {"visible", "1"},
                                                                    {"pic id", "2"},
                                                                }));
        EXPECT_EQ(Select({"main", "Scene_1a", "ResGroup_0", "PicRigion_ff"}), (Rows{
                                                                                  {"type", "1"},
                                                                                  {"id", "0x000000ff"},
                                                                                  {"offset", "0x00000000"},
                                                                                  {"x", "-1"},
                                                                                  {"y", "20"},
                                                                                  {"width", "65535"},
                                                                                  {"height", "40"},
                                                                                  {"visible", "0"},
                                                                                  {"frames num", "9"},
                                                                                  {"pic offset", "0x00001234"},
                                                                              }));
        // A frame shows its region's fields and its own element of the list.
        EXPECT_EQ(Select({"main", "Scene_1a", "ResGroup_0", "PicRigion_ff", "Frame01"}), (Rows{
                                                                                             {"id", "0x000000ff"},
                                                                                             {"x", "-1"},
                                                                                             {"y", "20"},
                                                                                             {"width", "65535"},
                                                                                             {"height", "40"},
                                                                                             {"pic id", "65535"},
                                                                                         }));
        EXPECT_EQ(Select({"main", "Scene_1a", "ResGroup_0", "PicRigion_ff", "Frame00"}).back().second, "5");

        const Rows group = Select({"main", "Scene_1a", "ResGroup_0", "ResGroup_10"});
        ASSERT_EQ(group.size(), 15u);
        EXPECT_EQ(group[1].second, "0x00000010");
        EXPECT_EQ(group[14].first, "child offset");
        const Rows text = Select({"main", "Scene_1a", "ResGroup_0", "String1a"});
        ASSERT_EQ(text.size(), 18u);
        EXPECT_EQ(text[13], (std::pair<std::string, std::string>{"string id", "4"}));
        EXPECT_EQ(Select({"main", "Scene_1a", "ResGroup_0", "ResGroup_10", "Pic_11"}).back().second, "3");
    });
}

TEST_F(ViewerBrowseTest, ASelectionRefreshesThePathFieldsAndNoItemKeepsTheRows)
{
    const std::string sty = WriteSty("main.sty", SampleDocument());
    Run([&] {
        OpenSty(sty);
        Select({"main", "Scene_1a"});
        headless::Type(m_dlg, IDC_STY_PATH, "typed but not taken");
        headless::Type(m_dlg, IDC_HEADER_PATH, "typed too");
        EXPECT_EQ(Select({"main", "Scene_1a", "Pic_ffffffff"}).size(), 9u);  // not 30
        EXPECT_EQ(EditText(IDC_STY_PATH), sty);
        EXPECT_EQ(EditText(IDC_HEADER_PATH), "");

        headless::Type(m_dlg, IDC_STY_PATH, "typed again");
        m_dlg.m_tree.SelectItem(nullptr);
        EXPECT_EQ(m_dlg.m_list.GetItemCount(), 9);
        EXPECT_EQ(EditText(IDC_STY_PATH), "typed again");
    });
}

TEST_F(ViewerBrowseTest, AHeaderNamesTheNodesOfItsIds)
{
    const std::string sty = WriteSty("main.sty", SampleDocument());
    const std::string header = WriteText("ids.h",
                                         "#define MAIN_SCENE 0x1a\n"
                                         "#define LATER_NAME 0x1a\n"
                                         "#define ROOT_GROUP 0\n"
                                         "#define LAST_PIC 0xFFFFFFFF\n"
                                         "#define FRAME_LIKE 1\n");
    Run([&] {
        OpenSty(sty);
        headless::Type(m_dlg, IDC_HEADER_PATH, "typed.h");
        OpenHeader(header);

        const auto& asked = headless::FileDialogs();
        ASSERT_EQ(asked.size(), 2u);
        ExpectOpenDialog(asked[1], "请选择头文件文件路径", "C/C++ Header File(*.h)|*.h|All File(*.*)|*.*||", "typed.h");
        EXPECT_EQ(EditText(IDC_HEADER_PATH), header);

        // The first name of an id wins, for scenes and resources alike;
        // frames and the file node never take a name.
        EXPECT_EQ(Outline(),
                  "main 0/1\n"
                  "  MAIN_SCENE 2/3\n"
                  "    ROOT_GROUP 4/5\n"
                  "      PicRigion_ff 6/7\n"
                  "        Frame00 12/13\n"
                  "        Frame01 12/13\n"
                  "      ResGroup_10 4/5\n"
                  "        Pic_11 8/9\n"
                  "      MAIN_SCENE 10/11\n"
                  "    LAST_PIC 8/9\n"
                  "    PicRigion_300 6/7\n"
                  "  Scene_2 2/3\n");
    });
}

TEST_F(ViewerBrowseTest, CancelledDialogsChangeNothingButTheStyDialogLoadsTheHeaderFirst)
{
    const std::string sty = WriteSty("main.sty", SampleDocument());
    const std::string header = WriteText("ids.h", "#define MAIN_SCENE 0x1a\n");
    Run([&] {
        OpenSty(sty);
        const Rows rows = Select({"main", "Scene_2"});

        headless::Type(m_dlg, IDC_HEADER_PATH, header);
        OpenSty("");
        EXPECT_EQ(Outline(), kSampleOutline);  // names show only after a rebuild
        EXPECT_EQ(ListRows(), rows);
        EXPECT_EQ(EditText(IDC_STY_PATH), sty);
        ASSERT_NE(m_dlg.m_pMacroList, nullptr);
        EXPECT_EQ(m_dlg.m_pMacroList->name, "MAIN_SCENE");

        // The header dialog loads nothing before it shows.
        WriteText("ids.h", "#define NEW_NAME 0x1a\n");
        OpenHeader("");
        EXPECT_EQ(m_dlg.m_pMacroList->name, "MAIN_SCENE");
        EXPECT_EQ(EditText(IDC_HEADER_PATH), header);

        headless::Click(m_dlg, IDC_UPDATE);
        EXPECT_EQ(m_dlg.m_tree.GetItemText(m_dlg.m_tree.GetChildItem(m_dlg.m_tree.GetRootItem())), "NEW_NAME");
    });
}

// After a failed open no node may name the document that went before it:
// the tree is empty, the list keeps its rows (they are text), and nothing
// the tree still offers, nor "Update", reads freed memory.
TEST_F(ViewerBrowseTest, AFailedOpenShowsTheMessageAndLeavesNothingStale)
{
    const std::string sty = WriteSty("main.sty", SampleDocument());
    const std::string broken = WriteText("broken.sty", "not a style file at all");
    Run([&] {
        OpenSty(sty);
        const Rows rows = Select({"main", "Scene_1a", "ResGroup_0", "PicRigion_ff", "Frame01"});

        OpenSty(broken);
        ASSERT_EQ(headless::MessageBoxes().size(), 1u);
        EXPECT_EQ(headless::MessageBoxes()[0].text, "invalid style file format!");
        EXPECT_EQ(headless::MessageBoxes()[0].type, 0u);
        EXPECT_EQ(m_dlg.m_pStyleFile, nullptr);
        EXPECT_EQ(m_dlg.m_tree.GetCount(), 0u);
        EXPECT_EQ(ListRows(), rows);
        EXPECT_EQ(EditText(IDC_STY_PATH), broken);
        EXPECT_EQ(m_dlg.m_strFileTitle, "broken");

        // With no document, neither "Update" nor a header fills the tree.
        m_dlg.m_tree.SelectItem(m_dlg.m_tree.GetRootItem());
        headless::Click(m_dlg, IDC_UPDATE);
        headless::Type(m_dlg, IDC_STY_PATH, sty);
        headless::Click(m_dlg, IDC_UPDATE);
        OpenHeader(WriteText("ids.h", "#define UNUSED_NAME 0x77\n"));
        EXPECT_NE(m_dlg.m_pMacroList, nullptr);
        EXPECT_EQ(m_dlg.m_tree.GetCount(), 0u);
        EXPECT_EQ(ListRows(), rows);

        // A good file after the bad one opens as usual.
        OpenSty(sty);
        EXPECT_EQ(Outline(), kSampleOutline);
    });
}

TEST_F(ViewerBrowseTest, ANewChoiceReplacesTheDocumentAndTheSameFileIsReadAgain)
{
    StyWriter other;
    other.Pic(other.Scene(0x42), 0x43);
    const std::string first = WriteSty("main.sty", SampleDocument());
    const std::string second = WriteSty("a.b.sty", other);
    Run([&] {
        OpenSty(first);
        Select({"main", "Scene_1a", "ResGroup_0"});
        OpenSty(second);
        EXPECT_EQ(Outline(),
                  "a.b 0/1\n"
                  "  Scene_42 2/3\n"
                  "    Pic_43 8/9\n");
        EXPECT_EQ(m_dlg.m_list.GetItemCount(), 15);  // the rows stay until the next selection

        WriteSty("a.b.sty", SampleDocument());
        OpenSty(second);
        EXPECT_EQ(Outline(), std::string(kSampleOutline).replace(0, 4, "a.b"));
    });
}

TEST_F(ViewerBrowseTest, UpdateAndAHeaderRebuildFromTheDocumentHeldOnlyWithAStyPath)
{
    StyWriter other;
    other.Scene(0x99);
    const std::string sty = WriteSty("main.sty", SampleDocument());
    const std::string typed = WriteSty("other.sty", other);
    const std::string header = WriteText("ids.h", "#define SECOND_SCENE 2\n");
    Run([&] {
        OpenSty(sty);
        const Rows rows = Select({"main", "Scene_1a"});

        headless::Type(m_dlg, IDC_STY_PATH, typed);
        headless::Type(m_dlg, IDC_HEADER_PATH, header);
        headless::Click(m_dlg, IDC_UPDATE);
        EXPECT_EQ(Outline(), std::string(kSampleOutline).replace(std::string(kSampleOutline).find("Scene_2"), 7,
                                                                 "SECOND_SCENE"));
        EXPECT_EQ(ListRows(), rows);
        EXPECT_EQ(EditText(IDC_STY_PATH), typed);
        EXPECT_EQ(m_dlg.m_strFileTitle, "main");

        // Rebuilding twice leaves one tree.
        headless::Click(m_dlg, IDC_UPDATE);
        EXPECT_EQ(m_dlg.m_tree.GetCount(), 12u);

        // An empty header path keeps the names; an empty sty path keeps the
        // tree exactly as it is, selection included.
        headless::Type(m_dlg, IDC_HEADER_PATH, "");
        headless::Click(m_dlg, IDC_UPDATE);
        EXPECT_NE(Find({"main", "SECOND_SCENE"}), nullptr);
        HTREEITEM selected = Find({"main", "SECOND_SCENE"});
        m_dlg.m_tree.SelectItem(selected);
        headless::Type(m_dlg, IDC_STY_PATH, "");
        headless::Click(m_dlg, IDC_UPDATE);
        EXPECT_EQ(m_dlg.m_tree.GetSelectedItem(), selected);
        EXPECT_EQ(m_dlg.m_tree.GetCount(), 12u);

        // So does a header chosen now, though its names are loaded.
        OpenHeader(WriteText("renamed.h", "#define RENAMED 2\n"));
        ASSERT_NE(m_dlg.m_pMacroList, nullptr);
        EXPECT_EQ(m_dlg.m_pMacroList->name, "RENAMED");
        EXPECT_EQ(m_dlg.m_tree.GetSelectedItem(), selected);
        EXPECT_EQ(Find({"main", "SECOND_SCENE"}), selected);
    });
}

// Scene 0xa, 200 x 100 on dark blue: a group at (10, 10) holding a picture
// at (20, 10), a hidden string and a region with two frames; scene 0xb,
// 50 x 50, with one picture.
StyWriter PictureDocument()
{
    StyWriter w;
    const size_t a = w.Scene(0xA);
    SceneInfo& info = w.Node(a).scene;
    info.width = 200;
    info.height = 100;
    info.opaque = 1;
    info.background_color = 0xFF102030;
    const size_t group = w.Group(a, 0x10);
    ResGroupInfo& g = w.Node(group).group;
    g.x = g.y = 10;
    g.width = 100;
    g.height = 50;
    g.visible = 1;
    PicInfo& pic = w.Node(w.Pic(group, 0x11)).pic;
    pic.x = 20;
    pic.y = 10;
    pic.width = 30;
    pic.height = 20;
    pic.visible = 1;
    StringInfo& text = w.Node(w.String(a, 0x12)).string;
    text.x = 120;
    text.y = 60;
    text.width = 40;
    text.height = 20;
    text.foreground_color = 0xFFFFC000;
    PicRegionInfo& region = w.Node(w.Region(a, 0x13, {7, 8})).region;
    region.x = 150;
    region.y = 10;
    region.width = region.height = 20;
    region.visible = 1;
    const size_t b = w.Scene(0xB);
    w.Node(b).scene.width = w.Node(b).scene.height = 50;
    PicInfo& other = w.Node(w.Pic(b, 0x20)).pic;
    other.x = other.y = 5;
    other.width = other.height = 10;
    other.visible = 1;
    return w;
}

class ScenePictureTest : public ViewerBrowseTest {
protected:
    HWND Picture() const { return m_dlg.m_wndScenePicture.m_hWnd; }
    // Ctrl+P, wherever the focus is in the dialog.
    void OpenPicture()
    {
        SetFocus(m_dlg.m_tree.m_hWnd);
        headless::PressKey('P', headless::kCtrl);
    }
    void ClickPicture(int x, int y) { headless::Send(Picture(), WM_LBUTTONDOWN, 0, MAKELONG(x, y)); }
    std::string Selected() const
    {
        const HTREEITEM item = m_dlg.m_tree.GetSelectedItem();
        return item ? m_dlg.m_tree.GetItemText(item).GetString() : std::string();
    }
    std::vector<headless::Drawn> Paint() const
    {
        headless::Send(Picture(), WM_PAINT);
        const std::vector<headless::Paint> paints = headless::Paints(Picture());
        return paints.empty() ? std::vector<headless::Drawn>() : paints.back().drawn;
    }
    // The frames drawn at rect, as "style/width/colour".
    static std::vector<std::string> FramesAt(const std::vector<headless::Drawn>& drawn, RECT rect)
    {
        std::vector<std::string> out;
        for (const headless::Drawn& d : drawn)
            if (d.kind == headless::Drawn::Frame && d.rect.left == rect.left && d.rect.top == rect.top &&
                d.rect.right == rect.right && d.rect.bottom == rect.bottom) {
                char text[32];
                std::snprintf(text, sizeof text, "%d/%d/%06x", d.penStyle, d.penWidth, static_cast<unsigned>(d.color));
                out.push_back(text);
            }
        return out;
    }
};

TEST_F(ScenePictureTest, ThePictureAndTheTreeFollowEachOther)
{
    const std::string sty = WriteSty("picture.sty", PictureDocument());
    Run([&] {
        OpenSty(sty);
        Select({"picture", "Scene_a", "ResGroup_10", "Pic_11"});
        OpenPicture();
        ASSERT_NE(Picture(), nullptr);
        EXPECT_EQ(headless::OwnedWindows(m_dlg.m_hWnd), std::vector<HWND>{Picture()});
        EXPECT_EQ(headless::Text(Picture()), "Scene_a \xE2\x80\x94 200 \xC3\x97 100");
        // Beside the dialog, the scene's size.
        RECT dialog, picture;
        GetWindowRect(m_dlg.m_hWnd, &dialog);
        GetWindowRect(Picture(), &picture);
        EXPECT_EQ(picture.left, dialog.right);
        EXPECT_EQ(picture.top, dialog.top);
        EXPECT_EQ(picture.right - picture.left, 200);
        EXPECT_EQ(picture.bottom - picture.top, 100);

        // A click selects the topmost resource under it, and its rows show.
        ClickPicture(160, 20);
        EXPECT_EQ(Selected(), "PicRigion_13");
        EXPECT_EQ(ListRows().size(), 10u);
        ClickPicture(40, 30);  // the picture, inside its group
        EXPECT_EQ(Selected(), "Pic_11");
        ClickPicture(15, 15);
        EXPECT_EQ(Selected(), "ResGroup_10");
        ClickPicture(190, 90);
        EXPECT_EQ(Selected(), "Scene_a");
        EXPECT_EQ(ListRows().size(), 30u);

        // A node of the other scene draws that scene.
        Select({"picture", "Scene_b", "Pic_20"});
        EXPECT_EQ(headless::Text(Picture()), "Scene_b \xE2\x80\x94 50 \xC3\x97 50");
        ClickPicture(8, 8);
        EXPECT_EQ(Selected(), "Pic_20");

        // Closed, it leaves the tree and the rows as they are.
        const Rows rows = ListRows();
        headless::Send(Picture(), WM_CLOSE);
        EXPECT_EQ(Picture(), nullptr);
        EXPECT_EQ(Selected(), "Pic_20");
        EXPECT_EQ(ListRows(), rows);
    });
}

TEST_F(ScenePictureTest, ItDrawsTheSceneAndForgetsEachDocumentBeforeItGoes)
{
    const std::string sty = WriteSty("picture.sty", PictureDocument());
    const std::string broken = WriteText("broken.sty", "not a style file");
    Run([&] {
        OpenSty(sty);
        OpenPicture();  // nothing selected: the first scene
        EXPECT_EQ(headless::Text(Picture()), "Scene_a \xE2\x80\x94 200 \xC3\x97 100");
        Select({"picture", "Scene_a", "PicRigion_13", "Frame01"});
        const std::vector<headless::Drawn> drawn = Paint();
        ASSERT_FALSE(drawn.empty());
        // The scene's colour over its area, the group and the picture inside
        // it where their x, y put them, the hidden string dashed, and the
        // frame's region highlighted.
        const auto filled = [&](RECT rect, COLORREF color) {
            for (const headless::Drawn& d : drawn)
                if (d.kind == headless::Drawn::Fill && d.color == color && d.rect.left == rect.left &&
                    d.rect.top == rect.top && d.rect.right == rect.right && d.rect.bottom == rect.bottom)
                    return true;
            return false;
        };
        EXPECT_TRUE(filled({0, 0, 200, 100}, RGB(0x10, 0x20, 0x30)));
        EXPECT_EQ(FramesAt(drawn, {10, 10, 110, 60}), std::vector<std::string>{"0/1/b46f1f"});
        EXPECT_EQ(FramesAt(drawn, {30, 20, 60, 40}), std::vector<std::string>{"0/1/2ca02c"});
        EXPECT_EQ(FramesAt(drawn, {120, 60, 160, 80}).size(), 1u);
        EXPECT_EQ(FramesAt(drawn, {120, 60, 160, 80})[0].rfind("1/1/", 0), 0u);  // dashed
        EXPECT_EQ(FramesAt(drawn, {147, 7, 173, 33}), std::vector<std::string>{"0/3/c800ff"});
        bool labelled = false;
        for (const headless::Drawn& d : drawn)
            labelled = labelled || (d.kind == headless::Drawn::Text && d.text == "Pic_11" && d.at.x == 33);
        EXPECT_TRUE(labelled);

        // Another document: its first scene; one that does not parse: none.
        OpenSty(WriteSty("other.sty", [] {
            StyWriter w;
            w.Node(w.Scene(0xC)).scene.width = 64;
            return w;
        }()));
        EXPECT_EQ(headless::Text(Picture()), "Scene_c \xE2\x80\x94 64 \xC3\x97 0");
        OpenSty(broken);
        EXPECT_EQ(headless::Text(Picture()), "Scene picture");
        const std::vector<headless::Drawn> empty = Paint();
        ASSERT_EQ(empty.size(), 1u);
        EXPECT_EQ(empty[0].kind, headless::Drawn::Fill);
        ClickPicture(10, 10);
        EXPECT_EQ(m_dlg.m_tree.GetCount(), 0u);
    });
}

// Find through the platform's Find dialog, its keys, and F3 and Shift+F3
// after it, as a person types them.
TEST_F(ViewerBrowseTest, FindNextSelectsEachMatchWithItsRowsAndGoesRound)
{
    const std::string sty = WriteSty("main.sty", SampleDocument());
    const INT_PTR result = Run([&] {
        OpenSty(sty);
        SetFocus(m_dlg.m_tree.m_hWnd);
        headless::PressKey('F', headless::kCtrl);
        HWND find = headless::OpenFindDialog();
        ASSERT_NE(find, nullptr);
        EXPECT_EQ(GetWindow(find, GW_OWNER), m_dlg.m_hWnd);
        EXPECT_TRUE(headless::IsChecked(find, headless::kFindDown));
        EXPECT_FALSE(headless::IsChecked(find, headless::kMatchCase));

        // From the top: the first region, its parents opened, its rows shown.
        const HTREEITEM first = Find({"main", "Scene_1a", "ResGroup_0", "PicRigion_ff"});
        const HTREEITEM second = Find({"main", "Scene_1a", "PicRigion_300"});
        headless::Type(find, headless::kFindWhat, "picrigion");
        headless::Click(find, IDOK);
        EXPECT_EQ(Selected(), first);
        EXPECT_TRUE(headless::IsTreeItemExpanded(m_dlg.m_tree.m_hWnd, Find({"main", "Scene_1a", "ResGroup_0"})));
        ASSERT_EQ(ListRows().size(), 10u);
        EXPECT_EQ(ListRows()[1], (std::pair<std::string, std::string>{"id", "0x000000ff"}));
        // Enter in the dialog is its Find Next; past the last match it goes round.
        headless::PressKey(VK_RETURN);
        EXPECT_EQ(Selected(), second);
        headless::PressKey(VK_RETURN);
        EXPECT_EQ(Selected(), first);
        headless::Click(find, headless::kFindUp);
        headless::Click(find, IDOK);
        EXPECT_EQ(Selected(), second);

        // No match: the platform's message box says so over the dialog, and
        // nothing else changes.
        const Rows rows = ListRows();
        headless::Click(find, headless::kMatchCase);
        headless::Type(find, headless::kFindWhat, "PICRIGION");
        headless::Click(find, IDOK);
        ASSERT_EQ(headless::MessageBoxes().size(), 1u);
        EXPECT_EQ(headless::MessageBoxes()[0].text, "Cannot find \"PICRIGION\"");
        EXPECT_EQ(headless::MessageBoxes()[0].owner, find);
        EXPECT_EQ(Selected(), second);
        EXPECT_EQ(ListRows(), rows);

        // Up, with the case as typed; Esc closes the dialog alone.
        headless::Type(find, headless::kFindWhat, "Pic_");
        headless::Click(find, IDOK);
        const HTREEITEM lastPic = Find({"main", "Scene_1a", "Pic_ffffffff"});
        EXPECT_EQ(Selected(), lastPic);
        headless::PressKey(VK_ESCAPE);
        EXPECT_EQ(headless::OpenFindDialog(), nullptr);

        // F3 goes on down with the last text, Shift+F3 back up.
        SetFocus(m_dlg.m_tree.m_hWnd);
        headless::PressKey(VK_F3);
        EXPECT_EQ(Selected(), Find({"main", "Scene_1a", "ResGroup_0", "ResGroup_10", "Pic_11"}));
        headless::PressKey(VK_F3, headless::kShift);
        EXPECT_EQ(Selected(), lastPic);

        // Open again, it shows what it looked for; an id finds its scene.
        headless::PressKey('F', headless::kCtrl);
        find = headless::OpenFindDialog();
        ASSERT_NE(find, nullptr);
        EXPECT_EQ(headless::Text(headless::Child(find, headless::kFindWhat)), "Pic_");
        EXPECT_TRUE(headless::IsChecked(find, headless::kMatchCase));
        headless::Type(find, headless::kFindWhat, "26");
        headless::Click(find, IDOK);
        EXPECT_EQ(Selected(), Find({"main", "Scene_1a"}));
        EXPECT_EQ(ListRows().size(), 30u);

        // Enter in the tree still ends the program.
        SetFocus(m_dlg.m_tree.m_hWnd);
        headless::PressKey(VK_RETURN);
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(ViewerBrowseTest, CtrlCCopiesWhatTheFocusedControlShowsAsUnicodeText)
{
    const std::string sty = WriteSty("演示 文件.sty", SampleDocument());
    Run([&] {
        OpenSty(sty);
        m_dlg.m_tree.SelectItem(m_dlg.m_tree.GetRootItem());
        SetFocus(m_dlg.m_tree.m_hWnd);
        headless::PressKey('C', headless::kCtrl);
        EXPECT_EQ(headless::ClipboardText(), "演示 文件");

        Select({"演示 文件", "Scene_1a", "ResGroup_0", "PicRigion_ff"});
        SetFocus(m_dlg.m_list.m_hWnd);
        headless::PressKey('C', headless::kCtrl);
        EXPECT_EQ(headless::ClipboardText(),
                  "type\t1\nid\t0x000000ff\noffset\t0x00000000\nx\t-1\ny\t20\n"
                  "width\t65535\nheight\t40\nvisible\t0\nframes num\t9\n"
                  "pic offset\t0x00001234\n");
        headless::SelectListRow(m_dlg.m_list.m_hWnd, 1);
        headless::PressKey('C', headless::kCtrl);
        EXPECT_EQ(headless::ClipboardText(), "id\t0x000000ff");
    });
}

TEST_F(ViewerBrowseTest, ContextMenusSelectTheNodeUnderThePointerAndRunTheirCommands)
{
    const std::string sty = WriteSty("main.sty", SampleDocument());
    Run([&] {
        OpenSty(sty);
        HWND tree = m_dlg.m_tree.m_hWnd;
        const HTREEITEM scene = Find({"main", "Scene_1a"});
        m_dlg.m_tree.Expand(m_dlg.m_tree.GetRootItem(), TVE_EXPAND);

        // The second row shows Scene_1a.
        headless::PushMenuChoice(ID_TREE_EXPAND_ALL);
        headless::RightClick(tree, 4, headless::kRowHeight + 4);
        ASSERT_EQ(headless::PopupMenus().size(), 1u);
        std::vector<std::string> texts;
        for (const headless::MenuItem& item : headless::PopupMenus()[0].items) {
            texts.push_back(item.text);
            EXPECT_FALSE(item.nFlags & MF_GRAYED) << item.text;
        }
        EXPECT_EQ(texts,
                  (std::vector<std::string>{"Copy", "Copy subtree", "", "Expand all", "Collapse all", "", "Find...",
                                            "Scene picture"}));
        EXPECT_EQ(Selected(), scene);
        EXPECT_EQ(ListRows().size(), 30u);
        for (const std::vector<std::string>& branch : {std::vector<std::string>{"main", "Scene_1a", "ResGroup_0"},
                                                       {"main", "Scene_1a", "ResGroup_0", "PicRigion_ff"},
                                                       {"main", "Scene_1a", "ResGroup_0", "ResGroup_10"}})
            EXPECT_TRUE(headless::IsTreeItemExpanded(tree, Find(branch))) << branch.back();

        // Shift+F10 and the menu key open it under the selected node.
        SetFocus(tree);
        headless::PushMenuChoice(ID_TREE_COPY);
        headless::PressKey(VK_F10, headless::kShift);
        EXPECT_EQ(headless::ClipboardText(), "Scene_1a");
        POINT below{0, 2 * headless::kRowHeight};
        ClientToScreen(tree, &below);
        EXPECT_EQ(headless::PopupMenus().back().y, below.y);
        headless::PushMenuChoice(ID_TREE_COLLAPSE_ALL);
        headless::PressKey(VK_APPS);
        EXPECT_FALSE(headless::IsTreeItemExpanded(tree, scene));
        EXPECT_FALSE(headless::IsTreeItemExpanded(tree, Find({"main", "Scene_1a", "ResGroup_0"})));
        EXPECT_EQ(headless::PopupMenus().size(), 3u);

        // The list's menu: without a selected row only "Copy all rows" works.
        SetFocus(m_dlg.m_list.m_hWnd);
        headless::PushMenuChoice(ID_LIST_COPY_VALUE);
        headless::PressKey(VK_APPS);
        const auto& items = headless::PopupMenus().back().items;
        ASSERT_EQ(items.size(), 3u);
        EXPECT_EQ(items[0].text, "Copy row");
        EXPECT_TRUE(items[0].nFlags & MF_GRAYED);
        EXPECT_TRUE(items[1].nFlags & MF_GRAYED);
        EXPECT_FALSE(items[2].nFlags & MF_GRAYED);
        EXPECT_EQ(headless::ClipboardText(), "Scene_1a");
        headless::SelectListRow(m_dlg.m_list.m_hWnd, 0);
        headless::PushMenuChoice(ID_LIST_COPY_VALUE);
        headless::RightClick(m_dlg.m_list.m_hWnd, 4, headless::kRowHeight + 4);
        EXPECT_EQ(headless::ClipboardText(), "0x0000001a");

        headless::PushMenuChoice(ID_EDIT_FIND);
        headless::RightClick(tree, 4, headless::kRowHeight + 4);
        EXPECT_NE(headless::OpenFindDialog(), nullptr);
    });
}

}  // namespace
