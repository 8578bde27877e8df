// Two documents compared in the terms of the browse tree: which nodes were
// added, removed, changed (their rows) or moved (their place among their
// siblings). What matches what, and which rows count, is described with
// lorvex-dump's --diff in docs/lorvex-dump.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "browse/DocumentWalk.h"

enum class DiffChange : uint8_t { Added, Removed, Changed, Moved };

// One step of a node's path: its label and its place, from 1, among its
// siblings with the same label.
struct DiffStep {
    std::string_view label;
    uint32_t occurrence;
};
// From the scene down to the node; empty for the file node.
using DiffPath = std::vector<DiffStep>;

struct RowChange {
    PropertyRow before;
    PropertyRow after;  // the same row of the other document
};

struct Difference {
    DiffChange change;
    const DiffPath& path;
    const BrowseNode& node;  // the newer document's, the older's when removed
    const std::vector<RowChange>& rows;  // when changed: the rows that differ, in the node's order
    size_t from = 0;  // when moved: its index among the matched siblings, before and after
    size_t to = 0;
};

class DiffSink {
public:
    virtual ~DiffSink() = default;
    // Called in the newer document's tree order, a removed node where it
    // stood in the older one; a node's own differences before those below it.
    virtual void Report(const Difference& difference) = 0;
};

struct DiffOptions {
    // Also compare the rows a writer fills from the file's layout (offsets,
    // sizes and counts), which shift whenever anything before them grows.
    bool layoutRows = false;
};

// Compares before with after, labelling both with names, and reports each
// difference to sink.
void DiffDocuments(const StyleFile& before, const StyleFile& after, const MacroNameIndex& names,
                   const DiffOptions& options, DiffSink& sink);
