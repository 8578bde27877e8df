// The records of a parsed style document, field for field as they are stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

struct StyleHeader {
    uint32_t format;  // magic and version of the file format
    int32_t scene_num;
};

struct SceneInfo {
    uint32_t id;
    uint32_t offset;
    uint32_t size;
    int16_t x;
    int16_t y;
    uint16_t width;
    uint16_t height;
    uint32_t background_color;
    uint8_t visible;
    uint8_t opaque;
    uint16_t transparency;
    int32_t res_num;
    int32_t child_offset;
    uint8_t rotation;
    uint8_t keys[16];
};

#pragma pack(push, 1)
struct ResGroupInfo {
    uint8_t type;
    uint32_t id;
    uint32_t offset;
    int16_t abs_x;
    int16_t abs_y;
    int16_t x;
    int16_t y;
    uint16_t width;
    uint16_t height;
    uint32_t background_color;
    uint8_t visible;
    uint8_t opaque;
    uint16_t transparency;
    int32_t res_num;
    uint32_t child_offset;
};

struct PicRegionInfo {
    uint8_t type;
    uint32_t id;
    uint32_t offset;
    int16_t x;
    int16_t y;
    uint16_t width;
    uint16_t height;
    uint8_t visible;
    uint16_t frames_num;
    uint32_t pic_offset;
};

struct PicInfo {
    uint8_t type;
    uint32_t id;
    uint32_t offset;
    int16_t x;
    int16_t y;
    uint16_t width;
    uint16_t height;
    uint8_t visible;
    uint16_t pic_id;
};

struct StringInfo {
    uint8_t type;
    uint32_t id;
    uint32_t offset;
    int16_t x;
    int16_t y;
    uint16_t width;
    uint16_t height;
    uint32_t foreground_color;
    uint32_t background_color;
    uint8_t visible;
    uint8_t text_align;
    uint8_t mode;
    uint8_t font_height;
    uint16_t string_id;
    uint8_t text_scroll;
    int8_t scroll_direct;
    uint16_t scroll_space;
    uint16_t scroll_pixel;
};
#pragma pack(pop)

// Every field at its stored offset with its stored width and sign.
#define LORVEX_FIELD(R, f, off, T) \
    static_assert(offsetof(R, f) == (off) && std::is_same_v<decltype(R::f), T>, #R "::" #f)

LORVEX_FIELD(StyleHeader, format, 0, uint32_t);
LORVEX_FIELD(StyleHeader, scene_num, 4, int32_t);
static_assert(sizeof(StyleHeader) == 8);

LORVEX_FIELD(SceneInfo, id, 0, uint32_t);
LORVEX_FIELD(SceneInfo, offset, 4, uint32_t);
LORVEX_FIELD(SceneInfo, size, 8, uint32_t);
LORVEX_FIELD(SceneInfo, x, 12, int16_t);
LORVEX_FIELD(SceneInfo, y, 14, int16_t);
LORVEX_FIELD(SceneInfo, width, 16, uint16_t);
LORVEX_FIELD(SceneInfo, height, 18, uint16_t);
LORVEX_FIELD(SceneInfo, background_color, 20, uint32_t);
LORVEX_FIELD(SceneInfo, visible, 24, uint8_t);
LORVEX_FIELD(SceneInfo, opaque, 25, uint8_t);
LORVEX_FIELD(SceneInfo, transparency, 26, uint16_t);
LORVEX_FIELD(SceneInfo, res_num, 28, int32_t);
LORVEX_FIELD(SceneInfo, child_offset, 32, int32_t);
LORVEX_FIELD(SceneInfo, rotation, 36, uint8_t);
LORVEX_FIELD(SceneInfo, keys, 37, uint8_t[16]);
static_assert(sizeof(SceneInfo) == 56);  // 53 bytes of fields, tail padding to 4

LORVEX_FIELD(ResGroupInfo, type, 0, uint8_t);
LORVEX_FIELD(ResGroupInfo, id, 1, uint32_t);
LORVEX_FIELD(ResGroupInfo, offset, 5, uint32_t);
LORVEX_FIELD(ResGroupInfo, abs_x, 9, int16_t);
LORVEX_FIELD(ResGroupInfo, abs_y, 11, int16_t);
LORVEX_FIELD(ResGroupInfo, x, 13, int16_t);
LORVEX_FIELD(ResGroupInfo, y, 15, int16_t);
LORVEX_FIELD(ResGroupInfo, width, 17, uint16_t);
LORVEX_FIELD(ResGroupInfo, height, 19, uint16_t);
LORVEX_FIELD(ResGroupInfo, background_color, 21, uint32_t);
LORVEX_FIELD(ResGroupInfo, visible, 25, uint8_t);
LORVEX_FIELD(ResGroupInfo, opaque, 26, uint8_t);
LORVEX_FIELD(ResGroupInfo, transparency, 27, uint16_t);
LORVEX_FIELD(ResGroupInfo, res_num, 29, int32_t);
LORVEX_FIELD(ResGroupInfo, child_offset, 33, uint32_t);
static_assert(sizeof(ResGroupInfo) == 37);

LORVEX_FIELD(PicRegionInfo, type, 0, uint8_t);
LORVEX_FIELD(PicRegionInfo, id, 1, uint32_t);
LORVEX_FIELD(PicRegionInfo, offset, 5, uint32_t);
LORVEX_FIELD(PicRegionInfo, x, 9, int16_t);
LORVEX_FIELD(PicRegionInfo, y, 11, int16_t);
LORVEX_FIELD(PicRegionInfo, width, 13, uint16_t);
LORVEX_FIELD(PicRegionInfo, height, 15, uint16_t);
LORVEX_FIELD(PicRegionInfo, visible, 17, uint8_t);
LORVEX_FIELD(PicRegionInfo, frames_num, 18, uint16_t);
LORVEX_FIELD(PicRegionInfo, pic_offset, 20, uint32_t);
static_assert(sizeof(PicRegionInfo) == 24);

LORVEX_FIELD(PicInfo, type, 0, uint8_t);
LORVEX_FIELD(PicInfo, id, 1, uint32_t);
LORVEX_FIELD(PicInfo, offset, 5, uint32_t);
LORVEX_FIELD(PicInfo, x, 9, int16_t);
LORVEX_FIELD(PicInfo, y, 11, int16_t);
LORVEX_FIELD(PicInfo, width, 13, uint16_t);
LORVEX_FIELD(PicInfo, height, 15, uint16_t);
LORVEX_FIELD(PicInfo, visible, 17, uint8_t);
LORVEX_FIELD(PicInfo, pic_id, 18, uint16_t);
static_assert(sizeof(PicInfo) == 20);

LORVEX_FIELD(StringInfo, type, 0, uint8_t);
LORVEX_FIELD(StringInfo, id, 1, uint32_t);
LORVEX_FIELD(StringInfo, offset, 5, uint32_t);
LORVEX_FIELD(StringInfo, x, 9, int16_t);
LORVEX_FIELD(StringInfo, y, 11, int16_t);
LORVEX_FIELD(StringInfo, width, 13, uint16_t);
LORVEX_FIELD(StringInfo, height, 15, uint16_t);
LORVEX_FIELD(StringInfo, foreground_color, 17, uint32_t);
LORVEX_FIELD(StringInfo, background_color, 21, uint32_t);
LORVEX_FIELD(StringInfo, visible, 25, uint8_t);
LORVEX_FIELD(StringInfo, text_align, 26, uint8_t);
LORVEX_FIELD(StringInfo, mode, 27, uint8_t);
LORVEX_FIELD(StringInfo, font_height, 28, uint8_t);
LORVEX_FIELD(StringInfo, string_id, 29, uint16_t);
LORVEX_FIELD(StringInfo, text_scroll, 31, uint8_t);
LORVEX_FIELD(StringInfo, scroll_direct, 32, int8_t);
LORVEX_FIELD(StringInfo, scroll_space, 33, uint16_t);
LORVEX_FIELD(StringInfo, scroll_pixel, 35, uint16_t);
static_assert(sizeof(StringInfo) == 37);

#undef LORVEX_FIELD
