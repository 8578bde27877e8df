// Enum declarations in the header's code: enum [tag] [: type] { NAME
// [= value], ... }. Each member becomes a name with its value; a tag
// becomes a type that casts may name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "style/header/IntegerTypes.h"
#include "style/header/Lexer.h"
#include "style/header/MacroExpander.h"
#include "style/header/NameTable.h"

namespace header {

class EnumScanner {
public:
    // text is the header's text, which the tokens read are part of.
    EnumScanner(NameTable& names, MacroExpander& expander, std::string_view text)
        : m_names(names), m_expander(expander), m_text(text)
    {
    }

    // Whether an enum declaration is open. When none is, a code line
    // without "enum" has nothing for the scanner.
    bool InEnum() const { return m_state != State::Idle; }
    // The next token of the code, in file order.
    void Read(const Token& tok);
    // The type of the enum whose body closed last: its fixed type, or the
    // one gcc gives its members; nothing when a member's value is unknown.
    std::optional<IntegerType> LastEnumType() const { return m_lastType; }

private:
    enum class State : unsigned char { Idle, Head, BaseType, ExpectName, AfterName, Initializer };
    void StartMembers();
    void EndMember();
    void EndEnum();

    NameTable& m_names;
    MacroExpander& m_expander;
    std::string_view m_text;

    State m_state = State::Idle;
    std::string_view m_tag;
    std::vector<std::string_view> m_baseWords;
    std::optional<IntegerType> m_baseType;
    std::string_view m_member;
    const char* m_initBegin = nullptr;  // the member's value, as text
    const char* m_initEnd = nullptr;
    size_t m_initDepth = 0;
    bool m_memberBroken = false;
    std::optional<Value> m_nextValue;
    Failure m_nextFailure;  // why there is no next value
    // What the members so far say of the enum's type.
    bool m_allKnown = true;
    size_t m_knownMembers = 0;
    int64_t m_lowest = 0, m_highest = 0;
    std::optional<IntegerType> m_lastType;
};

}  // namespace header
