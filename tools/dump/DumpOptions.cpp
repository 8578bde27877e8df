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
    CLI::Option* namesOption =
        app.add_option("--names", options.namesPath, "Only print the names the C header gives ids, in table order")
            ->type_name("FILE.h");
    app.add_flag("--why", options.why, "With --names: print each definition that gives none too, and why")
        ->needs(namesOption);
    app.get_formatter()->column_width(34);
    app.footer("Exit codes: 0 valid, 1 invalid file or header, 2 usage error, 3 a file that cannot be "
               "opened or read, 4 output that cannot be written.");
    checkOption->excludes(formatOption)->excludes(rowsOption)->excludes(svgOption);
    svgOption->excludes(formatOption)->excludes(rowsOption);
    for (CLI::Option* other : {fileOption, headerOption, formatOption, rowsOption, checkOption, svgOption})
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
    return std::nullopt;
}
