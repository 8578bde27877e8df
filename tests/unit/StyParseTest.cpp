// Reading whole documents: the committed example and fixture files, files on
// disk, in-memory bytes.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "style/StyleFile.h"
#include "tests/fixtures/EdgeSty.h"
#include "tools/StyDemo.h"

namespace {

const std::string kSource = LORVEX_SOURCE_DIR;
const std::string kEdgesPath = kSource + "/tests/fixtures/edges.sty";

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t IdOf(const Res& res)
{
    return res.record ? res.GetId() : 0;
}

// (depth, type, id) of every resource below a scene, in document order.
std::vector<std::tuple<int, int, uint32_t>> Walk(const Scene& scene)
{
    std::vector<std::tuple<int, int, uint32_t>> out;
    std::vector<std::pair<const Res*, int>> stack;
    const auto& top = scene.root_group->children;
    for (size_t i = top.size(); i-- > 0;)
        stack.push_back({top[i], 1});
    while (!stack.empty()) {
        auto [res, depth] = stack.back();
        stack.pop_back();
        out.emplace_back(depth, res->GetType(), IdOf(*res));
        for (size_t i = res->children.size(); i-- > 0;)
            stack.push_back({res->children[i], depth + 1});
    }
    return out;
}

TEST(StyParse, CommittedFilesMatchTheirDescriptions)
{
    const auto text = [](const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); };
    EXPECT_EQ(ReadText(kSource + "/examples/demo.sty"), text(DemoSty().Write().bytes))
        << "regenerate with tools/make_demo_sty.cpp (docs/sty-format.md)";
    EXPECT_EQ(ReadText(kSource + "/examples/demo.h"), DemoHeader());
    EXPECT_EQ(ReadText(kEdgesPath), text(EdgeSty().Write().bytes))
        << "regenerate with tests/fixtures/make_fixtures.cpp";
    EXPECT_EQ(ReadText(kSource + "/tests/fixtures/edges.h"), EdgeHeader());
}

TEST(StyParse, EdgeFileGivesItsDocumentInOrder)
{
    StyleFile file;
    ASSERT_NE(file.ParseFile(kEdgesPath.c_str()), 0) << file.GetParseResult().Message();
    EXPECT_FALSE(file.file.IsOpen());
    EXPECT_TRUE(file.GetParseResult());
    EXPECT_EQ(file.header.scene_num, 3);
    ASSERT_EQ(file.scenes.size(), 3u);
    EXPECT_EQ(file.scenes[0]->info.id, edge::SCENE_MAIN);
    EXPECT_EQ(file.scenes[1]->info.id, edge::SCENE_SETTINGS);
    EXPECT_EQ(file.scenes[2]->info.id, edge::SCENE_EMPTY);

    using T = std::tuple<int, int, uint32_t>;
    EXPECT_EQ(Walk(*file.scenes[0]), (std::vector<T>{
                                         {1, RES_GROUP, edge::GRP_HEADER},
                                         {2, RES_GROUP, edge::GRP_TOOLBAR},
                                         {3, RES_GROUP, edge::GRP_TOOLBAR_ICONS},
                                         {4, RES_PIC, edge::PIC_ICON_HOME},
                                         {4, RES_PIC, edge::PIC_ICON_BACK},
                                         {3, RES_STRING, edge::STR_TITLE},
                                         {2, RES_PIC_REGION, edge::RGN_SPINNER},
                                         {1, RES_PIC_REGION, edge::RGN_EMPTY},
                                         {1, RES_STRING, edge::STR_MARQUEE},
                                         {1, edge::kOtherType, 0},
                                         {1, RES_PIC, edge::PIC_BACKGROUND},
                                     }));
    EXPECT_EQ(Walk(*file.scenes[1]), (std::vector<T>{
                                         {1, RES_GROUP, edge::GRP_OPTIONS},
                                         {2, RES_STRING, edge::STR_OPTION},
                                         {2, RES_PIC, edge::PIC_MAX_ID},
                                     }));
    EXPECT_TRUE(Walk(*file.scenes[2]).empty());
    EXPECT_EQ(file.scenes[2]->root_group->GetType(), RES_GROUP);

    const auto& top = file.scenes[0]->root_group->children;
    const Res& spinner = *top[0]->children[1];
    EXPECT_EQ(std::vector<uint16_t>(spinner.frames.begin(), spinner.frames.end()),
              (std::vector<uint16_t>{1, 2, 3, 4, 0xFFFF}));
    EXPECT_EQ(+spinner.GetRecord<PicRegionInfo>().frames_num, 5);
    const Res& empty = *top[1];
    EXPECT_TRUE(empty.frames.empty());
    EXPECT_EQ(+empty.GetRecord<PicRegionInfo>().frames_num, 3);
    const Res& other = *top[3];
    EXPECT_EQ(other.record, nullptr);
    EXPECT_TRUE(other.frames.empty() && other.children.empty());
    EXPECT_EQ(file.scenes[1]->info.res_num, -1);
    EXPECT_EQ(+file.scenes[1]->root_group->children[0]->GetRecord<ResGroupInfo>().res_num, -1);
    // The root group's record mirrors the scene.
    const ResGroupInfo& root = file.scenes[1]->root_group->GetRecord<ResGroupInfo>();
    EXPECT_EQ(+root.id, +edge::SCENE_SETTINGS);
    EXPECT_EQ(+root.x, -32768);
}

TEST(StyParse, UnreadableFilesAreRefusedAsInputErrors)
{
    const std::string missing = kSource + "/examples/no-such-file.sty";
    for (const std::string& path : {missing, kSource + "/examples", std::string()}) {
        SCOPED_TRACE(path);
        StyleFile file;
        EXPECT_EQ(file.ParseFile(path.c_str()), 0);
        EXPECT_EQ(file.GetParseResult().status, ParseStatus::io_error);
        EXPECT_TRUE(file.scenes.empty());
        EXPECT_FALSE(file.file.IsOpen());
    }
}

TEST(StyParse, RefusalOnDiskCarriesOffsetAndLeavesFileAlone)
{
    std::vector<uint8_t> bytes = EdgeSty().Write().bytes;
    bytes[3] = 9;
    const std::string path = ::testing::TempDir() + "sty_parse_version.sty";
    ASSERT_TRUE(WriteBytes(path, bytes));

    StyleFile file;
    EXPECT_EQ(file.ParseFile(path.c_str()), 0);
    EXPECT_FALSE(file.file.IsOpen());
    EXPECT_EQ(file.GetParseResult().status, ParseStatus::bad_version);
    EXPECT_EQ(file.GetParseResult().Message(),
              "offset 0x3: format version 9 is not supported (this reader knows version 1)");
    EXPECT_EQ(ReadText(path), std::string(bytes.begin(), bytes.end()));
}

TEST(StyParse, ARefusedParseDropsTheDocumentBefore)
{
    StyleFile file;
    std::vector<uint8_t> bytes = EdgeSty().Write().bytes;
    ASSERT_NE(file.ParseBytes(bytes), 0);
    bytes.resize(bytes.size() - 1);
    EXPECT_EQ(file.ParseBytes(bytes), 0);
    EXPECT_TRUE(file.scenes.empty());
    bytes = EdgeSty().Write().bytes;
    EXPECT_NE(file.ParseBytes(bytes), 0);
    EXPECT_EQ(file.scenes.size(), 3u);
}

}  // namespace
