#include "tools/dump/HeaderNames.h"

#include <cinttypes>

#include "style/uiFile.h"
#include "tools/dump/ExitCodes.h"
#include "tools/dump/OutputBuffer.h"

int WriteHeaderNames(const std::string& path, bool why, std::FILE* out, std::FILE* err)
{
    OutputBuffer output(out);
    const auto onName = [&output](std::string_view name, uint32_t id) {
        char hex[16];
        std::snprintf(hex, sizeof hex, " 0x%08" PRIx32 "\n", id);
        output.Write(name);
        output.Write(hex);
    };
    const auto onSkip = [&output](const header::SkippedDefinition& skipped) {
        output.Write("line " + std::to_string(skipped.line) + ": ");
        output.Write(skipped.name);
        output.Write(": " + skipped.reason + "\n");
    };
    // The reader calls neither before it has read the whole file, so a
    // refused file prints nothing.
    if (!ReadMacroHeader(path.c_str(), onName, why ? header::SkipHandler(onSkip) : nullptr)) {
        CFile file;
        if (!file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone)) {
            std::fprintf(err, "%s: cannot open the header for reading\n", path.c_str());
            return kExitUnreadable;
        }
        std::fprintf(err, "%s: not a C header: it holds a NUL byte or is larger than 64 MiB\n", path.c_str());
        return kExitInvalid;
    }
    if (!output.Finish()) {
        std::fprintf(err, "lorvex-dump: the output could not be written whole\n");
        return kExitOutput;
    }
    return kExitOk;
}
