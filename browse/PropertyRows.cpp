#include "browse/PropertyRows.h"

#include <charconv>
#include <cstring>

namespace {

constexpr RowFormat Dec = RowFormat::Dec;
constexpr RowFormat Hex = RowFormat::Hex;

const char kKeyNames[16][6] = {"Key0", "Key1", "Key2",  "Key3",  "Key4",  "Key5",  "Key6",  "Key7",
                               "Key8", "Key9", "Key10", "Key11", "Key12", "Key13", "Key14", "Key15"};
static_assert(sizeof(kKeyNames) / sizeof(kKeyNames[0]) == sizeof(SceneInfo::keys));

// The three fields every resource record begins with.
template <class Record>
void AddRecordHead(PropertyRows& rows, const Record& record)
{
    rows.Add("type", Dec, record.type);
    rows.Add("id", Hex, record.id);
    rows.Add("offset", Hex, record.offset);
}

// Position and size, in the order every record keeps them.
template <class Record>
void AddPlacement(PropertyRows& rows, const Record& record)
{
    rows.Add("x", Dec, record.x);
    rows.Add("y", Dec, record.y);
    rows.Add("width", Dec, record.width);
    rows.Add("height", Dec, record.height);
}

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
    AddPlacement(rows, info);
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
    AddRecordHead(rows, record);
    rows.Add("abs_x", Dec, record.abs_x);
    rows.Add("abs_y", Dec, record.abs_y);
    AddPlacement(rows, record);
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
    AddRecordHead(rows, record);
    AddPlacement(rows, record);
    rows.Add("visible", Dec, record.visible);
    rows.Add("frames num", Dec, record.frames_num);
    rows.Add("pic offset", Hex, record.pic_offset);
    return rows;
}

PropertyRows PicRows(const PicInfo& record)
{
    PropertyRows rows;
    AddRecordHead(rows, record);
    AddPlacement(rows, record);
    rows.Add("visible", Dec, record.visible);
    rows.Add("pic id", Dec, record.pic_id);
    return rows;
}

PropertyRows StringRows(const StringInfo& record)
{
    PropertyRows rows;
    AddRecordHead(rows, record);
    AddPlacement(rows, record);
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
    AddPlacement(rows, region);
    rows.Add("pic id", Dec, picId);
    return rows;
}

size_t FormatRowValue(const PropertyRow& row, char (&out)[16])
{
    // As "0x%.8x" and "%d" print them; to_chars because a dump formats
    // tens of millions of rows, where printf's parsing of its format
    // dominated the time.
    char* end;
    if (row.format == RowFormat::Hex) {
        out[0] = '0';
        out[1] = 'x';
        char digits[8];
        char* const last = std::to_chars(digits, digits + sizeof digits, row.value, 16).ptr;
        const size_t count = static_cast<size_t>(last - digits);
        std::memset(out + 2, '0', 8 - count);
        std::memcpy(out + 2 + 8 - count, digits, count);
        end = out + 10;
    } else {
        end = std::to_chars(out, out + sizeof out - 1, static_cast<int32_t>(row.value)).ptr;
    }
    *end = '\0';
    return static_cast<size_t>(end - out);
}

CString RowValueText(const PropertyRow& row)
{
    char text[16];
    FormatRowValue(row, text);
    return CString(text);
}
