// Typedef declarations in the header's code: typedef specifiers
// declarator [, declarator ...] ; A name declared as an integer type
// (directly, through an earlier typedef or as an enum) is a type that casts
// may name; one declared as a pointer, array, function, struct or union is
// a type that is not.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "style/header/EnumScanner.h"
#include "style/header/IntegerTypes.h"
#include "style/header/Lexer.h"
#include "style/header/NameTable.h"

namespace header {

class TypedefScanner {
public:
    TypedefScanner(NameTable& names, const EnumScanner& enums) : m_names(names), m_enums(enums) {}

    // Whether a typedef is open. When none is, a code line without
    // "typedef" has nothing for the scanner.
    bool InTypedef() const { return m_open; }
    // The next token of the code, in file order, after the enum scanner
    // has read it: a typedef of an enum takes the type that the enum's
    // closing brace settles.
    void Read(const Token& tok);

private:
    struct Item {
        enum class Kind : unsigned char { Word, Punctuator, Type } kind;
        std::string_view text;  // Word, Punctuator
        TypeWord type;          // Type: what an enum, struct or union body declares
    };
    void EndTypedef();
    void Declare(size_t begin, size_t end, const std::optional<TypeWord>& base);
    std::optional<TypeWord> Specifiers(size_t begin, size_t end) const;
    size_t PieceEnd(size_t begin) const;

    NameTable& m_names;
    const EnumScanner& m_enums;

    bool m_open = false;
    size_t m_depth = 0;
    size_t m_bodyStart = 0;
    std::vector<Item> m_items;  // what the typedef holds outside brackets
};

}  // namespace header
