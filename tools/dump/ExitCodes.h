// The exit codes of lorvex-dump, for scripts (docs/lorvex-dump.md).
#pragma once

enum DumpExitCode : int {
    kExitOk = 0,          // valid file, output complete; with --diff, no difference
    kExitInvalid = 1,     // the style file or header is malformed
    kExitUsage = 2,       // bad command line, or a scene the file does not have
    kExitUnreadable = 3,  // the style file or header cannot be opened or read
    kExitOutput = 4,      // the output could not be written whole
    kExitDiffers = 5,     // --diff: the two files differ, output complete
    kExitNoMatch = 6,     // --find: no node matches
};
