// Every record field read back from its stored bytes, with its width, sign
// and byte order, and the lists' checked access.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "style/StyleFile.h"
#include "style/StyWriter.h"

namespace {

enum class Kind { scene, group, region, pic, string };

struct FieldCase {
    const char* name;
    Kind kind;
    uint32_t at;  // byte offset in the record, as the format document gives it
    int width;    // bytes
    uint32_t raw;
    int64_t expected;
    std::function<int64_t(const Scene&, const Res&)> get;
};

// The record a field case reads: the scene's own, or the resource's.
template <class Record>
const Record& RecordOf(const Scene&, const Res& res)
{
    return res.GetRecord<Record>();
}
template <>
const SceneInfo& RecordOf<SceneInfo>(const Scene& scene, const Res&)
{
    return scene.info;
}

#define FIELD(kind, Type, field, at, width, raw, expected)                                                     \
    FieldCase                                                                                                  \
    {                                                                                                          \
        #Type "." #field, Kind::kind, at, width, raw, expected,                                                \
            [](const Scene& s, const Res& r) -> int64_t { return RecordOf<Type>(s, r).field; }                    \
    }

const FieldCase kFields[] = {
    FIELD(scene, SceneInfo, id, 0, 4, 0x89ABCDEF, 0x89ABCDEF),
    FIELD(scene, SceneInfo, offset, 4, 4, 0xFFFFFFFF, 0xFFFFFFFF),
    FIELD(scene, SceneInfo, size, 8, 4, 0x80000000, 0x80000000),
    FIELD(scene, SceneInfo, x, 12, 2, 0xFFFF, -1),
    FIELD(scene, SceneInfo, y, 14, 2, 0x8000, -32768),
    FIELD(scene, SceneInfo, width, 16, 2, 0xFFFF, 65535),
    FIELD(scene, SceneInfo, height, 18, 2, 0x8001, 32769),
    FIELD(scene, SceneInfo, background_color, 20, 4, 0xFF102030, 0xFF102030),
    FIELD(scene, SceneInfo, visible, 24, 1, 0xFF, 255),
    FIELD(scene, SceneInfo, opaque, 25, 1, 0x80, 128),
    FIELD(scene, SceneInfo, transparency, 26, 2, 0xFFFE, 65534),
    FIELD(scene, SceneInfo, res_num, 28, 4, 0xFFFFFFFF, -1),
    FIELD(scene, SceneInfo, child_offset, 32, 4, 0x80000000, INT32_MIN),
    FIELD(scene, SceneInfo, rotation, 36, 1, 0xFF, 255),
    FIELD(scene, SceneInfo, keys[0], 37, 1, 0x80, 128),
    FIELD(scene, SceneInfo, keys[15], 52, 1, 0xFF, 255),

    FIELD(group, ResGroupInfo, id, 1, 4, 0x89ABCDEF, 0x89ABCDEF),
    FIELD(group, ResGroupInfo, offset, 5, 4, 0xFFFFFFFF, 0xFFFFFFFF),
    FIELD(group, ResGroupInfo, abs_x, 9, 2, 0xFFFF, -1),
    FIELD(group, ResGroupInfo, abs_y, 11, 2, 0x8000, -32768),
    FIELD(group, ResGroupInfo, x, 13, 2, 0xFFFF, -1),
    FIELD(group, ResGroupInfo, y, 15, 2, 0x7FFF, 32767),
    FIELD(group, ResGroupInfo, width, 17, 2, 0xFFFF, 65535),
    FIELD(group, ResGroupInfo, height, 19, 2, 0x8000, 32768),
    FIELD(group, ResGroupInfo, background_color, 21, 4, 0x80FF0001, 0x80FF0001),
    FIELD(group, ResGroupInfo, visible, 25, 1, 0xFF, 255),
    FIELD(group, ResGroupInfo, opaque, 26, 1, 0x80, 128),
    FIELD(group, ResGroupInfo, transparency, 27, 2, 0xFFFF, 65535),
    FIELD(group, ResGroupInfo, res_num, 29, 4, 0xFFFFFFFF, -1),
    FIELD(group, ResGroupInfo, child_offset, 33, 4, 0xFFFFFFFF, 0xFFFFFFFF),

    FIELD(region, PicRegionInfo, id, 1, 4, 0x01020304, 0x01020304),
    FIELD(region, PicRegionInfo, offset, 5, 4, 0xFFFFFFFF, 0xFFFFFFFF),
    FIELD(region, PicRegionInfo, x, 9, 2, 0xFFFF, -1),
    FIELD(region, PicRegionInfo, y, 11, 2, 0x8000, -32768),
    FIELD(region, PicRegionInfo, width, 13, 2, 0xFFFF, 65535),
    FIELD(region, PicRegionInfo, height, 15, 2, 0x8000, 32768),
    FIELD(region, PicRegionInfo, visible, 17, 1, 0xFF, 255),
    FIELD(region, PicRegionInfo, frames_num, 18, 2, 0xFFFF, 65535),
    FIELD(region, PicRegionInfo, pic_offset, 20, 4, 0xFFFFFFFF, 0xFFFFFFFF),

    FIELD(pic, PicInfo, id, 1, 4, 0xFFFFFFFF, 0xFFFFFFFF),
    FIELD(pic, PicInfo, offset, 5, 4, 0x80000000, 0x80000000),
    FIELD(pic, PicInfo, x, 9, 2, 0xFFFF, -1),
    FIELD(pic, PicInfo, y, 11, 2, 0x8000, -32768),
    FIELD(pic, PicInfo, width, 13, 2, 0xFFFF, 65535),
    FIELD(pic, PicInfo, height, 15, 2, 0x8000, 32768),
    FIELD(pic, PicInfo, visible, 17, 1, 0x80, 128),
    FIELD(pic, PicInfo, pic_id, 18, 2, 0xFFFF, 65535),

    FIELD(string, StringInfo, id, 1, 4, 0x89ABCDEF, 0x89ABCDEF),
    FIELD(string, StringInfo, offset, 5, 4, 0xFFFFFFFF, 0xFFFFFFFF),
    FIELD(string, StringInfo, x, 9, 2, 0xFFFF, -1),
    FIELD(string, StringInfo, y, 11, 2, 0x8000, -32768),
    FIELD(string, StringInfo, width, 13, 2, 0xFFFF, 65535),
    FIELD(string, StringInfo, height, 15, 2, 0x8000, 32768),
    FIELD(string, StringInfo, foreground_color, 17, 4, 0xFFFFFFFF, 0xFFFFFFFF),
    FIELD(string, StringInfo, background_color, 21, 4, 0x80000001, 0x80000001),
    FIELD(string, StringInfo, visible, 25, 1, 0xFF, 255),
    FIELD(string, StringInfo, text_align, 26, 1, 0x80, 128),
    FIELD(string, StringInfo, mode, 27, 1, 0xFF, 255),
    FIELD(string, StringInfo, font_height, 28, 1, 0xFF, 255),
    FIELD(string, StringInfo, string_id, 29, 2, 0xFFFF, 65535),
    FIELD(string, StringInfo, text_scroll, 31, 1, 0x80, 128),
    FIELD(string, StringInfo, scroll_direct, 32, 1, 0x80, -128),
    FIELD(string, StringInfo, scroll_direct, 32, 1, 0xFF, -1),
    FIELD(string, StringInfo, scroll_space, 33, 2, 0xFFFF, 65535),
    FIELD(string, StringInfo, scroll_pixel, 35, 2, 0x8000, 32768),
};
#undef FIELD

TEST(StyRecord, EveryFieldReadsWithItsWidthSignAndByteOrder)
{
    // One resource of each kind, records all zero and kept as given.
    StyWriter w;
    const size_t scene = w.Scene(0);
    const size_t group = w.Group(scene, 0);
    const size_t region = w.Region(group, 0, {7});
    const size_t pic = w.Pic(group, 0);
    const size_t string = w.String(scene, 0);
    for (size_t n = 0; n < w.Size(); ++n)
        w.Node(n).fill = false;
    const StyImage image = w.Write();

    for (const FieldCase& c : kFields) {
        SCOPED_TRACE(c.name);
        const size_t node = c.kind == Kind::scene    ? scene
                            : c.kind == Kind::group  ? group
                            : c.kind == Kind::region ? region
                            : c.kind == Kind::pic    ? pic
                                                     : string;
        std::vector<uint8_t> bytes = image.bytes;
        for (int i = 0; i < c.width; ++i)
            bytes.at(image.at[node] + c.at + i) = static_cast<uint8_t>(c.raw >> (8 * i));

        StyleFile file;
        ASSERT_NE(file.ParseBytes(bytes), 0) << file.GetParseResult().Message();
        const Scene& s = *file.scenes[0];
        const Res& g = *s.root_group->children[0];
        const Res& res = c.kind == Kind::region ? *g.children[0]
                         : c.kind == Kind::pic    ? *g.children[1]
                         : c.kind == Kind::string ? *s.root_group->children[1]
                                                  : g;
        EXPECT_EQ(c.get(s, res), c.expected);
    }
}

TEST(StyRecord, HeaderAndTypeBytesReadAsStored)
{
    StyWriter w;
    w.scene_num = -1;
    const size_t scene = w.Scene(1);
    w.Region(scene, 2, {});
    w.String(scene, 3);
    w.Group(scene, 4);
    w.Pic(scene, 5);
    StyleFile file;
    ASSERT_NE(file.ParseBytes(w.Write().bytes), 0);
    EXPECT_EQ(file.header.format, 0x01595453u);
    EXPECT_EQ(file.header.scene_num, -1);
    const auto& children = file.scenes[0]->root_group->children;
    ASSERT_EQ(children.size(), 4u);
    for (ResType type = RES_PIC_REGION; type <= RES_PIC; ++type) {
        const Res& res = *children[type - 1];
        EXPECT_EQ(res.GetType(), type);
        EXPECT_EQ(*static_cast<const uint8_t*>(res.record), type);
        EXPECT_EQ(res.GetId(), type + 1u);
    }
}

TEST(StyRecord, CheckedAccessThrowsTheNamedException)
{
    StyWriter w;
    const size_t scene = w.Scene(1);
    w.Region(scene, 2, {10, 11});
    StyleFile file;
    ASSERT_NE(file.ParseBytes(w.Write().bytes), 0);
    const Res& region = *file.scenes[0]->root_group->children[0];

    const std::function<void()> bad[] = {
        [&] { (void)file.scenes[1]; },
        [&] { (void)file.scenes.at(7); },
        [&] { (void)file.scenes[0]->root_group->children[1]; },
        [&] { (void)region.frames[2]; },
        [&] { (void)region.children[0]; },  // never given storage: counts 0
    };
    for (const auto& access : bad) {
        try {
            access();
            ADD_FAILURE() << "no exception";
        } catch (const std::out_of_range& e) {
            EXPECT_STREQ(e.what(), "invalid vector<T> subscript");
        }
    }
    EXPECT_EQ(region.frames[1], 11);
    // A record is read only as the kind it is.
    EXPECT_EQ(+region.GetRecord<PicRegionInfo>().frames_num, 2);
    EXPECT_THROW((void)region.GetRecord<PicInfo>(), std::logic_error);
}

}  // namespace
