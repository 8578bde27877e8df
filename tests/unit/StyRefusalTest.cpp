// Files that are not valid style files: each refused with the right reason,
// at the right offset, and nothing of them left behind.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "style/StyFormat.h"
#include "style/StyleFile.h"
#include "tests/fixtures/EdgeSty.h"
#include "tools/StyDemo.h"

namespace {

void ExpectRefused(const std::vector<uint8_t>& bytes, ParseStatus status, uint64_t offset)
{
    StyleFile file;
    EXPECT_EQ(file.ParseBytes(bytes), 0);
    EXPECT_TRUE(file.scenes.empty());
    EXPECT_EQ(file.GetParseResult().status, status) << file.GetParseResult().Message();
    EXPECT_EQ(file.GetParseResult().offset, offset) << file.GetParseResult().Message();
    EXPECT_FALSE(file.GetParseResult().description.empty());
}

TEST(StyRefusal, EveryTruncationOfTheDemoAndTheEdgeFileIsRefused)
{
    for (const std::vector<uint8_t>& whole : {DemoSty().Write().bytes, EdgeSty().Write().bytes}) {
        for (size_t size = 0; size < whole.size(); ++size) {
            SCOPED_TRACE(size);
            StyleFile file;
            EXPECT_EQ(file.ParseBytes(std::vector<uint8_t>(whole.begin(), whole.begin() + size)), 0);
            EXPECT_TRUE(file.scenes.empty());
            EXPECT_EQ(file.GetParseResult().status, ParseStatus::out_of_bounds);
        }
    }
}

// A scene with a group holding a region, a picture and an unknown resource;
// a second scene with one picture.
struct Sample {
    StyImage image;
    size_t scene, group, region, pic, other, scene2, pic2;

    Sample()
    {
        StyWriter w;
        scene = w.Scene(1);
        group = w.Group(scene, 2);
        region = w.Region(group, 3, {1, 2});
        pic = w.Pic(group, 4);
        other = w.Other(group, 0xEE, {9, 9});
        scene2 = w.Scene(5);
        pic2 = w.Pic(scene2, 6);
        image = w.Write();
    }
    uint32_t At(size_t node) const { return image.at[node]; }
    uint32_t Table(size_t node) const { return image.table[node]; }
    uint32_t Size() const { return static_cast<uint32_t>(image.bytes.size()); }
};

struct BadCase {
    const char* name;
    std::function<void(const Sample&, std::vector<uint8_t>&)> damage;
    ParseStatus status;
    std::function<uint64_t(const Sample&)> offset;
};

TEST(StyRefusal, EachKindOfBadValueIsRefusedWithItsReason)
{
    using B = std::vector<uint8_t>;
    using S = Sample;
    const uint32_t groupTable = sty::kGroupChildTable;
    const uint32_t regionTable = sty::kRegionFrameTable;
    const BadCase cases[] = {
        {"magic", [](const S&, B& b) { b[0] = 's'; }, ParseStatus::bad_magic, [](const S&) { return 0; }},
        {"version", [](const S&, B& b) { b[3] = 2; }, ParseStatus::bad_version, [](const S&) { return 3; }},
        {"scene count past the end", [](const S&, B& b) { Put32(b, sty::kHeaderSceneCount, 1000); },
         ParseStatus::out_of_bounds, [](const S&) { return sty::kHeaderSceneCount; }},
        {"scene count that would wrap", [](const S&, B& b) { Put32(b, sty::kHeaderSceneCount, 0xFFFFFFFF); },
         ParseStatus::out_of_bounds, [](const S&) { return sty::kHeaderSceneCount; }},
        {"resource table past the end",
         [](const S& s, B& b) { Put32(b, s.At(s.scene) + sty::kSceneResTable, s.Size() - 2); },
         ParseStatus::out_of_bounds, [](const S& s) { return s.At(s.scene) + sty::kSceneResTable; }},
        {"resource table that would wrap",
         [](const S& s, B& b) { Put32(b, s.At(s.scene) + sty::kSceneResTable, 0xFFFFFFFC); },
         ParseStatus::out_of_bounds, [](const S& s) { return s.At(s.scene) + sty::kSceneResTable; }},
        {"resource count past the end",
         [](const S& s, B& b) { Put32(b, s.At(s.scene) + sty::kSceneResCount, 0x40000000); },
         ParseStatus::out_of_bounds, [](const S& s) { return s.At(s.scene) + sty::kSceneResTable; }},
        {"resource offset outside the file", [](const S& s, B& b) { Put32(b, s.Table(s.group), s.Size()); },
         ParseStatus::out_of_bounds, [](const S& s) { return s.Table(s.group); }},
        {"record cut by the end of the file",
         [](const S& s, B& b) {
             b.resize(s.Size() + 3);
             b[s.Size()] = RES_STRING;
             Put32(b, s.Table(s.scene2), s.Size());
         },
         ParseStatus::out_of_bounds, [](const S& s) { return s.Size(); }},
        {"child table past the end", [](const S& s, B& b) { Put32(b, s.At(s.group) + groupTable, s.Size() - 4); },
         ParseStatus::out_of_bounds, [=](const S& s) { return s.At(s.group) + groupTable; }},
        {"child count past the end",
         [](const S& s, B& b) { Put32(b, s.At(s.group) + sty::kGroupChildCount, 0xFFFFFFFF); },
         ParseStatus::out_of_bounds, [=](const S& s) { return s.At(s.group) + groupTable; }},
        {"frame list past the end", [=](const S& s, B& b) { Put32(b, s.At(s.region) + regionTable, s.Size() - 2); },
         ParseStatus::out_of_bounds, [=](const S& s) { return s.At(s.region) + regionTable; }},
        {"frame count past the end",
         [](const S& s, B& b) { Put32(b, s.At(s.region) + sty::kRegionFrameCount, 0xFFFFFFFF); },
         ParseStatus::out_of_bounds, [=](const S& s) { return s.At(s.region) + regionTable; }},
        {"unknown resource body past the end",
         [](const S& s, B& b) { Put32(b, s.At(s.other) + sty::kOtherBodyLength, 0xFFFFFFF0); },
         ParseStatus::out_of_bounds, [](const S& s) { return s.At(s.other); }},
        {"resource inside the header", [](const S& s, B& b) { Put32(b, s.Table(s.scene2), 4); },
         ParseStatus::overlap, [](const S&) { return 4; }},
        {"resource inside another record", [](const S& s, B& b) { Put32(b, s.Table(s.scene2), s.At(s.pic) + 1); },
         ParseStatus::overlap, [](const S& s) { return s.At(s.pic) + 1; }},
        {"frame list over its group", [=](const S& s, B& b) { Put32(b, s.At(s.region) + regionTable, s.At(s.group)); },
         ParseStatus::overlap, [=](const S& s) { return s.At(s.region) + regionTable; }},
        {"child table shared with the scene",
         [=](const S& s, B& b) { Put32(b, s.At(s.group) + groupTable, s.Table(s.scene)); },
         ParseStatus::overlap, [=](const S& s) { return s.At(s.group) + groupTable; }},
        {"cycle: a group among its own children", [](const S& s, B& b) { Put32(b, s.Table(s.group), s.At(s.group)); },
         ParseStatus::reached_twice, [](const S& s) { return s.Table(s.group); }},
        {"child shared by two scenes", [](const S& s, B& b) { Put32(b, s.Table(s.scene2), s.At(s.pic)); },
         ParseStatus::reached_twice, [](const S& s) { return s.Table(s.scene2); }},
        {"child listed twice by one group",
         [](const S& s, B& b) { Put32(b, s.Table(s.group) + 4, s.At(s.region)); }, ParseStatus::reached_twice,
         [](const S& s) { return s.Table(s.group) + 4; }},
    };

    const Sample sample;
    {
        StyleFile intact;
        ASSERT_NE(intact.ParseBytes(sample.image.bytes), 0) << intact.GetParseResult().Message();
    }
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> bytes = sample.image.bytes;
        c.damage(sample, bytes);
        ExpectRefused(bytes, c.status, c.offset(sample));
    }
}

TEST(StyRefusal, ValuesTheReaderDoesNotRelyOnMayBeAnything)
{
    // Empty tables' offsets, trailing bytes and the record's own offset and
    // count fields are not structure.
    StyWriter w;
    const size_t scene = w.Scene(1);
    const size_t region = w.Region(scene, 2, {});
    w.Group(scene, 3);
    w.Node(region).fill = false;
    w.Node(region).region.frames_num = 0xFFFF;
    w.Node(region).region.pic_offset = 0xFFFFFFFF;
    StyImage image = w.Write();
    Put32(image.bytes, image.at[region] + sty::kRegionFrameTable, 0xFFFFFFFF);
    image.bytes.insert(image.bytes.end(), {0xDE, 0xAD});
    StyleFile file;
    EXPECT_NE(file.ParseBytes(image.bytes), 0) << file.GetParseResult().Message();
}

// A chain of groups, each the only child of the one above.
std::vector<uint8_t> Nested(size_t levels)
{
    StyWriter w;
    size_t parent = w.Scene(1);
    for (size_t i = 0; i < levels; ++i)
        parent = w.Group(parent, static_cast<uint32_t>(i));
    return w.Write().bytes;
}

TEST(StyRefusal, NestingIsBoundedAndNeverRecurses)
{
    StyleFile deepest;
    ASSERT_NE(deepest.ParseBytes(Nested(sty::kMaxDepth)), 0) << deepest.GetParseResult().Message();
    size_t depth = 0;
    for (const Res* res = deepest.scenes[0]->root_group; !res->children.empty(); res = res->children[0])
        ++depth;
    EXPECT_EQ(depth, sty::kMaxDepth);

    for (size_t levels : {size_t{sty::kMaxDepth} + 1, size_t{100000}}) {
        SCOPED_TRACE(levels);
        StyleFile file;
        EXPECT_EQ(file.ParseBytes(Nested(levels)), 0);
        EXPECT_TRUE(file.scenes.empty());
        EXPECT_EQ(file.GetParseResult().status, ParseStatus::too_deep);
    }
}

}  // namespace
