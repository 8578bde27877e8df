// The JSON dump, read back by a JSON parser, against what the viewer shows:
// the dialog opens the same file on the headless backend, every node of its
// tree is selected in turn and its label, place, picture and rows compared
// with the dump's node at the same position.
#include <gtest/gtest.h>

#include <rapidjson/document.h>

#include <sstream>
#include <string>
#include <vector>

#include "framework/headless/Headless.h"
#include "tests/dump/DumpRunner.h"
#include "ui/ViewerDlg.h"

namespace {

// The file of edge values: every kind of node, fields at their limits.
const std::string kEdges = LORVEX_SOURCE_DIR "/tests/fixtures/edges.sty";
const std::string kEdgesHeader = LORVEX_SOURCE_DIR "/tests/fixtures/edges.h";

const UINT kIconIds[] = {IDR_MAINFRAME, IDI_FILE,          IDI_FILE_SEL, IDI_SCENE,  IDI_SCENE_SEL,
                         IDI_RESGROUP,  IDI_RESGROUP_SEL,  IDI_PICREGION, IDI_PICREGION_SEL, IDI_PIC,
                         IDI_PIC_SEL,   IDI_STRING,        IDI_STRING_SEL, IDI_FRAME,  IDI_FRAME_SEL};

// The kind word of docs/lorvex-dump.md for each picture of the tree:
// picture 2k shows kind k.
const char* const kKindOfImage[] = {"file", "scene", "group", "region", "pic", "string", "frame"};

class DumpViewerTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        headless::Reset();
        for (UINT id : kIconIds)
            headless::AddIcon(id);
    }
    void TearDown() override { headless::Reset(); }
};

TEST_P(DumpViewerTest, EveryNodeOfTheJsonDumpIsWhatTheViewerShows)
{
    const bool withHeader = GetParam();
    std::vector<std::string> args{"--rows", "--format", "json", kEdges};
    if (withHeader)
        args.insert(args.begin(), {"--header", kEdgesHeader});
    const DumpRun run = RunDumpWith(args);
    ASSERT_EQ(run.code, 0) << run.err;
    rapidjson::Document json;
    json.Parse(run.out.c_str(), run.out.size());
    ASSERT_FALSE(json.HasParseError()) << json.GetParseError() << " at " << json.GetErrorOffset();
    const auto& nodes = json["nodes"].GetArray();

    CViewerDlg dlg;
    headless::PushModal([&](CDialog&) {
        if (withHeader)
            headless::Type(dlg, IDC_HEADER_PATH, kEdgesHeader);
        headless::PushFileDialog(IDOK, kEdges);
        headless::Click(dlg, IDC_BROWSE_STY);
        const std::vector<HTREEITEM> items = headless::TreeItems(dlg.m_tree.m_hWnd);
        ASSERT_EQ(items.size(), nodes.Size());
        for (size_t i = 0; i < items.size(); ++i) {
            const HTREEITEM item = items[i];
            const auto& node = nodes[static_cast<rapidjson::SizeType>(i)];
            const std::string label = dlg.m_tree.GetItemText(item).GetString();
            SCOPED_TRACE("node " + std::to_string(i) + " " + label);
            EXPECT_EQ(node["label"].GetString(), label);
            int image = -1;
            int selected = -1;
            ASSERT_TRUE(dlg.m_tree.GetItemImage(item, image, selected));
            ASSERT_EQ(image % 2, 0);
            ASSERT_LT(image / 2, 7);
            EXPECT_STREQ(node["kind"].GetString(), kKindOfImage[image / 2]);

            const HTREEITEM parent = dlg.m_tree.GetParentItem(item);
            unsigned depth = 0;
            for (HTREEITEM up = parent; up; up = dlg.m_tree.GetParentItem(up))
                ++depth;
            EXPECT_EQ(node["depth"].GetUint(), depth);
            if (parent) {
                ASSERT_TRUE(node["parent"].IsUint64());
                EXPECT_EQ(items.at(node["parent"].GetUint64()), parent);
            } else {
                EXPECT_TRUE(node["parent"].IsNull());
            }

            dlg.m_tree.SelectItem(item);
            const auto& dumped = node["rows"].GetObject();
            ASSERT_EQ(dumped.MemberCount(), static_cast<rapidjson::SizeType>(dlg.m_list.GetItemCount()));
            int r = 0;
            for (const auto& member : dumped) {
                EXPECT_EQ(dlg.m_list.GetItemText(r, 0), member.name.GetString()) << "row " << r;
                EXPECT_EQ(dlg.m_list.GetItemText(r, 1), member.value.GetString()) << "row " << r;
                ++r;
            }
        }
    });
    dlg.DoModal();
}

// Ctrl+C on a node copies its label, Ctrl+Shift+C the lines the text dump
// with rows prints for the node and everything below it.
TEST_P(DumpViewerTest, EveryNodeCopiesAsTheTextDumpShowsIt)
{
    const bool withHeader = GetParam();
    std::vector<std::string> args{"--rows", kEdges};
    if (withHeader)
        args.insert(args.begin(), {"--header", kEdgesHeader});
    const DumpRun run = RunDumpWith(args);
    ASSERT_EQ(run.code, 0) << run.err;
    // The dump's lines, and where each node's line is: it starts with '['
    // after two spaces a level.
    std::vector<std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line + "\n");
    std::vector<size_t> nodeLines;
    const auto depthOf = [&](size_t line) { return lines[line].find_first_not_of(' ') / 2; };
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i][lines[i].find_first_not_of(' ')] == '[')
            nodeLines.push_back(i);

    CViewerDlg dlg;
    headless::PushModal([&](CDialog&) {
        if (withHeader)
            headless::Type(dlg, IDC_HEADER_PATH, kEdgesHeader);
        headless::PushFileDialog(IDOK, kEdges);
        headless::Click(dlg, IDC_BROWSE_STY);
        const std::vector<HTREEITEM> items = headless::TreeItems(dlg.m_tree.m_hWnd);
        ASSERT_EQ(items.size(), nodeLines.size());
        SetFocus(dlg.m_tree.m_hWnd);
        for (size_t i = 0; i < items.size(); ++i) {
            const size_t first = nodeLines[i];
            size_t end = first + 1;
            while (end < lines.size() && !(lines[end][depthOf(end) * 2] == '[' && depthOf(end) <= depthOf(first)))
                ++end;
            std::string subtree;
            for (size_t line = first; line < end; ++line)
                subtree += lines[line];
            SCOPED_TRACE(lines[first]);

            dlg.m_tree.SelectItem(items[i]);
            headless::PressKey('C', headless::kCtrl | headless::kShift);
            EXPECT_EQ(headless::ClipboardText(), subtree);
            headless::PressKey('C', headless::kCtrl);
            const std::string& line = lines[first];
            EXPECT_EQ(headless::ClipboardText(), line.substr(line.find("] ") + 2, line.size() - line.find("] ") - 3));
        }
    });
    dlg.DoModal();
}

INSTANTIATE_TEST_SUITE_P(HeaderOrNot, DumpViewerTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WithHeader" : "GeneratedLabels"; });

}  // namespace
