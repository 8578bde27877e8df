// What examples/demo.sty and tests/fixtures/edges.sty show, node by node,
// and where the demo's home screen puts its resources: worked out by hand
// from the files' descriptions (tools/StyDemo.cpp, tests/fixtures/EdgeSty.cpp,
// with the layout of docs/sty-format.md for the offsets) and from their
// headers, never from the program's own code.
#pragma once

#include <vector>

// The kinds of node; kind k shows images 2k and 2k + 1.
enum class Kind { File, Scene, ResGroup, PicRegion, Pic, String, Frame };

struct ExpectedNode {
    int depth;  // 0 for the file node
    Kind kind;
    // Labels with no header loaded, with the file's own header (demo.h,
    // edges.h), and, for the demo, with kFewNamesHeader. The file node's
    // label is the file's title, which the flows know; its entries are null.
    const wchar_t* plain;
    const wchar_t* ownNames;
    const wchar_t* fewNames;
    // The Value column, row by row, beside RowNames(kind).
    std::vector<const wchar_t*> values;
};

// Every node of each file's tree, depth first in display order.
extern const std::vector<ExpectedNode> kDemoTree;
extern const std::vector<ExpectedNode> kEdgeTree;

// The Name column of a kind of node, in order.
const std::vector<const wchar_t*>& RowNames(Kind kind);

// A header that names three of demo.sty's ids, in UTF-8 with a Chinese
// comment.
extern const char* const kFewNamesHeader;

// Find with examples/demo.h's names: the text looked for, and the labels of
// the nodes Find Next lands on in turn from the top, before it goes round.
extern const wchar_t* const kFindText;
extern const std::vector<const wchar_t*> kFindHits;
// A node with nodes below it, whose subtree is copied, and a leaf that is
// right-clicked; labels with demo.h's names.
extern const wchar_t* const kCopiedBranch;
extern const wchar_t* const kClickedLeaf;
