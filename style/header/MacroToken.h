// A preprocessing token of a macro's definition or of an expansion. Text
// is lexed once, when it is defined or read: a name carries its symbol, a
// parameter its index.
#pragma once

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
    std::string_view text;   // the spelling; an Operand's only when it is one literal
    uint32_t index = 0;      // Name: its symbol (kNoSymbol if it has none); Parameter, Operand: as above
    Kind kind = Kind::Other;
    bool painted = false;    // a macro's name met inside its own expansion: never expanded again

    bool Is(std::string_view punctuator) const { return kind == Kind::Punctuator && text == punctuator; }
};

}  // namespace header
