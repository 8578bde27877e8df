// Integer values with their C types, as a C compiler for 64-bit Windows
// sees them: int and long are 32 bits, long long 64.
#pragma once

#include <cstdint>
#include <optional>

namespace header {

// The four types an integer expression can have after promotion; long and
// unsigned long have the values of int and unsigned int here.
enum class PromotedType : unsigned char { Int, UInt, LongLong, ULongLong };

inline bool IsUnsigned(PromotedType t)
{
    return t == PromotedType::UInt || t == PromotedType::ULongLong;
}

inline unsigned WidthOf(PromotedType t)
{
    return t == PromotedType::Int || t == PromotedType::UInt ? 32 : 64;
}

// The usual arithmetic conversions of C for two promoted operands.
inline PromotedType CommonType(PromotedType a, PromotedType b)
{
    if (WidthOf(a) != WidthOf(b))
        return WidthOf(a) > WidthOf(b) ? a : b;  // long long holds every unsigned int
    if (!IsUnsigned(a) && !IsUnsigned(b))
        return a;
    return WidthOf(a) == 32 ? PromotedType::UInt : PromotedType::ULongLong;
}

struct Value {
    PromotedType type = PromotedType::Int;
    uint64_t bits = 0;  // signed types sign-extended to 64 bits, UInt zero-extended

    // The value of that type with those low bits.
    static Value Of(PromotedType type, uint64_t bits)
    {
        if (type == PromotedType::Int)
            bits = static_cast<uint64_t>(static_cast<int64_t>(static_cast<int32_t>(bits)));
        else if (type == PromotedType::UInt)
            bits &= 0xFFFFFFFFu;
        return Value{type, bits};
    }
    Value ConvertedTo(PromotedType to) const { return Of(to, bits); }
    bool IsSigned() const { return !IsUnsigned(type); }
    bool IsZero() const { return bits == 0; }
    int64_t AsSigned() const { return static_cast<int64_t>(bits); }

    // The value as a 32-bit id, or nothing when it lies outside
    // [-2^31, 2^32): negative values map to their two's complement.
    std::optional<uint32_t> ToId() const
    {
        const bool inRange = IsSigned() ? AsSigned() >= INT32_MIN && AsSigned() <= int64_t{UINT32_MAX}
                                        : bits <= UINT32_MAX;
        if (!inRange)
            return std::nullopt;
        return static_cast<uint32_t>(bits);
    }
};

}  // namespace header
