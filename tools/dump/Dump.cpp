#include "tools/dump/Dump.h"

#include "browse/MacroNameIndex.h"
#include "framework/core/Path.h"
#include "style/StyleFile.h"
#include "style/uiFile.h"
#include "tools/dump/DiffWriters.h"
#include "tools/dump/DumpOptions.h"
#include "tools/dump/ExitCodes.h"
#include "tools/dump/HeaderNames.h"
#include "tools/dump/HeaderStatus.h"
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
    return HeaderExitCode(path, uiFile::ReadMacroNameIdFile(&names.head, path.c_str()).status, err);
}

// role, when there are two files, says which one a refusal is about.
int LoadStyle(const std::string& path, StyleFile& file, std::FILE* err, const char* role = "")
{
    if (file.ParseFile(path.c_str()))
        return kExitOk;
    const ParseResult& result = file.GetParseResult();
    if (result.status == ParseStatus::io_error) {
        std::fprintf(err, "%s%s: %s\n", role, path.c_str(), result.description.c_str());
        return kExitUnreadable;
    }
    std::fprintf(err, "%s%s: %s\n", role, path.c_str(), result.Message().c_str());
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
    StyleFile before;
    if (options.diffBefore)
        if (const int code = LoadStyle(*options.diffBefore, before, err, "old file "))
            return code;
    StyleFile file;
    if (const int code = LoadStyle(options.styPath, file, err, options.diffBefore ? "new file " : ""))
        return code;

    OutputBuffer output(out);
    const MacroNameIndex names(macros.head);
    bool differs = false;
    size_t found = 0;
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
    } else if (options.diffBefore) {
        const DiffOptions diff{options.allRows};
        differs = options.json ? WriteDiffJson(before, file, names, diff, output)
                               : WriteDiffText(before, file, names, diff, output);
    } else if (options.findText) {
        CString title = options.styPath;
        CutToFileTitle(title);
        found = WriteFoundPaths(file, title, names, NodeMatcher(*options.findText, options.matchCase), output);
    } else {
        CString title = options.styPath;
        CutToFileTitle(title);
        if (options.json)
            WriteTreeJson(file, title, names, options.rows, output);
        else
            WriteTreeText(file, title, names, options.rows, output);
    }
    if (const int code = output.FinishWithCode(err))
        return code;
    if (differs)
        return kExitDiffers;
    return options.findText && found == 0 ? kExitNoMatch : kExitOk;
}
