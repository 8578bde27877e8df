// lorvex-dump without its platform entry point, so that tests run it in
// process.
#pragma once

#include <cstdio>

// Runs lorvex-dump on argv (UTF-8 text): data goes to out, messages to err.
// Returns the exit code (tools/dump/ExitCodes.h).
int RunDump(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
