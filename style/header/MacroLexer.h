// Text lexed once into macro tokens: the rest of a #define line after the
// macro's name, or the text of a condition or an enum member's value.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "style/header/MacroToken.h"

namespace header {

class NameTable;

struct MacroShape {
    uint32_t parameterCount = 0;  // with __VA_ARGS__ as the last
    bool variadic = false;
    bool pastes = false;     // the body holds ##
    bool malformed = false;  // C rejects the definition: a bad parameter list, # without a parameter ...
};

// Appends the replacement list to body, its names interned in names. A
// function-like definition starts with its parameter list.
MacroShape LexMacroDefinition(std::string_view rest, bool functionLike, NameTable& names,
                              std::vector<MacroToken>& body);

// Appends the tokens of text to out; a name carries its symbol, or
// kNoSymbol when names has none for it.
void LexText(std::string_view text, const NameTable& names, std::vector<MacroToken>& out);

}  // namespace header
