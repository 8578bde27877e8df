// The records of a parsed style document, field for field as they are stored.
#pragma once

#include <cstddef>
#include <cstdint>

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

static_assert(offsetof(SceneInfo, rotation) == 36 && offsetof(SceneInfo, keys) == 37);
static_assert(sizeof(ResGroupInfo) == 37 && offsetof(ResGroupInfo, id) == 1);
static_assert(sizeof(PicRegionInfo) == 24 && offsetof(PicRegionInfo, pic_offset) == 20);
static_assert(sizeof(PicInfo) == 20 && offsetof(PicInfo, pic_id) == 18);
static_assert(sizeof(StringInfo) == 37 && offsetof(StringInfo, scroll_direct) == 32);
