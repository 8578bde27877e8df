// The browse tree printed as text or as JSON, and the paths of the nodes
// that match a text (shapes: docs/lorvex-dump.md). Each streams node by
// node: nothing of the output is held but the current node.
#pragma once

#include <cstddef>

#include "browse/MacroNameIndex.h"
#include "browse/NodeMatch.h"
#include "style/StyleFile.h"
#include "tools/dump/OutputBuffer.h"

// One line per node, indented two spaces per level: "[kind] label". With
// rows, the node's "name: value" lines follow it, one level deeper.
void WriteTreeText(const StyleFile& file, const CString& fileTitle, const MacroNameIndex& names, bool rows,
                   OutputBuffer& out);

// {"nodes":[...]}: one object per node in tree order, one per line.
void WriteTreeJson(const StyleFile& file, const CString& fileTitle, const MacroNameIndex& names, bool rows,
                   OutputBuffer& out);

// One line per node that matches, in tree order: the labels from the file
// node down to it, joined by '/'. Returns how many nodes matched.
size_t WriteFoundPaths(const StyleFile& file, const CString& fileTitle, const MacroNameIndex& names,
                       const NodeMatcher& matcher, OutputBuffer& out);
