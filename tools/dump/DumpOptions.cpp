#include "tools/dump/DumpOptions.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <limits>

#include "tools/dump/ExitCodes.h"

std::optional<int> ParseDumpOptions(int argc, const char* const* argv, std::FILE* out, std::FILE* err,
                                    DumpOptions& options)
{
    CLI::App app("Prints what the Lorvex viewer shows of a .sty file: the tree and each node's rows, "
                 "as text or JSON; checks a file; draws a scene as SVG.",
                 "lorvex-dump");
    // "/name" is a path on both systems, never an option.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", "lorvex-dump " LORVEX_VERSION);
    CLI::Option* fileOption = app.add_option("file", options.styPath, "The style file")->type_name("FILE.sty");
    CLI::Option* headerOption =
        app.add_option("--header", options.headerPath, "C header whose macros name the file's ids")
            ->type_name("FILE.h");
    std::string format = "text";
    CLI::Option* formatOption =
        app.add_option("--format", format, "text (the default) or json")->check(CLI::IsMember({"text", "json"}));
    CLI::Option* rowsOption = app.add_flag("--rows", options.rows, "Print each node's Name/Value rows under it");
    CLI::Option* checkOption =
        app.add_flag("--check", options.check, "Only check the file: exit 0 if valid, else print why");
    size_t scene = 0;
    CLI::Option* svgOption =
        app.add_option("--svg", scene, "Draw scene N (from 0) as SVG instead of printing the tree")
            ->type_name("N")
            ->check(CLI::Range(uint32_t{0}, std::numeric_limits<uint32_t>::max()));
    app.add_flag("--visible-only", options.visibleOnly, "With --svg: leave hidden resources out")->needs(svgOption);
    std::string before;
    CLI::Option* diffOption =
        app.add_option("--diff", before, "Compare OLD.sty with the file: what was added, removed, changed, moved")
            ->type_name("OLD.sty");
    app.add_flag("--all-rows", options.allRows, "With --diff: compare the offset, size and count rows too")
        ->needs(diffOption);
    std::string findText;
    CLI::Option* findOption =
        app.add_option("--find", findText, "Print the label path of each node that matches TEXT, as the viewer's Find")
            ->type_name("TEXT")
            ->check([](const std::string& text) { return text.empty() ? "the text is empty" : ""; });
    app.add_flag("--match-case", options.matchCase, "With --find: letters match only in the same case")
        ->needs(findOption);
    CLI::Option* namesOption =
        app.add_option("--names", options.namesPath, "Only print the names the C header gives ids, in table order")
            ->type_name("FILE.h");
    app.add_flag("--why", options.why, "With --names: print each definition that gives none too, and why")
        ->needs(namesOption);
    app.get_formatter()->column_width(34);
    app.footer("Exit codes: 0 valid (with --diff: no difference), 1 invalid file or header, 2 usage error, "
               "3 a file that cannot be opened or read, 4 output that cannot be written, 5 with --diff: the "
               "files differ, 6 with --find: no node matches.");
    checkOption->excludes(formatOption)->excludes(rowsOption)->excludes(svgOption);
    svgOption->excludes(formatOption)->excludes(rowsOption);
    diffOption->excludes(rowsOption)->excludes(checkOption)->excludes(svgOption);
    findOption->excludes(formatOption)->excludes(rowsOption)->excludes(checkOption)->excludes(svgOption)->excludes(
        diffOption);
    for (CLI::Option* other :
         {fileOption, headerOption, formatOption, rowsOption, checkOption, svgOption, diffOption, findOption})
        namesOption->excludes(other);

    try {
        app.parse(argc, argv);
        if (namesOption->empty() && fileOption->empty())
            throw CLI::RequiredError(fileOption->get_name());
    } catch (const CLI::CallForHelp&) {
        std::fputs(app.help().c_str(), out);
        return kExitOk;
    } catch (const CLI::CallForVersion& version) {
        std::fprintf(out, "%s\n", version.what());
        return kExitOk;
    } catch (const CLI::ParseError& error) {
        std::fprintf(err, "lorvex-dump: %s\nRun with --help for more information.\n", error.what());
        return kExitUsage;
    }
    options.json = format == "json";
    if (!svgOption->empty())
        options.svgScene = scene;
    if (!diffOption->empty())
        options.diffBefore = before;
    if (!findOption->empty())
        options.findText = findText;
    return std::nullopt;
}
