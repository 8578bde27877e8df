#include "tools/dump/HeaderStatus.h"

#include "tools/dump/ExitCodes.h"

int HeaderExitCode(const std::string& path, MacroFileStatus status, std::FILE* err)
{
    const char* why = nullptr;
    int code = kExitUnreadable;
    switch (status) {
    case MacroFileStatus::ok:
        return kExitOk;
    case MacroFileStatus::cannot_open:
        why = "cannot open the header for reading";
        break;
    case MacroFileStatus::read_error:
        why = "the header could not be read whole";
        break;
    case MacroFileStatus::no_memory:
        why = "the header is too large to hold in memory";
        break;
    case MacroFileStatus::not_text:
        why = "not a C header: it holds a NUL byte";
        code = kExitInvalid;
        break;
    case MacroFileStatus::too_large:
        std::fprintf(err, "%s: not a C header: it is larger than %llu MiB\n", path.c_str(),
                     static_cast<unsigned long long>(kMaxMacroFileBytes >> 20));
        return kExitInvalid;
    }
    std::fprintf(err, "%s: %s\n", path.c_str(), why);
    return code;
}
