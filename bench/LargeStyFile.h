// The large style file of the benchmarks: 64 scenes; each scene's top level
// is 1018 groups of 15 resources: 5 pictures, 5 strings and 5 regions of 48
// frames. About 64 MiB, a million resources and 15.6 million frames.
#pragma once

#include <cstdint>
#include <string>

constexpr uint64_t kLargeStyResources = 64 * 1018 * 16;

// Writes the file at path; false if that fails. edited: the same file with
// a hundred edits spread evenly over it, in turn a picture's x changed, two
// strings swapped, a picture removed, a frame's pic id changed and a group's
// width changed, for comparing two builds of one file.
bool WriteLargeStyFile(const std::string& path, bool edited = false);
