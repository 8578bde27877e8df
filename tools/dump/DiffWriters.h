// What lorvex-dump --diff prints: the differences between two documents as
// text or as JSON (shapes: docs/lorvex-dump.md). Both stream difference by
// difference.
#pragma once

#include <string>

#include "browse/DocumentDiff.h"
#include "tools/dump/OutputBuffer.h"

// One line per difference, one per row of a changed node: "+ PATH",
// "- PATH", "~ PATH: name old -> new", "^ PATH: from -> to". Returns true if
// the documents differ.
bool WriteDiffText(const StyleFile& before, const StyleFile& after, const MacroNameIndex& names,
                   const DiffOptions& options, OutputBuffer& out);

// {"differences":[...]}: one object per difference, one per line. Returns
// true if the documents differ.
bool WriteDiffJson(const StyleFile& before, const StyleFile& after, const MacroNameIndex& names,
                   const DiffOptions& options, OutputBuffer& out);

// A path step as both forms write it: the label, with "#k" after it from
// the second sibling of that label on.
std::string StepText(const DiffStep& step);
