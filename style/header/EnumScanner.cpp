#include "style/header/EnumScanner.h"

#include <algorithm>

namespace header {

namespace {

// A member is an int when its value fits one.
Value MemberValue(int64_t v)
{
    if (v >= INT32_MIN && v <= INT32_MAX)
        return Value::Of(PromotedType::Int, static_cast<uint64_t>(v));
    if (v > 0 && v <= int64_t{UINT32_MAX})
        return Value::Of(PromotedType::UInt, static_cast<uint64_t>(v));
    return Value::Of(PromotedType::LongLong, static_cast<uint64_t>(v));
}

// Whether a line of the text, after the first, is a directive.
bool HoldsDirective(std::string_view text)
{
    for (size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1)) {
        const size_t start = text.find_first_not_of(" \t\v\f", at + 1);
        if (start != std::string_view::npos && text[start] == '#')
            return true;
    }
    return false;
}

}  // namespace

void EnumScanner::Read(const Token& tok)
{
    switch (m_state) {
    case State::Idle:
        if (tok.kind == TokenKind::Identifier && tok.text == "enum") {
            m_state = State::Head;
            m_tag = {};
            m_baseWords.clear();
        }
        return;
    case State::Head:
        if (tok.Is("{")) {
            m_baseType.reset();
            StartMembers();
        } else if (tok.Is(":")) {
            m_state = State::BaseType;
        } else if (tok.kind != TokenKind::Identifier) {
            m_state = State::Idle;  // "enum tag x;" and the like declare no members
        } else if (tok.text != "class" && tok.text != "struct") {
            m_tag = tok.text;
        }
        return;
    case State::BaseType:
        if (tok.Is("{")) {
            std::vector<TypeWord> words;
            bool known = true;
            for (const std::string_view w : m_baseWords) {
                const std::optional<TypeWord> word = m_names.TypeWordOf(w);
                known = known && word;
                if (word)
                    words.push_back(*word);
            }
            m_baseType = known ? CombineTypeWords(words.data(), words.size()) : std::nullopt;
            StartMembers();
        } else if (tok.kind == TokenKind::Identifier) {
            m_baseWords.push_back(tok.text);
        } else {
            m_state = State::Idle;
        }
        return;
    case State::ExpectName:
        if (tok.Is("}")) {
            EndEnum();
        } else if (tok.kind == TokenKind::Identifier) {
            m_member = tok.text;
            m_memberBroken = false;
            m_initBegin = m_initEnd = nullptr;
            m_initDepth = 0;
            m_state = State::AfterName;
        }
        return;
    case State::AfterName:
        if (tok.Is("=")) {
            m_state = State::Initializer;
            return;
        }
        if (tok.Is(",") || tok.Is("}")) {
            EndMember();
            if (tok.Is("}"))
                EndEnum();
            return;
        }
        m_memberBroken = true;  // attributes and the like: the value is not ours to know
        m_state = State::Initializer;
        [[fallthrough]];
    case State::Initializer:
        if (m_initDepth == 0 && (tok.Is(",") || tok.Is("}"))) {
            EndMember();
            if (tok.Is("}"))
                EndEnum();
            return;
        }
        if (tok.IsOpening())
            ++m_initDepth;
        else if (tok.IsClosing() && m_initDepth > 0)
            --m_initDepth;
        if (!m_initBegin)
            m_initBegin = tok.text.data();
        m_initEnd = tok.text.data() + tok.text.size();
        return;
    }
}

void EnumScanner::StartMembers()
{
    m_state = State::ExpectName;
    m_nextValue = Value::Of(PromotedType::Int, 0);
    m_allKnown = true;
    m_knownMembers = 0;
    m_lowest = m_highest = 0;
}

void EnumScanner::EndMember()
{
    // A value written over several lines is read as the text from its first
    // token to its last; a directive line in between makes it fail.
    std::optional<Value> v;
    Failure why{Reason::MemberNotPlain, {}};
    if (!m_memberBroken && m_initBegin) {
        const std::string_view text(m_initBegin, static_cast<size_t>(m_initEnd - m_initBegin));
        v = m_expander.ExpressionValue(text, why);
        if (!v && HoldsDirective(text))
            why = {Reason::AcrossDirective, {}};
    } else if (!m_memberBroken) {
        v = m_nextValue;
        why = m_nextFailure;
    }
    m_nextValue.reset();
    m_nextFailure = {Reason::CountsOnFrom, m_member};
    if (v && !v->IsSigned() && v->bits > static_cast<uint64_t>(INT64_MAX)) {
        v.reset();
        why = {Reason::MemberTooLarge, {}};
    }
    if (v) {
        const int64_t s = v->AsSigned();
        v = MemberValue(s);
        if (s < INT64_MAX)
            m_nextValue = MemberValue(s + 1);
        else
            m_nextFailure = {Reason::MemberTooLarge, {}};
        m_lowest = m_knownMembers == 0 ? s : std::min(m_lowest, s);
        m_highest = m_knownMembers == 0 ? s : std::max(m_highest, s);
        ++m_knownMembers;
    } else {
        m_allKnown = false;
    }
    const auto offset = static_cast<uint32_t>(m_member.data() - m_text.data());
    m_names.DefineEnumMember(m_names.Intern(m_member), offset, v, why);
    m_state = State::ExpectName;
}

void EnumScanner::EndEnum()
{
    if (m_baseType)
        m_lastType = m_baseType;
    else if (m_allKnown)
        m_lastType = EnumType(m_lowest, m_highest);
    else
        m_lastType.reset();
    if (!m_tag.empty())
        m_names.DefineEnumTag(m_names.Intern(m_tag), m_lastType);
    m_state = State::Idle;
}

}  // namespace header
