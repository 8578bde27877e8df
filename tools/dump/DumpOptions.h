// The command line of lorvex-dump (usage: docs/lorvex-dump.md).
#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>

struct DumpOptions {
    std::string styPath;
    std::string headerPath;  // empty: labels are the generated ones
    bool json = false;
    bool rows = false;
    bool check = false;
    std::optional<size_t> svgScene;
    bool visibleOnly = false;
    std::optional<std::string> diffBefore;  // --diff: the older file; styPath is the newer
    bool allRows = false;
    std::optional<std::string> findText;
    bool matchCase = false;
    std::string namesPath;  // --names: this header's names are printed, no style file is read
    bool why = false;       // with --names: the definitions that give none too
};

// Reads argv (UTF-8) into options. Returns an exit code when the program
// is to end here: 0 after printing the help or the version to out, 2 after
// printing a usage error to err; nothing when options are ready.
std::optional<int> ParseDumpOptions(int argc, const char* const* argv, std::FILE* out, std::FILE* err,
                                    DumpOptions& options);
