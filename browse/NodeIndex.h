// Nodes by their index in tree order: the order WalkDocument visits them,
// which is the order the dialog inserts them, the file node being 0.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "browse/DocumentWalk.h"

// Calls visit for the node at index top and for every node below it, in
// tree order, with each node's index; not at all when there is no such node.
void WalkSubtree(const StyleFile& file, size_t top, const std::function<void(const BrowseNode&, size_t)>& visit);

// The indices of the nodes of top's subtree, top included, that have nodes
// below them, in tree order.
std::vector<size_t> NodesWithChildren(const StyleFile& file, size_t top);
