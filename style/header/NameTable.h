// Every name the header gives a meaning: macros, enum members, type names
// and enum tags, with the order in which the file defines them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "style/header/Failure.h"
#include "style/header/IntegerTypes.h"
#include "style/header/IntegerValue.h"
#include "style/header/MacroToken.h"
#include "style/header/Verdict.h"

namespace header {

// Kept small: a large header has a hundred thousand of them, and on a
// fresh process every page of them costs a page fault. Positions are 32
// bits, as the text is shorter than 4 GiB.
struct Symbol {
    std::string_view name;

    // As an enum member, with its value when it could be computed.
    uint64_t enumBits = 0;
    PromotedType enumType = PromotedType::Int;
    bool isEnumMember = false;
    bool enumValueKnown = false;

    // As a macro. Mentioned: a #define or #undef of the file names it, so
    // the file says whether it is defined. Undecided: the last of them was
    // made in a branch the file cannot decide, and the reading has left it.
    bool isMacro = false;
    bool functionLike = false;
    bool mentioned = false;
    bool undecided = false;
    // Its replacement list in NameTable::BodyTokens(), and its parameters.
    bool variadic = false;
    bool pastes = false;
    bool malformed = false;
    uint32_t bodyFirst = 0;
    uint32_t bodyCount = 0;
    uint32_t parameterCount = 0;

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
    Verdict IsDefined(std::string_view name) const;
    Verdict IsDefined(SymbolId id) const;
    // What the name says as a word of a declaration's type; nothing for a
    // name the reader does not know as one, or that a macro hides (it may
    // stand for anything).
    std::optional<TypeWord> TypeWordOf(std::string_view name) const;

    // A #define of the name, rest being the line after it; offset is where
    // the name stands in the text.
    void DefineMacro(SymbolId id, std::string_view rest, bool functionLike, uint32_t offset);
    void UndefineMacro(SymbolId id);
    // An enum member, with its value, or with why it has none.
    void DefineEnumMember(SymbolId id, uint32_t offset, std::optional<Value> value, const Failure& why);
    void DefineTypeName(SymbolId id, const TypeWord& word);
    void DefineEnumTag(SymbolId id, std::optional<IntegerType> type);
    void MarkUndecided(SymbolId id) { m_symbols[id].undecided = true; }

    // Every #define and enum member in file order; the one that holds for a
    // name is the one its symbol points at.
    struct Definition {
        SymbolId symbol;
        uint32_t offset;  // of the name in the text
        bool asEnumMember;
    };
    const std::vector<Definition>& Definitions() const { return m_definitions; }
    // Why the enum member of the definition at that place has no value.
    Failure EnumFailure(size_t definition) const;

    // The replacement lists of the macros, each lexed once.
    const std::vector<MacroToken>& BodyTokens() const { return m_bodyTokens; }
    const MacroToken* BodyOf(const Symbol& macro) const { return m_bodyTokens.data() + macro.bodyFirst; }

    // Grows with every change to a name; text shorter than 4 GiB holds
    // fewer changes than 32 bits count.
    uint32_t Version() const { return m_version; }
    // Grows with every change to a name that already had a meaning: only
    // such a change can alter a value that was worked out before.
    uint32_t MeaningChanges() const { return m_meaningChanges; }

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
    std::vector<std::pair<size_t, Failure>> m_enumFailures;  // by definition, in file order
    std::vector<MacroToken> m_bodyTokens;
    uint32_t m_version = 0;
    uint32_t m_meaningChanges = 0;
};

}  // namespace header
