// Reads the integer names of a C header: object-like macros and enum
// members, with the values a C compiler would give them. The accepted
// syntax is described in docs/header-syntax.md.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace macro {

struct MacroName {
    std::string name;
    uint32_t id = 0;
};

// The names the header text defines as integers at its end, in the order
// of the definitions that hold there. Nothing when the text is not a C
// header at all (it holds a NUL byte: a binary or UTF-16 file).
std::optional<std::vector<MacroName>> ReadHeader(std::string_view text);

}  // namespace macro
