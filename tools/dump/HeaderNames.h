// lorvex-dump --names: what the header reader makes of a C header.
#pragma once

#include <cstdio>
#include <string>

// Prints to out each name the header at path gives an id, as "NAME
// 0x00000010" in the order of the viewer's table; with why, each
// definition that gives none too, in file order among them, as "line 12:
// NAME: reason". Messages go to err. Returns the exit code
// (tools/dump/ExitCodes.h).
int WriteHeaderNames(const std::string& path, bool why, std::FILE* out, std::FILE* err);
