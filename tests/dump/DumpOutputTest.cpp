// What lorvex-dump prints for the demo file, and how it ends for every kind
// of input it can be given.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/dump/DumpRunner.h"
#include "style/StyWriter.h"
#include "tools/dump/Dump.h"

namespace {

const std::string kDemo = LORVEX_SOURCE_DIR "/examples/demo.sty";
const std::string kDemoHeader = LORVEX_SOURCE_DIR "/examples/demo.h";
const std::string kExpected = LORVEX_SOURCE_DIR "/tests/dump/expected/";

std::string Hex(uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

TEST(DumpOutput, DemoMatchesTheReviewedFiles)
{
    struct Case {
        std::vector<std::string> args;
        const char* expected;
    };
    const Case cases[] = {
        {{kDemo}, "demo-tree.txt"},
        {{"--rows", kDemo}, "demo.txt"},
        {{"--rows", "--header", kDemoHeader, kDemo}, "demo-h.txt"},
        {{"--rows", "--format", "json", kDemo}, "demo.json"},
        {{"--header", kDemoHeader, "--format=json", "--rows", kDemo}, "demo-h.json"},
    };
    for (const Case& c : cases) {
        const DumpRun run = RunDumpWith(c.args);
        EXPECT_EQ(run.code, 0) << c.expected;
        EXPECT_EQ(run.err, "") << c.expected;
        EXPECT_EQ(run.out, ReadText(kExpected + c.expected)) << c.expected;
    }
}

TEST(DumpOutput, FileNodeIsTheNameWithoutItsLastExtension)
{
    ScratchDir dir;
    const std::string path = dir.Path("main.v2 final.sty");
    ASSERT_TRUE(WriteBytes(path, StyWriter().Write().bytes));
    EXPECT_EQ(RunDumpWith({path}).out, "[file] main.v2 final\n");
    EXPECT_EQ(RunDumpWith({"--format", "json", path}).out,
              "{\"nodes\":[\n{\"kind\":\"file\",\"label\":\"main.v2 final\",\"depth\":0,\"parent\":null}\n]}\n");
}

TEST(DumpOutput, AFileNameThatIsNotUtf8StaysValidJson)
{
    ScratchDir dir;
    const std::string path = dir.Path("bad\xFF\xC3name.sty");  // a lone byte, a cut sequence
    ASSERT_TRUE(WriteBytes(path, StyWriter().Write().bytes));
    EXPECT_EQ(RunDumpWith({path}).out, "[file] bad\xFF\xC3name\n");  // text keeps the bytes
    EXPECT_EQ(RunDumpWith({"--format", "json", path}).out,
              "{\"nodes\":[\n{\"kind\":\"file\",\"label\":\"bad\xEF\xBF\xBD\xEF\xBF\xBDname\",\"depth\":0,"
              "\"parent\":null}\n]}\n");
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

// A scene holding a group with a picture; at[] and table[] say where each
// part was written.
struct SmallFile {
    StyImage image;
    size_t scene, group, pic;
};

SmallFile MakeSmallFile()
{
    StyWriter w;
    SmallFile file;
    file.scene = w.Scene(0x100);
    file.group = w.Group(file.scene, 0x200);
    file.pic = w.Pic(file.group, 0x201, 7);
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
    }
}

TEST(DumpExit, AnOffsetOutsideTheFileIsRefusedAtTheFieldHoldingIt)
{
    ScratchDir dir;
    const SmallFile file = MakeSmallFile();
    // The group's child-table offset (block offset 41) pointing past the end.
    const uint32_t field = file.image.at[file.group] + 41;
    std::vector<uint8_t> bytes = file.image.bytes;
    Put32(bytes, field, 0xFFFFFFFC);
    const std::string path = dir.Path("far.sty");
    ASSERT_TRUE(WriteBytes(path, bytes));

    const DumpRun run = RunDumpWith({"--check", path});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind(path + ": offset " + Hex(field) + ": ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.back(), '\n');
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

TEST(DumpExit, OutputThatCannotBeWrittenExitsFour)
{
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    std::FILE* err = std::tmpfile();
    ASSERT_NE(err, nullptr);
    const char* argv[] = {"lorvex-dump", "--rows", kDemo.c_str()};
    EXPECT_EQ(RunDump(3, argv, full, err), 4);
    EXPECT_GT(std::ftell(err), 0);  // and said so
    std::fclose(full);
    std::fclose(err);
}

TEST(DumpExit, AHeaderWithoutNamesLeavesTheGeneratedLabels)
{
    ScratchDir dir;
    const std::string header = dir.Path("empty.h");
    ASSERT_TRUE(WriteBytes(header, {}));
    const DumpRun run = RunDumpWith({"--rows", "--header", header, kDemo});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, ReadText(kExpected + "demo.txt"));
}

}  // namespace
