// What lorvex-dump says when a header gives no names (--header, --names).
#pragma once

#include <cstdio>
#include <string>

#include "style/uiFile.h"

// 0 (kExitOk) when status is ok; else says why on err, naming path, and
// returns the exit code (tools/dump/ExitCodes.h).
int HeaderExitCode(const std::string& path, MacroFileStatus status, std::FILE* err);
