// The browse tree as text, as lorvex-dump prints it and the viewer copies a
// subtree: one line per node, "[kind] label", indented two spaces per
// level; with rows, the node's "name: value" lines follow it, one level
// deeper. Lines end with "\n" alone.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "browse/DocumentWalk.h"
#include "browse/KindNames.h"

// Writes one node's lines to out, which takes Put(char) and
// Write(std::string_view): a dump's output buffer, or a string.
template <class Out>
void WriteNodeText(Out& out, const BrowseNode& node, std::string_view label, bool rows)
{
    const auto indent = [&out](uint32_t depth) {
        static constexpr std::string_view kSpaces = "                                ";
        for (size_t width = 2 * size_t{depth}; width > 0;) {
            const size_t n = std::min(width, kSpaces.size());
            out.Write(kSpaces.substr(0, n));
            width -= n;
        }
    };
    indent(node.depth);
    out.Put('[');
    out.Write(KindName(node.kind));
    out.Write("] ");
    out.Write(label);
    out.Put('\n');
    if (!rows)
        return;
    char value[16];
    for (const PropertyRow& row : BrowseRows(node)) {
        indent(node.depth + 1);
        out.Write(row.name);
        out.Write(": ");
        out.Write(std::string_view(value, FormatRowValue(row, value)));
        out.Put('\n');
    }
}

// The lines, rows included, of the node at index top in tree order and of
// everything below it, indented as in the whole tree: the very lines
// lorvex-dump --rows prints for them. Empty when there is no such node.
std::string SubtreeText(const StyleFile& file, const MacroNameIndex& names, const CString& fileTitle, size_t top);
