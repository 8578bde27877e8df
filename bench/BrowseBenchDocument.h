// The document and header of the benchmarks that browse: 10 scenes of 100
// groups; each group holds 33 pictures, 33 strings and 11 picture regions
// of 2 frames, 100 nodes with the group, so 100,011 nodes with the file
// node. The header names 10,000 resources, evenly spread over the document,
// RES_NAME_00000 to RES_NAME_09999 in tree order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "style/StyWriter.h"

constexpr size_t kBrowseBenchNames = 10000;

// The document; resourceIds gets every resource's id in tree order.
StyImage MakeBrowseBenchDocument(std::vector<uint32_t>& resourceIds);
// The header's text, naming resources of resourceIds.
std::string MakeBrowseBenchHeader(const std::vector<uint32_t>& resourceIds);
