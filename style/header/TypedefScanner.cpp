#include "style/header/TypedefScanner.h"

namespace header {

void TypedefScanner::Read(const Token& tok)
{
    if (!m_open) {
        if (tok.kind == TokenKind::Identifier && tok.text == "typedef") {
            m_open = true;
            m_depth = 0;
            m_items.clear();
        }
        return;
    }
    if (tok.IsOpening()) {
        if (m_depth == 0 && tok.Is("{")) {
            // The body belongs to the enum, struct or union word before it.
            m_bodyStart = m_items.size();
            for (size_t i = m_items.size(); i-- > 0;)
                if (m_items[i].text == "enum" || m_items[i].text == "struct" || m_items[i].text == "union") {
                    m_bodyStart = i;
                    break;
                }
        } else if (m_depth == 0) {
            m_items.push_back({Item::Kind::Punctuator, tok.text, {}});
        }
        ++m_depth;
        return;
    }
    if (tok.IsClosing()) {
        if (m_depth > 0 && --m_depth == 0 && tok.Is("}")) {
            const bool isEnum = m_bodyStart < m_items.size() && m_items[m_bodyStart].text == "enum";
            m_items.resize(m_bodyStart);
            TypeWord body{TypeWord::Kind::OtherName, {}, {}};
            if (isEnum && m_enums.LastEnumType())
                body = {TypeWord::Kind::IntegerName, {}, *m_enums.LastEnumType()};
            m_items.push_back({Item::Kind::Type, {}, body});
        }
        return;
    }
    if (m_depth > 0)
        return;
    if (tok.Is(";")) {
        EndTypedef();
        m_open = false;
        return;
    }
    m_items.push_back({tok.kind == TokenKind::Identifier ? Item::Kind::Word : Item::Kind::Punctuator, tok.text, {}});
}

// The type that the specifier items [begin, end) name: an integer type, a
// type that is none, or nothing when a word is unknown.
std::optional<TypeWord> TypedefScanner::Specifiers(size_t begin, size_t end) const
{
    const TypeWord other{TypeWord::Kind::OtherName, {}, {}};
    std::vector<TypeWord> words;
    for (size_t i = begin; i < end; ++i) {
        const Item& item = m_items[i];
        if (item.kind == Item::Kind::Type) {
            words.push_back(item.type);
        } else if (item.text == "struct" || item.text == "union") {
            return other;
        } else if (item.text == "enum") {
            if (i + 1 == end)
                return std::nullopt;
            const std::optional<SymbolId> tag = m_names.Find(m_items[++i].text);
            const std::optional<IntegerType> tagType = tag ? m_names[*tag].TagType() : std::nullopt;
            if (!tagType)
                return other;
            words.push_back({TypeWord::Kind::IntegerName, {}, *tagType});
        } else if (const std::optional<TypeWord> word = m_names.TypeWordOf(item.text)) {
            words.push_back(*word);
        } else {
            return std::nullopt;
        }
    }
    for (const TypeWord& w : words)
        if (w.kind == TypeWord::Kind::OtherName)
            return other;
    const std::optional<IntegerType> type = CombineTypeWords(words.data(), words.size());
    if (!type)
        return std::nullopt;
    return TypeWord{TypeWord::Kind::IntegerName, {}, *type};
}

// The end of the declarator that starts at begin: the next "," or the end.
size_t TypedefScanner::PieceEnd(size_t begin) const
{
    size_t end = begin;
    while (end < m_items.size() && !(m_items[end].kind == Item::Kind::Punctuator && m_items[end].text == ","))
        ++end;
    return end;
}

// The specifiers run up to the first punctuator of the first declarator,
// or up to its last word when that declarator is a plain name.
void TypedefScanner::EndTypedef()
{
    const size_t firstEnd = PieceEnd(0);
    size_t specifiersEnd = 0;
    while (specifiersEnd < firstEnd && m_items[specifiersEnd].kind != Item::Kind::Punctuator)
        ++specifiersEnd;
    if (specifiersEnd == firstEnd && specifiersEnd > 0 && m_items[specifiersEnd - 1].kind == Item::Kind::Word)
        --specifiersEnd;
    const std::optional<TypeWord> base = Specifiers(0, specifiersEnd);
    size_t begin = specifiersEnd;
    size_t end = firstEnd;
    for (;;) {
        Declare(begin, end, base);
        if (end == m_items.size())
            return;
        begin = end + 1;
        end = PieceEnd(begin);
    }
}

// A declarator that is one name gets the specifiers' type; one with "*",
// "[" or "(" declares a pointer, array or function type. A name whose
// type is unknown keeps the meaning it had.
void TypedefScanner::Declare(size_t begin, size_t end, const std::optional<TypeWord>& base)
{
    const Item* name = nullptr;
    for (size_t i = begin; i < end; ++i)
        if (m_items[i].kind == Item::Kind::Word)
            name = &m_items[i];
    if (!name)
        return;
    const std::optional<TypeWord> known = m_names.TypeWordOf(name->text);
    if (known && known->kind == TypeWord::Kind::Keyword)
        return;  // "typedef unsigned long;" declares nothing
    const SymbolId id = m_names.Intern(name->text);
    if (end != begin + 1)
        m_names.DefineTypeName(id, {TypeWord::Kind::OtherName, {}, {}});
    else if (base)
        m_names.DefineTypeName(id, *base);
}

}  // namespace header
