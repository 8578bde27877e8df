// The Name/Value rows of each kind of node, as data: the dialog's list and
// any printout show exactly these, in this order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "framework/core/String.h"
#include "style/Records.h"

// Ids, offsets, sizes and colours show in hexadecimal ("0x%.8x"), every
// other field in decimal ("%d").
enum class RowFormat : uint8_t { Dec, Hex };

struct PropertyRow {
    const char* name;
    RowFormat format;
    // The field widened to 32 bits: sign-extended when the field is signed,
    // zero-extended otherwise. Dec shows it as a signed 32-bit value.
    uint32_t value;
};

// Widens a record field of up to 32 bits as its row shows it.
template <class T>
constexpr uint32_t WidenField(T field)
{
    static_assert(std::is_integral_v<T> && sizeof(T) <= 4);
    if constexpr (std::is_signed_v<T>)
        return static_cast<uint32_t>(static_cast<int32_t>(field));
    else
        return static_cast<uint32_t>(field);
}

// The rows of one node; a scene has the most, 30.
class PropertyRows {
public:
    static constexpr size_t kMaxRows = 30;
    // Names are fixed texts, of at most this many characters ("background
    // color"), so that a printout can size its room for the rows in advance.
    static constexpr size_t kMaxNameLength = 16;

    template <size_t N, class T>
    void Add(const char (&name)[N], RowFormat format, T field)
    {
        static_assert(N - 1 <= kMaxNameLength, "a row name longer than kMaxNameLength");
        m_rows[m_count++] = PropertyRow{name, format, WidenField(field)};
    }

    const PropertyRow* begin() const { return m_rows.data(); }
    const PropertyRow* end() const { return m_rows.data() + m_count; }
    size_t size() const { return m_count; }
    const PropertyRow& operator[](size_t i) const { return m_rows[i]; }

private:
    std::array<PropertyRow, kMaxRows> m_rows{};
    size_t m_count = 0;
};

PropertyRows FileRows(const StyleHeader& header);
PropertyRows SceneRows(const SceneInfo& info);
PropertyRows ResGroupRows(const ResGroupInfo& record);
PropertyRows PicRegionRows(const PicRegionInfo& record);
PropertyRows PicRows(const PicInfo& record);
PropertyRows StringRows(const StringInfo& record);
// Frame rows: the region's id, position and size, then the frame's pic id.
PropertyRows FrameRows(const PicRegionInfo& region, uint16_t picId);

// The value column's text of a row, written into out (room for 16 bytes
// is enough: "0x" and 8 digits, or a sign and 10 digits); returns its
// length.
size_t FormatRowValue(const PropertyRow& row, char (&out)[16]);
CString RowValueText(const PropertyRow& row);
