// What the viewer copies against what lorvex-dump prints: the dialog opens
// the file of edge values on the headless backend, and every node's label
// and subtree, copied with the keys, are the text dump's lines for it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/dump/DumpRunner.h"
#include "tests/unit/HeadlessDialogs.h"
#include "tests/unit/ViewerIcons.h"
#include "ui/ViewerDlg.h"

namespace {

const std::string kEdges = LORVEX_SOURCE_DIR "/tests/fixtures/edges.sty";
const std::string kEdgesHeader = LORVEX_SOURCE_DIR "/tests/fixtures/edges.h";

class ViewerCopyTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        headless::Reset();
        AddViewerIcons();
    }
    void TearDown() override { headless::Reset(); }
};

// Ctrl+C on a node copies its label, Ctrl+Shift+C the lines the text dump
// with rows prints for the node and everything below it.
TEST_P(ViewerCopyTest, EveryNodeCopiesAsTheTextDumpShowsIt)
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

INSTANTIATE_TEST_SUITE_P(HeaderOrNot, ViewerCopyTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WithHeader" : "GeneratedLabels"; });

}  // namespace
