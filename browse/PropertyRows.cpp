#include "browse/PropertyRows.h"

#include <cinttypes>
#include <cstdio>

namespace {

constexpr RowFormat Dec = RowFormat::Dec;
constexpr RowFormat Hex = RowFormat::Hex;

const char* const kKeyNames[16] = {"Key0", "Key1", "Key2",  "Key3",  "Key4",  "Key5",  "Key6",  "Key7",
                                            "Key8", "Key9", "Key10", "Key11", "Key12", "Key13", "Key14", "Key15"};
static_assert(sizeof(kKeyNames) / sizeof(kKeyNames[0]) == sizeof(SceneInfo::keys));

}  // namespace

PropertyRows FileRows(const StyleHeader& header)
{
    PropertyRows rows;
    rows.Add("scene num", Dec, header.scene_num);
    return rows;
}

PropertyRows SceneRows(const SceneInfo& info)
{
    PropertyRows rows;
    rows.Add("id", Hex, info.id);
    rows.Add("offset", Hex, info.offset);
    rows.Add("size", Hex, info.size);
    rows.Add("x", Dec, info.x);
    rows.Add("y", Dec, info.y);
    rows.Add("width", Dec, info.width);
    rows.Add("height", Dec, info.height);
    rows.Add("background color", Hex, info.background_color);
    rows.Add("visible", Dec, info.visible);
    rows.Add("opaque", Dec, info.opaque);
    rows.Add("transparency", Dec, info.transparency);
    rows.Add("res num", Dec, info.res_num);
    rows.Add("child offset", Dec, info.child_offset);
    rows.Add("rotation", Dec, info.rotation);
    for (size_t i = 0; i < sizeof(info.keys); ++i)
        rows.Add(kKeyNames[i], Dec, info.keys[i]);
    return rows;
}

PropertyRows ResGroupRows(const ResGroupInfo& record)
{
    PropertyRows rows;
    rows.Add("type", Dec, record.type);
    rows.Add("id", Hex, record.id);
    rows.Add("offset", Hex, record.offset);
    rows.Add("abs_x", Dec, record.abs_x);
    rows.Add("abs_y", Dec, record.abs_y);
    rows.Add("x", Dec, record.x);
    rows.Add("y", Dec, record.y);
    rows.Add("width", Dec, record.width);
    rows.Add("height", Dec, record.height);
    rows.Add("background color", Hex, record.background_color);
    rows.Add("visible", Dec, record.visible);
    rows.Add("opaque", Dec, record.opaque);
    rows.Add("transparency", Dec, record.transparency);
    rows.Add("res num", Dec, record.res_num);
    rows.Add("child offset", Hex, record.child_offset);
    return rows;
}

PropertyRows PicRegionRows(const PicRegionInfo& record)
{
    PropertyRows rows;
    rows.Add("type", Dec, record.type);
    rows.Add("id", Hex, record.id);
    rows.Add("offset", Hex, record.offset);
    rows.Add("x", Dec, record.x);
    rows.Add("y", Dec, record.y);
    rows.Add("width", Dec, record.width);
    rows.Add("height", Dec, record.height);
    rows.Add("visible", Dec, record.visible);
    rows.Add("frames num", Dec, record.frames_num);
    rows.Add("pic offset", Hex, record.pic_offset);
    return rows;
}

PropertyRows PicRows(const PicInfo& record)
{
    PropertyRows rows;
    rows.Add("type", Dec, record.type);
    rows.Add("id", Hex, record.id);
    rows.Add("offset", Hex, record.offset);
    rows.Add("x", Dec, record.x);
    rows.Add("y", Dec, record.y);
    rows.Add("width", Dec, record.width);
    rows.Add("height", Dec, record.height);
    rows.Add("visible", Dec, record.visible);
    rows.Add("pic id", Dec, record.pic_id);
    return rows;
}

PropertyRows StringRows(const StringInfo& record)
{
    PropertyRows rows;
    rows.Add("type", Dec, record.type);
    rows.Add("id", Hex, record.id);
    rows.Add("offset", Hex, record.offset);
    rows.Add("x", Dec, record.x);
    rows.Add("y", Dec, record.y);
    rows.Add("width", Dec, record.width);
    rows.Add("height", Dec, record.height);
    rows.Add("forground color", Hex, record.foreground_color);
    rows.Add("background color", Hex, record.background_color);
    rows.Add("visible", Dec, record.visible);
    rows.Add("text align", Dec, record.text_align);
    rows.Add("mode", Dec, record.mode);
    rows.Add("font height", Dec, record.font_height);
    rows.Add("string id", Dec, record.string_id);
    rows.Add("text scroll", Dec, record.text_scroll);
    rows.Add("scroll direct", Dec, record.scroll_direct);
    rows.Add("scroll space", Dec, record.scroll_space);
    rows.Add("scroll pixel", Dec, record.scroll_pixel);
    return rows;
}

PropertyRows FrameRows(const PicRegionInfo& region, uint16_t picId)
{
    PropertyRows rows;
    rows.Add("id", Hex, region.id);
    rows.Add("x", Dec, region.x);
    rows.Add("y", Dec, region.y);
    rows.Add("width", Dec, region.width);
    rows.Add("height", Dec, region.height);
    rows.Add("pic id", Dec, picId);
    return rows;
}

size_t FormatRowValue(const PropertyRow& row, char (&out)[16])
{
    const int length = row.format == RowFormat::Hex
                           ? std::snprintf(out, sizeof out, "0x%.8" PRIx32, row.value)
                           : std::snprintf(out, sizeof out, "%" PRId32, static_cast<int32_t>(row.value));
    return static_cast<size_t>(length);
}

CString RowValueText(const PropertyRow& row)
{
    char text[16];
    FormatRowValue(row, text);
    return CString(text);
}
