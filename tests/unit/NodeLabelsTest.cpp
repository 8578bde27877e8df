#include <gtest/gtest.h>

#include <string>

#include "browse/NodeLabels.h"
#include "framework/core/Path.h"

namespace {

std::string Label(NodeKind kind, uint32_t id, const NameIdNode* head = nullptr)
{
    return NodeLabel(kind, id, MacroNameIndex(head)).GetString();
}

TEST(NodeLabels, GeneratedFromTheIdInLowerCaseHex)
{
    EXPECT_EQ(Label(NodeKind::Scene, 0x1A), "Scene_1a");
    EXPECT_EQ(Label(NodeKind::String, 0x1A), "String1a");
    EXPECT_EQ(Label(NodeKind::ResGroup, 0), "ResGroup_0");
    EXPECT_EQ(Label(NodeKind::Pic, 0xFFFFFFFF), "Pic_ffffffff");
    EXPECT_EQ(Label(NodeKind::PicRegion, 0xABC), "PicRigion_abc");
    EXPECT_EQ(FrameLabel(0).GetString(), "Frame00");
    EXPECT_EQ(FrameLabel(7).GetString(), "Frame07");
    EXPECT_EQ(FrameLabel(9).GetString(), "Frame09");  // where the digit count changes
    EXPECT_EQ(FrameLabel(10).GetString(), "Frame10");
    EXPECT_EQ(FrameLabel(99).GetString(), "Frame99");
    EXPECT_EQ(FrameLabel(100).GetString(), "Frame100");
}

// The first node with the id wins, in every kind's label; a name is used
// even when empty. A miss leaves the label generated.
TEST(NodeLabels, TheFirstNameOfAnIdInTheListWins)
{
    NameIdNode empty{nullptr, "", 7};
    NameIdNode top{&empty, "TOP", 0x80000000u};
    NameIdNode zero{&top, "ZERO", 0};
    NameIdNode later{&zero, "SECOND", 0x1A};
    NameIdNode first{&later, "FIRST", 0x1A};

    const struct {
        const NameIdNode* head;
        NodeKind kind;
        uint32_t id;
        const char* label;
    } cases[] = {
        {nullptr, NodeKind::Scene, 0x1A, "Scene_1a"},
        {&first, NodeKind::Scene, 0x1A, "FIRST"},  // one table for scenes and resources
        {&first, NodeKind::Pic, 0x1A, "FIRST"},
        {&later, NodeKind::String, 0x1A, "SECOND"},
        {&first, NodeKind::ResGroup, 0, "ZERO"},
        {&first, NodeKind::String, 0x80000000u, "TOP"},
        {&first, NodeKind::PicRegion, 7, ""},
        {&first, NodeKind::Pic, 0x1B, "Pic_1b"},
        {&first, NodeKind::ResGroup, 0xFFFFFFFFu, "ResGroup_ffffffff"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Label(c.kind, c.id, c.head), c.label) << c.label;
}

std::string Title(std::string name)
{
    CString title = name.c_str();
    CutToFileTitle(title);
    return title.GetString();
}

TEST(FileTitle, TheLastNameWithoutOnlyItsLastExtension)
{
    EXPECT_EQ(Title("main.sty"), "main");
    EXPECT_EQ(Title("a.b.sty"), "a.b");
    EXPECT_EQ(Title("noext"), "noext");
    EXPECT_EQ(Title(".sty"), "");
    EXPECT_EQ(Title("演示 文件.sty"), "演示 文件");
    // As the platform's shell has it: an "extension" holding a space is none.
    EXPECT_EQ(Title("v1.2 final"), "v1.2 final");
    EXPECT_EQ(Title(""), "");
    EXPECT_EQ(Title("ui/main.v2.sty"), "main.v2");
    EXPECT_EQ(Title("C:\\演示 文件夹\\演示 文件.sty"), "演示 文件");
    EXPECT_EQ(Title("a.dir/noext"), "noext");
    EXPECT_EQ(Title("dir/"), "");
}

}  // namespace
