// Reads the integer names of a C header: object-like macros and enum
// members, with the values a C compiler would give them. The accepted
// syntax is described in docs/header-syntax.md.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace header {

// Calls onName for each name that the header text defines as an integer
// at its end, in the order of the definitions that hold there; each name
// comes once. False, with no call, when the text is not a C header at all:
// it holds a NUL byte (a binary or UTF-16 file), or it is 4 GiB or larger.
bool ReadHeader(std::string text, const std::function<void(std::string_view name, uint32_t id)>& onName);

}  // namespace header
