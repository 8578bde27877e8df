// The integer types a cast can name: C's keywords, the fixed-width and
// Windows names the reader knows by heart, the header's own typedefs and
// enum types.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "style/header/IntegerValue.h"

namespace header {

struct IntegerType {
    unsigned char width = 32;  // 8, 16, 32 or 64
    bool isSigned = true;
};

// One word of a cast's type or of a typedef's specifiers: a keyword such as
// unsigned or long, or a name that stands for a type as a whole.
struct TypeWord {
    enum class Kind : unsigned char {
        Keyword,
        IntegerName,  // a typedef or well-known name of an integer type
        OtherName,    // a type that is no integer: a pointer, a struct ...
    };
    Kind kind = Kind::Keyword;
    std::string_view keyword;  // Kind::Keyword
    IntegerType type;          // Kind::IntegerName
};

// The keywords that can make up an integer type, with const and volatile;
// "enum" comes with a tag, which the caller turns into a name.
const std::vector<std::string_view>& TypeKeywords();

// The type names the reader knows without the header declaring them
// (uint32_t, DWORD, WPARAM ...), with their widths on 64-bit Windows.
const std::vector<std::pair<std::string_view, IntegerType>>& WellKnownTypeNames();

// The integer type the words name together, or nothing when they do not
// name one ("long char", a name with a keyword, a struct).
std::optional<IntegerType> CombineTypeWords(const TypeWord* words, size_t count);

// The type gcc gives an enum without a fixed type whose members lie
// between lowest and highest: unsigned int when none is negative, int
// otherwise, 64 bits when 32 do not hold them.
IntegerType EnumType(int64_t lowest, int64_t highest);

// The value converted to the type, promoted as C promotes it: types
// narrower than int become int.
Value CastTo(Value v, IntegerType type);

}  // namespace header
