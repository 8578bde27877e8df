#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "browse/PropertyRows.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

Rows Texts(const PropertyRows& rows)
{
    Rows out;
    for (const PropertyRow& row : rows)
        out.emplace_back(row.name, RowValueText(row).GetString());
    return out;
}

TEST(PropertyRows, FileShowsTheSceneNumAsSigned)
{
    EXPECT_EQ(Texts(FileRows(StyleHeader{0, 3})), (Rows{{"scene num", "3"}}));
    EXPECT_EQ(Texts(FileRows(StyleHeader{0xFFFFFFFF, -1})), (Rows{{"scene num", "-1"}}));
}

TEST(PropertyRows, SceneShowsThirtyRowsWithTheKeysLast)
{
    SceneInfo info{};
    info.id = 0x1A;
    info.offset = 0xFFFFFFFF;
    info.size = 0x100;
    info.x = -1;
    info.y = -32768;
    info.width = 0xFFFF;
    info.height = 480;
    info.background_color = 0x80FF0001;
    info.visible = 0xFF;
    info.opaque = 1;
    info.transparency = 0xFFFF;
    info.res_num = -1;
    info.child_offset = 0x100;
    info.rotation = 0x80;
    for (uint8_t i = 0; i < 16; ++i)
        info.keys[i] = static_cast<uint8_t>(i == 15 ? 0xFF : i * 3);

    EXPECT_EQ(Texts(SceneRows(info)), (Rows{
                                          {"id", "0x0000001a"},
                                          {"offset", "0xffffffff"},
                                          {"size", "0x00000100"},
                                          {"x", "-1"},
                                          {"y", "-32768"},
                                          {"width", "65535"},
                                          {"height", "480"},
                                          {"background color", "0x80ff0001"},
                                          {"visible", "255"},
                                          {"opaque", "1"},
                                          {"transparency", "65535"},
                                          {"res num", "-1"},
                                          {"child offset", "256"},
                                          {"rotation", "128"},
                                          {"Key0", "0"},
                                          {"Key1", "3"},
                                          {"Key2", "6"},
                                          {"Key3", "9"},
                                          {"Key4", "12"},
                                          {"Key5", "15"},
                                          {"Key6", "18"},
                                          {"Key7", "21"},
                                          {"Key8", "24"},
                                          {"Key9", "27"},
                                          {"Key10", "30"},
                                          {"Key11", "33"},
                                          {"Key12", "36"},
                                          {"Key13", "39"},
                                          {"Key14", "42"},
                                          {"Key15", "255"},
                                      }));
}

TEST(PropertyRows, ResGroupShowsItsChildOffsetInHex)
{
    ResGroupInfo g{};
    g.type = 0xFF;
    g.id = 0;
    g.offset = 0x1234;
    g.abs_x = -32768;
    g.abs_y = 32767;
    g.x = -2;
    g.y = 7;
    g.width = 0x8000;
    g.height = 0;
    g.background_color = 0xFFFFFFFF;
    g.visible = 0;
    g.opaque = 0xFF;
    g.transparency = 0x8000;
    g.res_num = INT32_MIN;
    g.child_offset = 0x100;
    EXPECT_EQ(Texts(ResGroupRows(g)), (Rows{
                                          {"type", "255"},
                                          {"id", "0x00000000"},
                                          {"offset", "0x00001234"},
                                          {"abs_x", "-32768"},
                                          {"abs_y", "32767"},
                                          {"x", "-2"},
                                          {"y", "7"},
                                          {"width", "32768"},
                                          {"height", "0"},
                                          {"background color", "0xffffffff"},
                                          {"visible", "0"},
                                          {"opaque", "255"},
                                          {"transparency", "32768"},
                                          {"res num", "-2147483648"},
                                          {"child offset", "0x00000100"},
                                      }));
}

TEST(PropertyRows, PicRegionShowsTheRecordNotTheFrameList)
{
    PicRegionInfo r{};
    r.type = 1;
    r.id = 0xABCDEF01;
    r.offset = 0x40;
    r.x = 0x7FFF;
    r.y = -1;
    r.width = 32;
    r.height = 0xFFFF;
    r.visible = 0x80;
    r.frames_num = 0xFFFF;
    r.pic_offset = 0xFFFFFFFF;
    EXPECT_EQ(Texts(PicRegionRows(r)), (Rows{
                                           {"type", "1"},
                                           {"id", "0xabcdef01"},
                                           {"offset", "0x00000040"},
                                           {"x", "32767"},
                                           {"y", "-1"},
                                           {"width", "32"},
                                           {"height", "65535"},
                                           {"visible", "128"},
                                           {"frames num", "65535"},
                                           {"pic offset", "0xffffffff"},
                                       }));
}

TEST(PropertyRows, PicShowsNineRows)
{
    PicInfo p{};
    p.type = 4;
    p.id = 0xFFFFFFFF;
    p.offset = 0;
    p.x = -32768;
    p.y = 0;
    p.width = 0xFFFF;
    p.height = 1;
    p.visible = 1;
    p.pic_id = 0xFFFF;
    EXPECT_EQ(Texts(PicRows(p)), (Rows{
                                     {"type", "4"},
                                     {"id", "0xffffffff"},
                                     {"offset", "0x00000000"},
                                     {"x", "-32768"},
                                     {"y", "0"},
                                     {"width", "65535"},
                                     {"height", "1"},
                                     {"visible", "1"},
                                     {"pic id", "65535"},
                                 }));
}

TEST(PropertyRows, StringShowsScrollDirectAsTheOneSignedByte)
{
    StringInfo s{};
    s.type = 2;
    s.id = 0x1A;
    s.offset = 0x99;
    s.x = 1;
    s.y = -1;
    s.width = 100;
    s.height = 0xFFFF;
    s.foreground_color = 0x00FF00FF;
    s.background_color = 0xFF000000;
    s.visible = 0xFF;
    s.text_align = 0x80;
    s.mode = 3;
    s.font_height = 0xFF;
    s.string_id = 0xFFFF;
    s.text_scroll = 0xFF;
    s.scroll_direct = -1;
    s.scroll_space = 0x8000;
    s.scroll_pixel = 0xFFFF;
    Rows expected = {
        {"type", "2"},
        {"id", "0x0000001a"},
        {"offset", "0x00000099"},
        {"x", "1"},
        {"y", "-1"},
        {"width", "100"},
        {"height", "65535"},
        {"forground color", "0x00ff00ff"},
        {"background color", "0xff000000"},
        {"visible", "255"},
        {"text align", "128"},
        {"mode", "3"},
        {"font height", "255"},
        {"string id", "65535"},
        {"text scroll", "255"},
        {"scroll direct", "-1"},
        {"scroll space", "32768"},
        {"scroll pixel", "65535"},
    };
    EXPECT_EQ(Texts(StringRows(s)), expected);

    s.scroll_direct = -128;
    s.text_scroll = 0x80;
    expected[14].second = "128";
    expected[15].second = "-128";
    EXPECT_EQ(Texts(StringRows(s)), expected);
}

TEST(PropertyRows, FrameShowsItsRegionAndItsOwnPicId)
{
    PicRegionInfo r{};
    r.id = 0x200;
    r.x = -5;
    r.y = 6;
    r.width = 0xFFFF;
    r.height = 8;
    r.frames_num = 3;
    r.pic_offset = 0x1000;
    EXPECT_EQ(Texts(FrameRows(r, 0xFFFF)), (Rows{
                                               {"id", "0x00000200"},
                                               {"x", "-5"},
                                               {"y", "6"},
                                               {"width", "65535"},
                                               {"height", "8"},
                                               {"pic id", "65535"},
                                           }));
}

}  // namespace
