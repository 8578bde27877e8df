#include "style/header/NameTable.h"

#include <algorithm>
#include <functional>

#include "style/header/MacroLexer.h"

namespace header {

namespace {

uint32_t HashOf(std::string_view name)
{
    return static_cast<uint32_t>(std::hash<std::string_view>()(name));
}

}  // namespace

NameTable::NameTable(size_t expectedNames)
{
    m_symbols.reserve(expectedNames);
    m_definitions.reserve(expectedNames);
    m_bodyTokens.reserve(4 * expectedNames);
    size_t slots = 1024;
    while (slots < 2 * expectedNames)
        slots *= 2;
    m_slots.assign(slots, Slot{0, 0});
    for (const std::string_view keyword : TypeKeywords())
        m_symbols[Intern(keyword)].isTypeWord = true;
    for (const auto& [name, type] : WellKnownTypeNames()) {
        Symbol& s = m_symbols[Intern(name)];
        s.isTypeWord = true;
        s.typeWordKind = TypeWord::Kind::IntegerName;
        s.type = type;
    }
}

// The slot that holds the name, or the empty slot where it would go.
size_t NameTable::SlotOf(std::string_view name, uint32_t hash) const
{
    const size_t mask = m_slots.size() - 1;
    size_t i = hash & mask;
    while (m_slots[i].symbolPlusOne &&
           !(m_slots[i].hash == hash && m_symbols[m_slots[i].symbolPlusOne - 1].name == name))
        i = (i + 1) & mask;
    return i;
}

void NameTable::GrowSlots()
{
    std::vector<Slot> old(m_slots.size() * 2, Slot{0, 0});
    old.swap(m_slots);
    const size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (!slot.symbolPlusOne)
            continue;
        size_t i = slot.hash & mask;
        while (m_slots[i].symbolPlusOne)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

std::optional<SymbolId> NameTable::Find(std::string_view name) const
{
    const Slot& slot = m_slots[SlotOf(name, HashOf(name))];
    if (!slot.symbolPlusOne)
        return std::nullopt;
    return slot.symbolPlusOne - 1;
}

SymbolId NameTable::Intern(std::string_view name)
{
    if (2 * (m_symbols.size() + 1) > m_slots.size())
        GrowSlots();
    const uint32_t hash = HashOf(name);
    Slot& slot = m_slots[SlotOf(name, hash)];
    if (!slot.symbolPlusOne) {
        m_symbols.emplace_back().name = name;
        slot = {hash, static_cast<SymbolId>(m_symbols.size())};
    }
    return slot.symbolPlusOne - 1;
}

Verdict NameTable::IsDefined(std::string_view name) const
{
    return IsDefined(Find(name).value_or(kNoSymbol));
}

Verdict NameTable::IsDefined(SymbolId id) const
{
    if (id == kNoSymbol)
        return Verdict::ProgramDecides;
    const Symbol& s = m_symbols[id];
    if (!s.mentioned || s.undecided)
        return Verdict::ProgramDecides;  // the including program decides
    return s.isMacro ? Verdict::True : Verdict::False;
}

std::optional<TypeWord> NameTable::TypeWordOf(std::string_view name) const
{
    const std::optional<SymbolId> id = Find(name);
    if (!id || m_symbols[*id].isMacro)
        return std::nullopt;
    return m_symbols[*id].AsTypeWord();
}

Symbol& NameTable::Change(SymbolId id)
{
    Symbol& s = m_symbols[id];
    ++m_version;
    if (s.isMacro || s.isEnumMember || s.isTypeWord || s.isEnumTag)
        ++m_meaningChanges;
    return s;
}

void NameTable::DefineMacro(SymbolId id, std::string_view rest, bool functionLike, uint32_t offset)
{
    const size_t first = m_bodyTokens.size();
    const MacroShape shape = LexMacroDefinition(rest, functionLike, *this, m_bodyTokens);
    Symbol& s = Change(id);  // after the lexing, which may add names
    s.isMacro = true;
    s.functionLike = functionLike;
    s.mentioned = true;
    s.undecided = false;
    s.variadic = shape.variadic;
    s.pastes = shape.pastes;
    s.malformed = shape.malformed;
    s.bodyFirst = static_cast<uint32_t>(first);
    s.bodyCount = static_cast<uint32_t>(m_bodyTokens.size() - first);
    s.parameterCount = shape.parameterCount;
    s.macroDefinition = static_cast<uint32_t>(m_definitions.size());
    m_definitions.push_back({id, offset, false});
}

void NameTable::UndefineMacro(SymbolId id)
{
    Symbol& s = Change(id);
    s.isMacro = false;
    s.mentioned = true;
    s.undecided = false;
}

// An enum member and a type name share C's one space of ordinary names, so
// each replaces the other; the one read last holds.
void NameTable::DefineEnumMember(SymbolId id, uint32_t offset, std::optional<Value> value, const Failure& why)
{
    Symbol& s = Change(id);
    s.isEnumMember = true;
    s.enumValueKnown = value.has_value();
    s.enumType = value ? value->type : PromotedType::Int;
    s.enumBits = value ? value->bits : 0;
    s.isTypeWord = false;
    s.enumDefinition = static_cast<uint32_t>(m_definitions.size());
    if (!value)
        m_enumFailures.emplace_back(m_definitions.size(), why);
    m_definitions.push_back({id, offset, true});
}

Failure NameTable::EnumFailure(size_t definition) const
{
    const auto it = std::lower_bound(m_enumFailures.begin(), m_enumFailures.end(), definition,
                                     [](const std::pair<size_t, Failure>& f, size_t d) { return f.first < d; });
    return it != m_enumFailures.end() && it->first == definition ? it->second : Failure{};
}

void NameTable::DefineTypeName(SymbolId id, const TypeWord& word)
{
    Symbol& s = Change(id);
    s.isTypeWord = true;
    s.typeWordKind = word.kind;
    s.type = word.type;
    s.isEnumMember = false;
}

void NameTable::DefineEnumTag(SymbolId id, std::optional<IntegerType> type)
{
    Symbol& s = Change(id);
    s.isEnumTag = true;
    s.tagTypeKnown = type.has_value();
    s.tagType = type.value_or(IntegerType{});
}

}  // namespace header
