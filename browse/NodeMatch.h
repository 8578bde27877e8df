// What a person looks for in the browse tree, and whether a node is it: the
// viewer's Find and lorvex-dump --find go by this one rule.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "browse/DocumentWalk.h"

// The id a text names: "0x1a" (or "0X1A"), hexadecimal digits with at
// least one letter among them ("1A"), or decimal digits ("26"), with
// spaces around allowed. None for anything else or beyond 32 bits.
std::optional<uint32_t> ParseIdText(std::string_view text);

class NodeMatcher {
public:
    // Without matchCase, the letters A to Z match their lower case and the
    // other way round; every other character matches only itself.
    NodeMatcher(std::string_view text, bool matchCase);

    // A node matches when its label holds the text, or when the text names
    // the id of a scene or a resource (frames and the file node have no id
    // of their own). An empty text matches nothing.
    bool Matches(const BrowseNode& node, std::string_view label) const;

private:
    std::string m_text;  // in lower case without matchCase
    bool m_matchCase;
    std::optional<uint32_t> m_id;
};
