// A preprocessing token of a macro's definition or of an expansion. Text
// is lexed once, when it is defined or read: a name carries its symbol, a
// parameter its index. Every token of every macro body is kept, so a token
// is kept to 16 bytes.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace header {

using SymbolId = uint32_t;
constexpr SymbolId kNoSymbol = UINT32_MAX;

struct MacroToken {
    enum class Kind : unsigned char {
        Name,
        Number,
        Character,
        String,
        Punctuator,
        Other,        // a byte that starts no token
        Parameter,    // in a function-like macro's body: index is the parameter
        VaOpt,        // in a variadic macro's body: __VA_OPT__
        Operand,      // in an expansion: a value worked out before, index is its place
        Placemarker,  // while ## is applied: an empty argument
    };
    // A token longer than this (128 MiB) is no integer and names nothing
    // the reader can use: it is kept as Kind::Other.
    static constexpr uint32_t kMaxLength = (uint32_t{1} << 27) - 1;

    MacroToken() : MacroToken(Kind::Other, {}) {}
    MacroToken(Kind k, std::string_view text, uint32_t i = 0)
        : spelling(text.data()),
          index(i),
          length(static_cast<uint32_t>(std::min<size_t>(text.size(), kMaxLength))),
          kind(text.size() > kMaxLength ? Kind::Other : k),
          painted(false)
    {
    }

    // The spelling; an Operand's only when it is one literal.
    std::string_view Text() const { return {spelling, length}; }
    bool Is(std::string_view punctuator) const { return kind == Kind::Punctuator && Text() == punctuator; }

    const char* spelling;
    uint32_t index;  // Name: its symbol (kNoSymbol if it has none); Parameter, Operand: as above
    uint32_t length : 27;
    Kind kind : 4;
    bool painted : 1;  // a macro's name met inside its own expansion: never expanded again
};

}  // namespace header
