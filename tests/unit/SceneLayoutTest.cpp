// Where a scene's resources lie and which one a point falls on, for small
// scenes written by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/SceneLayout.h"
#include "style/StyWriter.h"
#include "style/StyleFile.h"

namespace {

template <class Record>
void Place(Record& record, int16_t x, int16_t y, uint16_t width, uint16_t height, uint8_t visible = 1)
{
    record.x = x;
    record.y = y;
    record.width = width;
    record.height = height;
    record.visible = visible;
}

struct Parsed {
    explicit Parsed(const StyWriter& w) { EXPECT_NE(file.ParseBytes(w.Write().bytes), 0); }
    const Scene& First() const { return *file.scenes.at(0); }
    StyleFile file;
};

struct Expected {
    NodeKind kind;
    SceneRect rect;
    bool shown;
    std::string label;
};

void ExpectItems(const SceneLayout& layout, const std::vector<Expected>& expected)
{
    ASSERT_EQ(layout.Items().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].label);
        const LaidOutRes& item = layout.Items()[i];
        EXPECT_EQ(item.kind, expected[i].kind);
        EXPECT_EQ(item.rect.left, expected[i].rect.left);
        EXPECT_EQ(item.rect.top, expected[i].rect.top);
        EXPECT_EQ(item.rect.right, expected[i].rect.right);
        EXPECT_EQ(item.rect.bottom, expected[i].rect.bottom);
        EXPECT_EQ(item.shown, expected[i].shown);
        EXPECT_EQ(item.label.GetString(), expected[i].label);
        EXPECT_EQ(layout.Find(item.res), i);
    }
}

TEST(SceneLayout, EachResourceLiesWhereTheGroupsAboveItPlaceIt)
{
    // A group at (-10, 5) holds a picture and a hidden group, which holds a
    // visible string; then an unknown resource and an empty region.
    StyWriter w;
    const size_t scene = w.Scene(1);
    w.Node(scene).scene.width = 100;
    w.Node(scene).scene.height = 50;
    const size_t outer = w.Group(scene, 0x10);
    Place(w.Node(outer).group, -10, 5, 60, 40);
    Place(w.Node(w.Pic(outer, 0x11)).pic, 20, -3, 10, 10);
    const size_t hidden = w.Group(outer, 0x12);
    Place(w.Node(hidden).group, 30, 30, 20, 20, 0);
    Place(w.Node(w.String(hidden, 0x13)).string, -40, 1, 5, 5);
    w.Other(scene, 0x7F, {1, 2});
    Place(w.Node(w.Region(scene, 0x20, {})).region, 32767, -32768, 65535, 0);
    const Parsed parsed(w);
    NameIdNode name{nullptr, "PIC_A", 0x11};
    const MacroNameIndex names(&name);

    const SceneLayout layout(parsed.First(), names);
    EXPECT_TRUE(layout.Area() == (SceneRect{0, 0, 100, 50}));
    ExpectItems(layout, {
                            {NodeKind::ResGroup, {-10, 5, 50, 45}, true, "ResGroup_10"},
                            {NodeKind::Pic, {10, 2, 20, 12}, true, "PIC_A"},
                            {NodeKind::ResGroup, {20, 35, 40, 55}, false, "ResGroup_12"},
                            {NodeKind::String, {-20, 36, -15, 41}, false, "String13"},
                            {NodeKind::PicRegion, {32767, -32768, 98302, -32768}, true, "PicRigion_20"},
                        });

    // Left out when hidden, with everything below.
    ExpectItems(SceneLayout(parsed.First(), names, true),
                {
                    {NodeKind::ResGroup, {-10, 5, 50, 45}, true, "ResGroup_10"},
                    {NodeKind::Pic, {10, 2, 20, 12}, true, "PIC_A"},
                    {NodeKind::PicRegion, {32767, -32768, 98302, -32768}, true, "PicRigion_20"},
                });
}

TEST(SceneLayout, APointFallsOnTheTopmostResourceThatHoldsIt)
{
    // A group holding two overlapping pictures and one of no size; then a
    // hidden string on top of them, partly off the scene.
    StyWriter w;
    const size_t scene = w.Scene(1);
    w.Node(scene).scene.width = 100;
    w.Node(scene).scene.height = 100;
    const size_t group = w.Group(scene, 0x10);
    Place(w.Node(group).group, 0, 0, 100, 100);
    Place(w.Node(w.Pic(group, 0x11)).pic, 10, 10, 50, 50);
    Place(w.Node(w.Pic(group, 0x12)).pic, 30, 30, 50, 50);
    Place(w.Node(w.Pic(group, 0x13)).pic, 5, 5, 0, 0);
    Place(w.Node(w.String(scene, 0x20)).string, 70, -10, 40, 20, 0);
    const Parsed parsed(w);
    const SceneLayout layout(parsed.First(), MacroNameIndex(nullptr));

    const auto label = [&](int64_t x, int64_t y) {
        const size_t hit = layout.HitTest(x, y);
        return hit == SceneLayout::npos ? std::string("scene") : std::string(layout.Items()[hit].label.GetString());
    };
    EXPECT_EQ(label(40, 40), "Pic_12");  // both pictures: the later one
    EXPECT_EQ(label(15, 15), "Pic_11");
    EXPECT_EQ(label(29, 59), "Pic_11");
    EXPECT_EQ(label(5, 5), "ResGroup_10");  // nothing is ever on a resource of no size
    EXPECT_EQ(label(80, 50), "ResGroup_10");  // right and bottom edges lie outside
    EXPECT_EQ(label(79, 79), "Pic_12");
    EXPECT_EQ(label(75, 5), "String20");  // hidden, yet drawn on top
    EXPECT_EQ(label(100, -5), "String20");
    EXPECT_EQ(label(100, 50), "scene");
    EXPECT_EQ(label(-1, 0), "scene");
    EXPECT_EQ(layout.Find(parsed.First().root_group), SceneLayout::npos);
}

}  // namespace
