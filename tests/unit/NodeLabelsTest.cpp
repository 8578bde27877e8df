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
    EXPECT_EQ(FrameLabel(100).GetString(), "Frame100");
}

TEST(NodeLabels, TheFirstNameOfAnIdInTheListWins)
{
    NameIdNode empty{nullptr, "", 7};
    NameIdNode top{&empty, "TOP", 0x80000000u};
    NameIdNode zero{&top, "ZERO", 0};
    NameIdNode later{&zero, "SECOND", 0x1A};
    NameIdNode first{&later, "FIRST", 0x1A};

    // One table serves scenes and resources alike.
    EXPECT_EQ(Label(NodeKind::Scene, 0x1A, &first), "FIRST");
    EXPECT_EQ(Label(NodeKind::Pic, 0x1A, &first), "FIRST");
    EXPECT_EQ(Label(NodeKind::ResGroup, 0, &first), "ZERO");
    EXPECT_EQ(Label(NodeKind::String, 0x80000000u, &first), "TOP");
    EXPECT_EQ(Label(NodeKind::PicRegion, 7, &first), "");
    EXPECT_EQ(Label(NodeKind::Pic, 0x1B, &first), "Pic_1b");
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
