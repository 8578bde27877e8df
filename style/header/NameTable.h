// Every name the header gives a meaning: macros, enum members, type names
// and enum tags, with the order in which the file defines them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "style/header/IntegerTypes.h"
#include "style/header/IntegerValue.h"

namespace header {

using SymbolId = uint32_t;

// An answer that may depend on how the including program is configured.
enum class Tri : unsigned char { False, True, Unknown };

// Kept small: a large header has a hundred thousand of them, and on a
// fresh process every page of them costs a page fault. Positions are 32
// bits, as the text is shorter than 4 GiB.
struct Symbol {
    std::string_view name;
    std::string_view body;  // as a macro: its replacement text

    // As an enum member, with its value when it could be computed.
    uint64_t enumBits = 0;
    IntType enumType = IntType::Int;
    bool isEnumMember = false;
    bool enumValueKnown = false;

    // As a macro. Mentioned: a #define or #undef of the file names it, so
    // the file says whether it is defined. Undecided: the last of them was
    // made in a branch the file cannot decide, and the reading has left it.
    bool isMacro = false;
    bool functionLike = false;
    bool mentioned = false;
    bool undecided = false;

    // As a word of a type: a keyword, or a name of an integer type or of
    // another type.
    bool isTypeWord = false;
    TypeWord::Kind typeWordKind = TypeWord::Kind::Keyword;
    IntegerType type;  // TypeWord::Kind::IntegerName

    // As an enum tag, with the enum's type when it is one the reader can tell.
    bool isEnumTag = false;
    bool tagTypeKnown = false;
    IntegerType tagType;

    // Positions of the latest definitions in NameTable::Definitions().
    uint32_t macroDefinition = 0;
    uint32_t enumDefinition = 0;

    std::optional<Value> EnumValue() const
    {
        return enumValueKnown ? std::optional<Value>(Value{enumType, enumBits}) : std::nullopt;
    }
    std::optional<TypeWord> AsTypeWord() const
    {
        if (!isTypeWord)
            return std::nullopt;
        return TypeWord{typeWordKind, typeWordKind == TypeWord::Kind::Keyword ? name : std::string_view(), type};
    }
    std::optional<IntegerType> TagType() const
    {
        return isEnumTag && tagTypeKnown ? std::optional<IntegerType>(tagType) : std::nullopt;
    }
};

class NameTable {
public:
    // Starts with the type keywords and the well-known type names, with
    // room for the given number of names.
    explicit NameTable(size_t expectedNames);

    std::optional<SymbolId> Find(std::string_view name) const;
    // The symbol of the name, added without a meaning if it is new.
    SymbolId Intern(std::string_view name);
    const Symbol& operator[](SymbolId id) const { return m_symbols[id]; }
    size_t Size() const { return m_symbols.size(); }
    // The number of names there is room for before the table must grow.
    size_t Capacity() const { return m_symbols.capacity(); }

    // Whether the name is a macro here, as far as the file can tell.
    Tri IsDefined(std::string_view name) const;
    // What the name says as a word of a declaration's type; nothing for a
    // name the reader does not know as one, or that a macro hides (it may
    // stand for anything).
    std::optional<TypeWord> TypeWordOf(std::string_view name) const;

    void DefineMacro(SymbolId id, std::string_view body, bool functionLike);
    void UndefineMacro(SymbolId id);
    void DefineEnumMember(SymbolId id, std::optional<Value> value);
    void DefineTypeName(SymbolId id, const TypeWord& word);
    void DefineEnumTag(SymbolId id, std::optional<IntegerType> type);
    void MarkUndecided(SymbolId id) { m_symbols[id].undecided = true; }

    // Every #define and enum member in file order; the one that holds for a
    // name is the one its symbol points at.
    struct Definition {
        SymbolId symbol;
        bool asEnumMember;
    };
    const std::vector<Definition>& Definitions() const { return m_definitions; }

    // Grows with every change to a name.
    uint64_t Version() const { return m_version; }
    // Grows with every change to a name that already had a meaning: only
    // such a change can alter a value that was worked out before.
    uint64_t MeaningChanges() const { return m_meaningChanges; }

private:
    Symbol& Change(SymbolId id);
    size_t SlotOf(std::string_view name, uint32_t hash) const;
    void GrowSlots();

    std::vector<Symbol> m_symbols;
    // The index by name: open addressing, at most half full. A slot keeps
    // the name's hash beside its symbol, so that a probe reads a symbol only
    // when the hash matches; with a hundred thousand names a node-based map
    // cost three times the memory and twice the time.
    struct Slot {
        uint32_t hash;
        SymbolId symbolPlusOne;  // 0: empty
    };
    std::vector<Slot> m_slots;
    std::vector<Definition> m_definitions;
    uint64_t m_version = 0;
    uint64_t m_meaningChanges = 0;
};

}  // namespace header
