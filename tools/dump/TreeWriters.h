// The browse tree printed as text or as JSON (shapes: docs/lorvex-dump.md).
// Both stream node by node: nothing of the output is held but the current
// node.
#pragma once

#include "browse/MacroNameIndex.h"
#include "style/StyleFile.h"
#include "tools/dump/OutputBuffer.h"

// One line per node, indented two spaces per level: "[kind] label". With
// rows, the node's "name: value" lines follow it, one level deeper.
void WriteTreeText(const StyleFile& file, const CString& fileTitle, const MacroNameIndex& names, bool rows,
                   OutputBuffer& out);

// {"nodes":[...]}: one object per node in tree order, one per line.
void WriteTreeJson(const StyleFile& file, const CString& fileTitle, const MacroNameIndex& names, bool rows,
                   OutputBuffer& out);
