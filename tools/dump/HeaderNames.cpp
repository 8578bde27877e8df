#include "tools/dump/HeaderNames.h"

#include <cinttypes>

#include "style/uiFile.h"
#include "tools/dump/HeaderStatus.h"
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
    const MacroFileStatus status = ReadMacroHeader(path.c_str(), onName, why ? header::SkipHandler(onSkip) : nullptr).status;
    if (const int code = HeaderExitCode(path, status, err))
        return code;
    return output.FinishWithCode(err);
}
