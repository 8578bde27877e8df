#include "browse/NodeMatch.h"

#include <algorithm>

namespace {

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = Lower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

std::optional<uint32_t> ParseDigits(std::string_view digits, uint32_t base)
{
    if (digits.empty())
        return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0 || static_cast<uint32_t>(digit) >= base)
            return std::nullopt;
        value = value * base + static_cast<uint32_t>(digit);
        if (value > UINT32_MAX)
            return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

std::optional<uint32_t> NodeId(const BrowseNode& node)
{
    switch (node.kind) {
    case NodeKind::Scene:
        return node.scene->info.id;
    case NodeKind::ResGroup:
    case NodeKind::PicRegion:
    case NodeKind::Pic:
    case NodeKind::String:
        return node.res->GetId();
    case NodeKind::File:
    case NodeKind::Frame:
        break;
    }
    return std::nullopt;
}

bool ContainsFolded(std::string_view label, std::string_view lowerText)
{
    return std::search(label.begin(), label.end(), lowerText.begin(), lowerText.end(),
                       [](char a, char b) { return Lower(a) == b; }) != label.end();
}

}  // namespace

std::optional<uint32_t> ParseIdText(std::string_view text)
{
    const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    if (text.size() > 2 && text[0] == '0' && Lower(text[1]) == 'x')
        return ParseDigits(text.substr(2), 16);
    const bool hexLetter = std::any_of(text.begin(), text.end(), [](char c) { return HexDigit(c) >= 10; });
    return ParseDigits(text, hexLetter ? 16 : 10);
}

NodeMatcher::NodeMatcher(std::string_view text, bool matchCase)
    : m_text(text), m_matchCase(matchCase), m_id(ParseIdText(text))
{
    if (!m_matchCase)
        std::transform(m_text.begin(), m_text.end(), m_text.begin(), Lower);
}

bool NodeMatcher::Matches(const BrowseNode& node, std::string_view label) const
{
    if (m_text.empty())
        return false;
    if (m_matchCase ? label.find(m_text) != std::string_view::npos : ContainsFolded(label, m_text))
        return true;
    return m_id && NodeId(node) == m_id;
}
