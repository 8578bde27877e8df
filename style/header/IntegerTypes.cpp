#include "style/header/IntegerTypes.h"

namespace header {

const std::vector<std::string_view>& TypeKeywords()
{
    static const std::vector<std::string_view> keywords = {
        "signed", "unsigned", "char", "short", "int", "long", "__int8", "__int16",
        "__int32", "__int64", "const", "volatile", "enum",
    };
    return keywords;
}

const std::vector<std::pair<std::string_view, IntegerType>>& WellKnownTypeNames()
{
    constexpr IntegerType s8{8, true}, u8{8, false}, s16{16, true}, u16{16, false};
    constexpr IntegerType s32{32, true}, u32{32, false}, s64{64, true}, u64{64, false};
    static const std::vector<std::pair<std::string_view, IntegerType>> names = {
        {"int8_t", s8},       {"INT8", s8},          {"CHAR", s8},          {"CCHAR", s8},
        {"uint8_t", u8},      {"UINT8", u8},         {"BYTE", u8},          {"UCHAR", u8},
        {"BOOLEAN", u8},      {"int16_t", s16},      {"INT16", s16},        {"SHORT", s16},
        {"uint16_t", u16},    {"UINT16", u16},       {"WORD", u16},         {"USHORT", u16},
        {"ATOM", u16},        {"LANGID", u16},       {"WCHAR", u16},        {"wchar_t", u16},
        {"int32_t", s32},     {"INT", s32},          {"INT32", s32},        {"LONG", s32},
        {"LONG32", s32},      {"BOOL", s32},         {"HRESULT", s32},      {"NTSTATUS", s32},
        {"uint32_t", u32},    {"UINT", u32},         {"UINT32", u32},       {"DWORD", u32},
        {"DWORD32", u32},     {"ULONG", u32},        {"ULONG32", u32},      {"COLORREF", u32},
        {"LCID", u32},        {"int64_t", s64},      {"INT64", s64},        {"LONG64", s64},
        {"LONGLONG", s64},    {"INT_PTR", s64},      {"LONG_PTR", s64},     {"LPARAM", s64},
        {"LRESULT", s64},     {"SSIZE_T", s64},      {"intptr_t", s64},     {"ptrdiff_t", s64},
        {"intmax_t", s64},    {"uint64_t", u64},     {"UINT64", u64},       {"ULONG64", u64},
        {"DWORD64", u64},     {"ULONGLONG", u64},    {"UINT_PTR", u64},     {"ULONG_PTR", u64},
        {"DWORD_PTR", u64},   {"WPARAM", u64},       {"SIZE_T", u64},       {"size_t", u64},
        {"uintptr_t", u64},   {"uintmax_t", u64},
    };
    return names;
}

std::optional<IntegerType> CombineTypeWords(const TypeWord* words, size_t count)
{
    int nSigned = 0, nUnsigned = 0, nChar = 0, nShort = 0, nInt = 0, nLong = 0, nSized = 0, nNames = 0;
    unsigned sizedWidth = 0;
    IntegerType named;
    for (size_t i = 0; i < count; ++i) {
        const TypeWord& w = words[i];
        if (w.kind == TypeWord::Kind::OtherName)
            return std::nullopt;
        if (w.kind == TypeWord::Kind::IntegerName) {
            named = w.type;
            ++nNames;
            continue;
        }
        const std::string_view k = w.keyword;
        if (k == "const" || k == "volatile")
            continue;
        if (k == "signed")
            ++nSigned;
        else if (k == "unsigned")
            ++nUnsigned;
        else if (k == "char")
            ++nChar;
        else if (k == "short")
            ++nShort;
        else if (k == "int")
            ++nInt;
        else if (k == "long")
            ++nLong;
        else if (k == "__int8" || k == "__int16" || k == "__int32" || k == "__int64") {
            ++nSized;
            sizedWidth = k == "__int8" ? 8 : k == "__int16" ? 16 : k == "__int32" ? 32 : 64;
        } else {
            return std::nullopt;  // "enum" without its tag
        }
    }
    const int nKeywords = nSigned + nUnsigned + nChar + nShort + nInt + nLong + nSized;
    if (nNames)
        return nNames == 1 && nKeywords == 0 ? std::optional<IntegerType>(named) : std::nullopt;
    const bool valid = nKeywords > 0 && nSigned + nUnsigned <= 1 && nInt <= 1 && nLong <= 2 &&
        nChar + nShort + (nLong ? 1 : 0) + nSized <= 1 && !(nInt && (nChar || nSized));
    if (!valid)
        return std::nullopt;
    const bool isSigned = nUnsigned == 0;
    if (nChar)
        return IntegerType{8, isSigned};
    if (nShort)
        return IntegerType{16, isSigned};
    if (nSized)
        return IntegerType{static_cast<unsigned char>(sizedWidth), isSigned};
    if (nLong == 2)
        return IntegerType{64, isSigned};
    return IntegerType{32, isSigned};
}

IntegerType EnumType(int64_t lowest, int64_t highest)
{
    if (lowest < 0)
        return {static_cast<unsigned char>(lowest >= INT32_MIN && highest <= INT32_MAX ? 32 : 64), true};
    return {static_cast<unsigned char>(highest <= int64_t{UINT32_MAX} ? 32 : 64), false};
}

Value CastTo(Value v, IntegerType type)
{
    if (type.width == 64)
        return Value::Of(type.isSigned ? PromotedType::LongLong : PromotedType::ULongLong, v.bits);
    if (type.width == 32)
        return Value::Of(type.isSigned ? PromotedType::Int : PromotedType::UInt, v.bits);
    const uint64_t mask = (uint64_t{1} << type.width) - 1;
    uint64_t bits = v.bits & mask;
    if (type.isSigned && (bits >> (type.width - 1)))
        bits |= ~mask;
    return Value::Of(PromotedType::Int, bits);
}

}  // namespace header
