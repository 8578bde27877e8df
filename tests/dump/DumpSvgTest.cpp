// The SVG picture of a scene, parsed as XML: which shapes there are and
// where, for a small scene made by hand (positions as docs/lorvex-dump.md
// gives them: a resource's x, y are from the origin of the group it is in).
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <string>
#include <vector>

#include "tests/dump/DumpRunner.h"
#include "style/StyWriter.h"

namespace {

struct Shape {
    std::string cls;
    long long x, y, width, height;
    std::string label;
};

// The rects of the picture in document order, each with the label drawn
// after it (the scene's own rect has none).
std::vector<Shape> Shapes(const pugi::xml_document& svg)
{
    std::vector<Shape> shapes;
    for (pugi::xml_node node : svg.child("svg").children()) {
        const std::string name = node.name();
        if (name == "rect") {
            shapes.push_back({node.attribute("class").value(), node.attribute("x").as_llong(),
                              node.attribute("y").as_llong(), node.attribute("width").as_llong(),
                              node.attribute("height").as_llong(), ""});
        } else if (name == "text") {
            EXPECT_FALSE(shapes.empty());
            shapes.back().label = node.child_value();
        }
    }
    return shapes;
}

class DumpSvgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StyWriter w;
        const size_t scene = w.Scene(0x100);
        SceneInfo& info = w.Node(scene).scene;
        info.width = 200;
        info.height = 100;
        info.opaque = 1;
        info.background_color = 0xFF336699;

        const size_t group = w.Group(scene, 0x200);
        ResGroupInfo& g = w.Node(group).group;
        g.x = g.abs_x = 10;
        g.y = g.abs_y = 20;
        g.width = 100;
        g.height = 50;
        g.visible = 1;
        PicInfo& p = w.Node(w.Pic(group, 0x201)).pic;
        p.x = 5;
        p.y = 6;
        p.width = 20;
        p.height = 10;
        p.visible = 1;
        StringInfo& s = w.Node(w.String(group, 0x202)).string;
        s.x = 30;
        s.width = 40;
        s.height = 12;
        s.background_color = 0x80FF0000;
        s.foreground_color = 0xFF00FF00;
        const size_t hiddenGroup = w.Group(group, 0x203);
        w.Node(hiddenGroup).group.x = 50;
        w.Node(hiddenGroup).group.y = 10;
        PicRegionInfo& r = w.Node(w.Region(hiddenGroup, 0x204, {1, 2})).region;
        r.x = 1;
        r.y = 2;
        r.width = 8;
        r.height = 8;
        r.visible = 1;  // but inside a hidden group
        w.Other(scene, 0x7F, {1, 2, 3});
        PicInfo& q = w.Node(w.Pic(scene, 0x300)).pic;
        q.x = -20;
        q.y = 90;
        q.width = 30;
        q.height = 30;
        q.visible = 1;
        w.Scene(0x400);  // a second scene, empty

        ASSERT_TRUE(WriteBytes(m_sty, w.Write().bytes));
        const std::string header = "#define PIC_P 0x201\n#define SCENE_S 0x100\n";
        ASSERT_TRUE(WriteBytes(m_header, std::vector<uint8_t>(header.begin(), header.end())));
    }

    pugi::xml_document Draw(const std::vector<std::string>& args)
    {
        const DumpRun run = RunDumpWith(args);
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.err, "");
        pugi::xml_document svg;
        const pugi::xml_parse_result parsed = svg.load_string(run.out.c_str());
        EXPECT_TRUE(parsed) << parsed.description() << " at " << parsed.offset;
        return svg;
    }

    ScratchDir m_dir;
    const std::string m_sty = m_dir.Path("small.sty");
    const std::string m_header = m_dir.Path("small.h");
};

TEST_F(DumpSvgTest, EachShownResourceIsARectWhereItsGroupsPlaceIt)
{
    const pugi::xml_document svg = Draw({"--svg", "0", "--header", m_header, m_sty});
    const pugi::xml_node root = svg.child("svg");
    EXPECT_STREQ(root.attribute("xmlns").value(), "http://www.w3.org/2000/svg");
    // The scene's area with a margin of 8, whatever lies beyond it.
    EXPECT_STREQ(root.attribute("viewBox").value(), "-8 -8 216 116");
    EXPECT_STREQ(root.child_value("title"), "SCENE_S");

    const std::vector<Shape> shapes = Shapes(svg);
    ASSERT_EQ(shapes.size(), 7u);
    const Shape expected[] = {
        {"scene", 0, 0, 200, 100, ""},
        {"group", 10, 20, 100, 50, "ResGroup_200"},
        {"pic", 15, 26, 20, 10, "PIC_P"},
        {"string hidden", 40, 20, 40, 12, "String202"},
        {"group hidden", 60, 30, 0, 0, "ResGroup_203"},
        {"region hidden", 61, 32, 8, 8, "PicRigion_204"},
        {"pic clipped", -8, 90, 18, 18, "Pic_300"},
    };
    for (size_t i = 0; i < shapes.size(); ++i) {
        SCOPED_TRACE("shape " + std::to_string(i));
        EXPECT_EQ(shapes[i].cls, expected[i].cls);
        EXPECT_EQ(shapes[i].x, expected[i].x);
        EXPECT_EQ(shapes[i].y, expected[i].y);
        EXPECT_EQ(shapes[i].width, expected[i].width);
        EXPECT_EQ(shapes[i].height, expected[i].height);
        EXPECT_EQ(shapes[i].label, expected[i].label);
    }

    // Colours are 0xAARRGGBB: the scene is opaque and filled, the group is
    // not opaque, the string has its background and foreground.
    const auto rects = root.children("rect");
    auto rect = rects.begin();
    EXPECT_STREQ(rect->attribute("fill").value(), "#336699");
    EXPECT_TRUE(rect->attribute("fill-opacity").empty());
    EXPECT_STREQ((++rect)->attribute("fill").value(), "none");
    ++rect;
    EXPECT_STREQ((++rect)->attribute("fill").value(), "#ff0000");
    EXPECT_STREQ(rect->attribute("fill-opacity").value(), "0.502");
    EXPECT_STREQ(rect->attribute("stroke").value(), "#00ff00");
    // A resource cut at the margin keeps its whole place in its tooltip.
    EXPECT_STREQ(root.last_child().previous_sibling().child_value("title"),
                 "Pic_300 (pic) at -20, 90, 30 x 30, cut at the edge of the picture; pic id 0");
}

TEST_F(DumpSvgTest, VisibleOnlyLeavesHiddenResourcesOutWithAllBelowThem)
{
    const std::vector<Shape> shapes = Shapes(Draw({"--svg", "0", "--visible-only", m_sty}));
    std::vector<std::string> labels;
    for (const Shape& shape : shapes) {
        EXPECT_EQ(shape.cls.find("hidden"), std::string::npos) << shape.label;
        labels.push_back(shape.label);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"", "ResGroup_200", "Pic_201", "Pic_300"}));
}

TEST_F(DumpSvgTest, AnEmptySceneIsItsAreaAlone)
{
    const pugi::xml_document svg = Draw({"--svg", "1", m_sty});
    const std::vector<Shape> shapes = Shapes(svg);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].cls, "scene");
    EXPECT_STREQ(svg.child("svg").attribute("viewBox").value(), "-8 -8 16 16");
}

TEST(DumpSvg, TenThousandResourcesMakeOneFlatWellFormedPicture)
{
    StyWriter w;
    const size_t scene = w.Scene(1);
    w.Node(scene).scene.width = 1000;
    w.Node(scene).scene.height = 1000;
    for (uint32_t g = 0; g < 100; ++g) {
        const size_t group = w.Group(scene, 0x1000 + g);
        w.Node(group).group.x = static_cast<int16_t>(10 * g);
        for (uint32_t i = 0; i < 99; ++i) {
            PicInfo& pic = w.Node(w.Pic(group, 0x100000 + 100 * g + i)).pic;
            pic.y = static_cast<int16_t>(10 * i);
            pic.width = pic.height = 8;
        }
    }
    ScratchDir dir;
    const std::string path = dir.Path("big.sty");
    ASSERT_TRUE(WriteBytes(path, w.Write().bytes));
    const DumpRun run = RunDumpWith({"--svg", "0", path});
    ASSERT_EQ(run.code, 0);
    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_string(run.out.c_str()));
    size_t rects = 0;
    for (pugi::xml_node rect : svg.child("svg").children("rect")) {
        EXPECT_TRUE(rect.first_child().empty() || std::string(rect.first_child().name()) == "title");
        ++rects;
    }
    EXPECT_EQ(rects, 1u + 100u + 100u * 99u);
}

}  // namespace
