// Integer constant expressions as a C compiler for 64-bit Windows computes
// them: int and long are 32 bits, long long 64. The evaluator keeps explicit
// stacks, so deeply nested input costs memory, not call depth.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace macro {

// The four types an integer expression can have after promotion; long and
// unsigned long have the values of int and unsigned int here.
enum class IntType : unsigned char { Int, UInt, LongLong, ULongLong };

struct Value {
    IntType type = IntType::Int;
    uint64_t bits = 0;  // signed types sign-extended to 64 bits, UInt zero-extended

    // Inline, as the reader makes one for nearly every token.
    static Value Of(IntType type, uint64_t bits)
    {
        if (type == IntType::Int)
            bits = static_cast<uint64_t>(static_cast<int64_t>(static_cast<int32_t>(bits)));
        else if (type == IntType::UInt)
            bits &= 0xFFFFFFFFu;
        return Value{type, bits};
    }
    bool IsSigned() const { return type == IntType::Int || type == IntType::LongLong; }
    bool IsZero() const { return bits == 0; }
    // The value as a 32-bit id, or nothing when it lies outside
    // [-2^31, 2^32): negative values map to their two's complement.
    std::optional<uint32_t> ToId() const
    {
        const int64_t s = static_cast<int64_t>(bits);
        if (IsSigned() ? s < INT32_MIN || s > int64_t{0xFFFFFFFF} : bits > 0xFFFFFFFFu)
            return std::nullopt;
        return static_cast<uint32_t>(bits);
    }
};

enum class EvalMode : unsigned char {
    Constant,   // an expression in C code: casts allowed, C's types
    Condition,  // an #if condition: every value is (unsigned) long long
};

// An integer literal (12, 0x1Fu, 017, 0b101, 42ull ...); nothing for
// floating values, bad digits, unknown suffixes or values beyond 64 bits.
std::optional<Value> ParseIntegerLiteral(std::string_view text);
// A plain character constant ('a', '\n', '\x41'); nothing for prefixed,
// empty or multi-character constants.
std::optional<Value> ParseCharacterConstant(std::string_view text);

// One token of a fully expanded expression.
struct ExprToken {
    enum class Kind : unsigned char { Value, Punct, Name } kind;
    Value value;            // Kind::Value
    std::string_view text;  // Kind::Punct and Kind::Name (type words in casts)
};

// The words that can make up a type in a cast: keywords such as unsigned or
// long, and fixed-width and Windows type names (DWORD, UINT32).
std::vector<std::string_view> TypeWords();

// Evaluates expressions; it keeps its stacks between calls so that many
// small evaluations do not allocate.
class Evaluator {
public:
    // The value, or nothing on any error: a syntax error, a name that is not
    // a type in a cast, division by zero, signed overflow, a shift count that
    // is negative or not below the width.
    std::optional<Value> Evaluate(const std::vector<ExprToken>& tokens, EvalMode mode);

private:
    struct PendingOp {
        unsigned char op;
        unsigned char castWidth;  // for casts: 8, 16, 32 or 64
        bool castSigned;
    };
    bool Reduce(EvalMode mode);

    std::vector<Value> m_values;
    std::vector<PendingOp> m_ops;
};

}  // namespace macro
