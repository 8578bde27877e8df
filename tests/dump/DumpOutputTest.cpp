// What lorvex-dump prints for the demo file and for the file of edge
// values, and how it ends for every kind of input it can be given.
#include <gtest/gtest.h>
#include <rapidjson/document.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/dump/DumpRunner.h"
#include "style/StyWriter.h"
#include "tools/dump/Dump.h"

namespace {

const std::string kDemo = LORVEX_SOURCE_DIR "/examples/demo.sty";
const std::string kDemoHeader = LORVEX_SOURCE_DIR "/examples/demo.h";
const std::string kEdges = LORVEX_SOURCE_DIR "/tests/fixtures/edges.sty";
const std::string kEdgesHeader = LORVEX_SOURCE_DIR "/tests/fixtures/edges.h";
const std::string kExpected = LORVEX_SOURCE_DIR "/tests/dump/expected/";

std::string Hex(uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

TEST(DumpOutput, OutputMatchesTheReviewedFiles)
{
    struct Case {
        std::vector<std::string> args;
        const char* expected;
    };
    const Case cases[] = {
        {{"--header", kDemoHeader, kDemo}, "demo-h-tree.txt"},
        {{kEdges}, "edges-tree.txt"},
        {{"--rows", kEdges}, "edges.txt"},
        {{"--rows", "--header", kEdgesHeader, kEdges}, "edges-h.txt"},
        {{"--rows", "--format", "json", kEdges}, "edges.json"},
        {{"--header", kEdgesHeader, "--format=json", "--rows", kEdges}, "edges-h.json"},
    };
    for (const Case& c : cases) {
        const DumpRun run = RunDumpWith(c.args);
        EXPECT_EQ(run.code, 0) << c.expected;
        EXPECT_EQ(run.err, "") << c.expected;
        EXPECT_EQ(run.out, ReadText(kExpected + c.expected)) << c.expected;
    }
}

// The file node is the file's name without its last extension: its bytes
// as they are in the text dump; in the JSON dump escaped where JSON asks,
// and with U+FFFD for each byte that cannot start or continue a well-formed
// UTF-8 sequence, so that the output parses as UTF-8 and the label reads
// back as given here.
TEST(DumpOutput, AFileNameLabelsTheFileNodeAndStaysValidJson)
{
    const std::string u = "\xEF\xBF\xBD";  // U+FFFD
    const struct {
        std::string name;  // before ".sty"
        std::string label;
    } cases[] = {
        {"main.v2 final", "main.v2 final"},
        {"\"q\"\ttab\x01\x1F", "\"q\"\ttab\x01\x1F"},
        {"\xE6\xBC\x94\xE7\xA4\xBA \xF0\x9F\x8C\x8F", "\xE6\xBC\x94\xE7\xA4\xBA \xF0\x9F\x8C\x8F"},
        {"bad\xFF\xC3name", "bad" + u + u + "name"},  // a lone byte, a cut sequence
        {"nul\xC0\x80", "nul" + u + u},               // NUL in two bytes: overlong
        {"\xE0\x80\x80.", u + u + u + "."},           // NUL in three
        {"\xED\xA0\x80", u + u + u},                  // a surrogate, U+D800
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.Path(c.name + ".sty");
        ASSERT_TRUE(WriteBytes(path, StyWriter().Write().bytes));
        EXPECT_EQ(RunDumpWith({path}).out, "[file] " + c.name + "\n");
        const std::string json = RunDumpWith({"--format", "json", path}).out;
        rapidjson::Document parsed;
        parsed.Parse<rapidjson::kParseValidateEncodingFlag>(json.data(), json.size());
        ASSERT_FALSE(parsed.HasParseError()) << json;
        const rapidjson::Value& label = parsed["nodes"][0]["label"];
        EXPECT_EQ(std::string(label.GetString(), label.GetStringLength()), c.label);
    }
}

TEST(DumpOutput, CheckOfAValidFileSaysSoAndExitsZero)
{
    const DumpRun run = RunDumpWith({"--check", "--header", kDemoHeader, kDemo});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, kDemo + ": valid\n");
    EXPECT_EQ(run.err, "");
}

// Names in the table's order; with --why, the definitions without a name
// among them in file order, each with its line and why.
TEST(DumpOutput, NamesListTheHeadersIdsAndWhyTheOthersHaveNone)
{
    ScratchDir dir;
    const std::string header = dir.Path("ids.h");
    const std::string text = "#define IDS_BASE(n) (0x10 + (n))\n#define IDS_OK IDS_BASE(0)\n\n"
                             "#define IDS_TITLE sizeof(int)\nenum { IDS_A = 0x20, IDS_B };\n";
    ASSERT_TRUE(WriteBytes(header, std::vector<uint8_t>(text.begin(), text.end())));
    const DumpRun names = RunDumpWith({"--names", header});
    EXPECT_EQ(names.code, 0);
    EXPECT_EQ(names.out, "IDS_OK 0x00000010\nIDS_A 0x00000020\nIDS_B 0x00000021\n");
    const DumpRun why = RunDumpWith({"--names", header, "--why"});
    EXPECT_EQ(why.code, 0);
    EXPECT_EQ(why.out,
              "line 1: IDS_BASE: takes arguments\nIDS_OK 0x00000010\nline 4: IDS_TITLE: uses sizeof\n"
              "IDS_A 0x00000020\nIDS_B 0x00000021\n");
    EXPECT_EQ(why.err, "");
}

TEST(DumpOutput, HelpAndVersionGoToStandardOutputWithExitZero)
{
    const DumpRun version = RunDumpWith({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "lorvex-dump 1.0.0.1\n");
    const DumpRun help = RunDumpWith({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* option :
         {"--header", "--format", "--rows", "--check", "--svg", "--visible-only", "--names", "--why", "--version"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    EXPECT_EQ(help.err, "");
}

TEST(DumpExit, UsageErrorsExitTwoWithAMessageAndNoData)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--frobnicate", kDemo},
        {"--format", "xml", kDemo},
        {"--format"},
        {kDemo, kDemo},
        {"--check", "--rows", kDemo},
        {"--check", "--svg", "0", kDemo},
        {"--svg", "0", "--format", "json", kDemo},
        {"--visible-only", kDemo},
        {"--svg", "-1", kDemo},
        {"--svg", "one", kDemo},
        {"--svg", "3", kDemo},  // the demo has scenes 0 to 2
        {"--diff", kDemo},      // and no newer file
        {"--diff", kDemo, "--rows", kDemo},
        {"--all-rows", kDemo},
        {"--names"},
        {"--why", kDemo},
        {"--names", kDemoHeader, kDemo},
        {"--names", kDemoHeader, "--rows"},
    };
    for (const auto& args : cases) {
        const DumpRun run = RunDumpWith(args);
        std::string line;
        for (const std::string& arg : args)
            line += arg + " ";
        EXPECT_EQ(run.code, 2) << line;
        EXPECT_EQ(run.out, "") << line;
        EXPECT_NE(run.err, "") << line;
    }
}

TEST(DumpExit, FilesThatCannotBeOpenedExitThree)
{
    ScratchDir dir;
    const std::string missing = dir.Path("missing.sty");
    struct Case {
        std::vector<std::string> args;
        std::string named;  // the path the message begins with
    };
    const Case cases[] = {
        {{missing}, missing},
        {{"--check", missing}, missing},
        {{"--check", dir.Path("")}, dir.Path("")},  // a folder
        {{"--header", dir.Path("missing.h"), kDemo}, dir.Path("missing.h")},
        {{"--check", "--header", dir.Path(""), kDemo}, dir.Path("")},
        {{"--names", dir.Path("missing.h"), "--why"}, dir.Path("missing.h")},
    };
    for (const Case& c : cases) {
        const DumpRun run = RunDumpWith(c.args);
        EXPECT_EQ(run.code, 3) << c.named;
        EXPECT_EQ(run.out, "") << c.named;
        EXPECT_EQ(run.err.rfind(c.named + ": cannot open", 0), 0u) << run.err;
    }
}

// A scene holding a group with a picture; image.at[pic] is where the
// picture's block was written.
struct SmallFile {
    StyImage image;
    size_t pic;
};

SmallFile MakeSmallFile()
{
    StyWriter w;
    SmallFile file;
    file.pic = w.Pic(w.Group(w.Scene(0x100), 0x200), 0x201, 7);
    file.image = w.Write();
    return file;
}

TEST(DumpExit, ATruncatedFileIsRefusedAtTheBlockThatDoesNotFit)
{
    ScratchDir dir;
    const SmallFile file = MakeSmallFile();
    const uint32_t block = file.image.at[file.pic];
    std::vector<uint8_t> bytes = file.image.bytes;
    ASSERT_GT(bytes.size(), block + 10u);
    bytes.resize(block + 10);  // half a picture block
    const std::string path = dir.Path("cut.sty");
    ASSERT_TRUE(WriteBytes(path, bytes));

    for (const char* mode : {"--check", "--rows"}) {
        const DumpRun run = RunDumpWith({mode, path});
        EXPECT_EQ(run.code, 1) << mode;
        EXPECT_EQ(run.out, "") << mode;  // never half shown
        EXPECT_EQ(run.err.rfind(path + ": offset " + Hex(block) + ": ", 0), 0u) << run.err;
        EXPECT_EQ(run.err.back(), '\n');
    }
}

TEST(DumpExit, NotAStyleFileOrNotAHeaderExitsOne)
{
    ScratchDir dir;
    const std::string text = dir.Path("notes.sty");
    ASSERT_TRUE(WriteBytes(text, {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!'}));
    DumpRun run = RunDumpWith({"--check", text});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err.rfind(text + ": offset 0x0: ", 0), 0u) << run.err;

    const std::string binary = dir.Path("binary.h");
    ASSERT_TRUE(WriteBytes(binary, {'#', 'd', 'e', 'f', 0, 'A', ' ', '1'}));
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--header", binary, kDemo},
                                                 std::vector<std::string>{"--names", binary}}) {
        run = RunDumpWith(args);
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind(binary + ": not a C header", 0), 0u) << run.err;
    }
}

TEST(DumpExit, AHeaderThatGivesNoNamesSaysWhy)
{
    ScratchDir dir;
    const std::string huge = dir.Path("huge.h");
    ASSERT_TRUE(WriteBytes(huge, {}));
    ASSERT_EQ(truncate(huge.c_str(), (64 << 20) + 1), 0);  // sparse: no disk used
    const struct {
        std::string header;
        int code;
        std::string err;
    } cases[] = {
        {"/proc/self/mem", 3, "/proc/self/mem: the header could not be read whole\n"},  // unmapped memory
        {huge, 1, huge + ": not a C header: it is larger than 64 MiB\n"},
    };
    for (const auto& c : cases) {
        const DumpRun run = RunDumpWith({"--header", c.header, kDemo});
        EXPECT_EQ(run.code, c.code) << c.header;
        EXPECT_EQ(run.out, "") << c.header;
        EXPECT_EQ(run.err, c.err);
    }
}

// To a device that takes nothing: output many times the size of any buffer,
// and output small enough to reach the device only as the dump ends.
TEST(DumpExit, OutputThatCannotBeWrittenExitsFour)
{
    ScratchDir dir;
    StyWriter w;
    const size_t scene = w.Scene(1);
    for (uint32_t id = 0; id < 2000; ++id)
        w.Pic(scene, id);
    const std::string big = dir.Path("big.sty");
    ASSERT_TRUE(WriteBytes(big, w.Write().bytes));
    const std::string small = dir.Path("small.sty");
    ASSERT_TRUE(WriteBytes(small, MakeSmallFile().image.bytes));

    const std::vector<std::vector<std::string>> cases = {
        {"--rows", big}, {"--check", small}, {"--format", "json", small}, {"--svg", "0", small}};
    for (const auto& args : cases) {
        SCOPED_TRACE(args[0]);
        std::vector<const char*> argv{"lorvex-dump"};
        for (const std::string& arg : args)
            argv.push_back(arg.c_str());
        std::FILE* full = std::fopen("/dev/full", "w");
        ASSERT_NE(full, nullptr);
        std::FILE* err = std::tmpfile();
        ASSERT_NE(err, nullptr);
        EXPECT_EQ(RunDump(static_cast<int>(argv.size()), argv.data(), full, err), 4);
        EXPECT_GT(std::ftell(err), 0);  // and said so
        std::fclose(full);
        std::fclose(err);
    }
}

TEST(DumpExit, AHeaderWithoutNamesLeavesTheGeneratedLabels)
{
    ScratchDir dir;
    const std::string header = dir.Path("empty.h");
    ASSERT_TRUE(WriteBytes(header, {}));
    const DumpRun run = RunDumpWith({"--rows", "--header", header, kEdges});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, ReadText(kExpected + "edges.txt"));
}

}  // namespace
