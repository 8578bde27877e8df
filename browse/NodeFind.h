// Where Find Next lands in the browse tree.
#pragma once

#include <cstddef>
#include <optional>

#include "browse/MacroNameIndex.h"
#include "browse/NodeMatch.h"
#include "style/StyleFile.h"

enum class FindDirection { Down, Up };

// The index in tree order (browse/NodeIndex.h) of the next node from the
// one at index from that matches, labelled as BrowseLabel labels it: going
// down, the first match after it; going up, the last match before it. Past
// the end (or the top) the search goes round once, so the node at from is
// the last one tried. With no from it starts at the top going down and at
// the bottom going up. None when no node matches. Each node's label is made
// once at most, and nothing of the tree is kept.
std::optional<size_t> FindNode(const StyleFile& file, const MacroNameIndex& names, const CString& fileTitle,
                               const NodeMatcher& matcher, std::optional<size_t> from, FindDirection direction);
