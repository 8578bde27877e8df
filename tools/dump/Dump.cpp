#include "tools/dump/Dump.h"

#include "browse/FileTitle.h"
#include "browse/MacroNameIndex.h"
#include "style/StyleFile.h"
#include "style/uiFile.h"
#include "tools/dump/DumpOptions.h"
#include "tools/dump/ExitCodes.h"
#include "tools/dump/HeaderNames.h"
#include "tools/dump/SceneSvg.h"
#include "tools/dump/TreeWriters.h"

namespace {

// Owns the header's names as the dialog owns its table.
struct MacroList {
    NameIdNode* head = nullptr;
    MacroList() = default;
    MacroList(const MacroList&) = delete;
    MacroList& operator=(const MacroList&) = delete;
    ~MacroList() { FreeNameIdList(head); }
};

int LoadHeader(const std::string& path, MacroList& names, std::FILE* err)
{
    {
        CFile file;
        if (!file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone)) {
            std::fprintf(err, "%s: cannot open the header for reading\n", path.c_str());
            return kExitUnreadable;
        }
    }
    // It opened, so a refusal is of its contents.
    if (uiFile::GetMacroNameIdFromFile(&names.head, path.c_str()) < 0) {
        std::fprintf(err, "%s: not a C header: it holds a NUL byte or is larger than 64 MiB\n", path.c_str());
        return kExitInvalid;
    }
    return kExitOk;
}

int LoadStyle(const std::string& path, StyleFile& file, std::FILE* err)
{
    if (file.ParseFile(path.c_str()))
        return kExitOk;
    const ParseResult& result = file.GetParseResult();
    if (result.status == ParseStatus::io_error) {
        std::fprintf(err, "%s: %s\n", path.c_str(), result.description.c_str());
        return kExitUnreadable;
    }
    std::fprintf(err, "%s: %s\n", path.c_str(), result.Message().c_str());
    return kExitInvalid;
}

}  // namespace

int RunDump(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    DumpOptions options;
    if (const std::optional<int> code = ParseDumpOptions(argc, argv, out, err, options))
        return *code;
    if (!options.namesPath.empty())
        return WriteHeaderNames(options.namesPath, options.why, out, err);

    MacroList macros;
    if (!options.headerPath.empty())
        if (const int code = LoadHeader(options.headerPath, macros, err))
            return code;
    StyleFile file;
    if (const int code = LoadStyle(options.styPath, file, err))
        return code;

    OutputBuffer output(out);
    const MacroNameIndex names(macros.head);
    if (options.check) {
        output.Write(options.styPath);
        output.Write(": valid\n");
    } else if (options.svgScene) {
        const size_t count = file.scenes.size();
        if (*options.svgScene >= count) {
            if (count == 0)
                std::fprintf(err, "lorvex-dump: --svg %zu: the file has no scenes\n", *options.svgScene);
            else
                std::fprintf(err, "lorvex-dump: --svg %zu: the file has scenes 0 to %zu\n", *options.svgScene,
                             count - 1);
            return kExitUsage;
        }
        WriteSceneSvg(*file.scenes[*options.svgScene], names, options.visibleOnly, output);
    } else {
        const CString title = FileTitleOfPath(CString(options.styPath));
        if (options.json)
            WriteTreeJson(file, title, names, options.rows, output);
        else
            WriteTreeText(file, title, names, options.rows, output);
    }
    if (!output.Finish()) {
        std::fprintf(err, "lorvex-dump: the output could not be written whole\n");
        return kExitOutput;
    }
    return kExitOk;
}
