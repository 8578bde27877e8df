// Reads the integer names of a C header: object-like macros and enum
// members, with the values a C compiler would give them, and says why each
// other definition gives none. The accepted syntax is described in
// docs/header-syntax.md.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace header {

// A definition that holds at the end of the header and gives no name.
struct SkippedDefinition {
    uint32_t line;          // of its name, counted from 1 in the file as written
    std::string_view name;
    std::string reason;     // "uses sizeof", as docs/header-syntax.md lists them
};

using NameHandler = std::function<void(std::string_view name, uint32_t id)>;
using SkipHandler = std::function<void(const SkippedDefinition& skipped)>;

// Calls onName for each name that the header text defines as an integer
// at its end, in the order of the definitions that hold there; each name
// comes once. Calls onSkip, if given, for each of the other definitions
// that hold there, in file order. False, with no call, when the text is
// not a C header at all: it holds a NUL byte (a binary or UTF-16 file), or
// it is 4 GiB or larger.
bool ReadHeader(std::string text, const NameHandler& onName, const SkipHandler& onSkip = nullptr);

}  // namespace header
