// lorvex-dump --diff on pairs of documents written from their descriptions:
// what each kind of edit is reported as, and how the program ends.
#include <gtest/gtest.h>

#include <rapidjson/document.h>

#include <string>
#include <vector>

#include "style/StyWriter.h"
#include "tests/dump/DumpRunner.h"

namespace {

const char kHeader[] = "#define SCENE_MAIN     0x100\n"
                       "#define GRP_TOOLBAR    0x110\n"
                       "#define PIC_ICON_HOME  0x111\n"
                       "#define PIC_ICON_NEW   0x112\n"
                       "#define PIC_ICON_BACK  0x113\n"
                       "#define PIC_ICON_START 0x114\n"
                       "#define STR_TITLE      0x120\n"
                       "#define RGN_SPINNER    0x130\n"
                       "#define PIC_BACKGROUND 0x140\n"
                       "#define SCENE_SETTINGS 0x200\n";

enum Shape : unsigned {
    kPlain = 0,
    kNewIcon = 1,       // PIC_ICON_NEW between the two icons
    kIconsSwapped = 2,  // PIC_ICON_BACK before PIC_ICON_HOME
    kNoToolbar = 4,     // GRP_TOOLBAR left out with its icons
    kNoSpinner = 8,
};

struct Parts {
    size_t home = 0, title = 0, spinner = 0;
};
using Tweak = void (*)(StyWriter&, const Parts&);

// SCENE_MAIN holds GRP_TOOLBAR (PIC_ICON_HOME, PIC_ICON_BACK), STR_TITLE at
// x 8, RGN_SPINNER with the frames 1 2 3, and PIC_BACKGROUND; then comes an
// empty SCENE_SETTINGS. shape and tweak say how a case's document differs.
std::vector<uint8_t> Document(unsigned shape, Tweak tweak = nullptr)
{
    StyWriter w;
    Parts parts;
    const size_t main = w.Scene(0x100);
    if (!(shape & kNoToolbar)) {
        const size_t toolbar = w.Group(main, 0x110);
        if (shape & kIconsSwapped)
            w.Pic(toolbar, 0x113);
        else
            parts.home = w.Pic(toolbar, 0x111);
        if (shape & kNewIcon)
            w.Pic(toolbar, 0x112);
        if (shape & kIconsSwapped)
            parts.home = w.Pic(toolbar, 0x111);
        else
            w.Pic(toolbar, 0x113);
    }
    parts.title = w.String(main, 0x120);
    w.Node(parts.title).string.x = 8;
    if (!(shape & kNoSpinner))
        parts.spinner = w.Region(main, 0x130, {1, 2, 3});
    w.Pic(main, 0x140);
    w.Scene(0x200);
    if (tweak)
        tweak(w, parts);
    return w.Write().bytes;
}

// Writes the header and the two documents, and runs --diff on them.
DumpRun Diff(const ScratchDir& dir, const std::vector<uint8_t>& before, const std::vector<uint8_t>& after,
             std::vector<std::string> options = {})
{
    const std::string header = dir.Path("ids.h");
    const std::string old = dir.Path("old.sty");
    const std::string now = dir.Path("new.sty");
    EXPECT_TRUE(WriteBytes(header, std::vector<uint8_t>(kHeader, kHeader + sizeof kHeader - 1)));
    EXPECT_TRUE(WriteBytes(old, before));
    EXPECT_TRUE(WriteBytes(now, after));
    options.insert(options.end(), {"--header", header, "--diff", old, now});
    return RunDumpWith(options);
}

TEST(DumpDiff, EachKindOfEditIsReportedOnceWhereItHappened)
{
    struct Case {
        const char* edit;
        std::vector<uint8_t> before, after;
        std::string expected;
        std::vector<std::string> options = {};
    };
    const Case cases[] = {
        {"a row changed", Document(kPlain),
         Document(kPlain, [](StyWriter& w, const Parts& p) { w.Node(p.title).string.x = 12; }),
         "~ SCENE_MAIN/STR_TITLE: x 8 -> 12\n"},
        // Everything after it moves in the file: offsets and counts are not
        // differences.
        {"a resource inserted in the middle", Document(kPlain), Document(kNewIcon),
         "+ SCENE_MAIN/GRP_TOOLBAR/PIC_ICON_NEW\n"},
        {"a resource removed with its subtree", Document(kPlain), Document(kNoToolbar), "- SCENE_MAIN/GRP_TOOLBAR\n"},
        {"siblings swapped", Document(kPlain), Document(kIconsSwapped),
         "^ SCENE_MAIN/GRP_TOOLBAR/PIC_ICON_BACK: 1 -> 0\n"
         "^ SCENE_MAIN/GRP_TOOLBAR/PIC_ICON_HOME: 0 -> 1\n"},
        {"an id renamed through the header", Document(kPlain),
         Document(kPlain, [](StyWriter& w, const Parts& p) { w.Node(p.home).pic.id = 0x114; }),
         "- SCENE_MAIN/GRP_TOOLBAR/PIC_ICON_HOME\n"
         "+ SCENE_MAIN/GRP_TOOLBAR/PIC_ICON_START\n"},
        // A frame shows its region's position too: that is said once, on
        // the region.
        {"a region moved, one frame changed, one added", Document(kPlain),
         Document(kPlain,
                  [](StyWriter& w, const Parts& p) {
                      w.Node(p.spinner).region.x = 5;
                      w.Node(p.spinner).frames = {1, 7, 3, 4};
                  }),
         "~ SCENE_MAIN/RGN_SPINNER: x 0 -> 5\n"
         "~ SCENE_MAIN/RGN_SPINNER/Frame01: pic id 2 -> 7\n"
         "+ SCENE_MAIN/RGN_SPINNER/Frame03\n"},
        {"a removal among moves and a change", Document(kPlain),
         Document(kIconsSwapped | kNoSpinner,
                  [](StyWriter& w, const Parts& p) {
                      w.Node(p.title).string.x = 12;
                      w.Node(p.title).string.font_height = 20;
                  }),
         "^ SCENE_MAIN/GRP_TOOLBAR/PIC_ICON_BACK: 1 -> 0\n"
         "^ SCENE_MAIN/GRP_TOOLBAR/PIC_ICON_HOME: 0 -> 1\n"
         "~ SCENE_MAIN/STR_TITLE: x 8 -> 12\n"
         "~ SCENE_MAIN/STR_TITLE: font height 0 -> 20\n"
         "- SCENE_MAIN/RGN_SPINNER\n"},
        {"the file's scene count, compared with --all-rows", Document(kPlain),
         Document(kPlain, [](StyWriter& w, const Parts&) { w.scene_num = 5; }), "~ /: scene num 2 -> 5\n",
         {"--all-rows"}},
        {"identical files", Document(kPlain), Document(kPlain), ""},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        const DumpRun run = Diff(dir, c.before, c.after, c.options);
        EXPECT_EQ(run.out, c.expected) << c.edit;
        EXPECT_EQ(run.code, c.expected.empty() ? 0 : 5) << c.edit;
        EXPECT_EQ(run.err, "") << c.edit;
    }
}

TEST(DumpDiff, RepeatedLabelsMatchInTheirOrder)
{
    // Three pictures of one id at x 1, 2, 3; then two, at x 1 and 9.
    const auto pictures = [](std::vector<int16_t> xs) {
        StyWriter w;
        const size_t scene = w.Scene(0x100);
        for (int16_t x : xs)
            w.Node(w.Pic(scene, 0x111)).pic.x = x;
        return w.Write().bytes;
    };
    ScratchDir dir;
    const DumpRun run = Diff(dir, pictures({1, 2, 3}), pictures({1, 9}));
    EXPECT_EQ(run.out,
              "~ SCENE_MAIN/PIC_ICON_HOME#2: x 2 -> 9\n"
              "- SCENE_MAIN/PIC_ICON_HOME#3\n");
    EXPECT_EQ(run.code, 5);
}

TEST(DumpDiff, JsonReadsBackAsTheSameDifferences)
{
    ScratchDir dir;
    const DumpRun run = Diff(dir, Document(kPlain),
                             Document(kNewIcon | kIconsSwapped | kNoSpinner,
                                      [](StyWriter& w, const Parts& p) { w.Node(p.title).string.x = 12; }),
                             {"--format", "json"});
    EXPECT_EQ(run.code, 5);
    rapidjson::Document json;
    ASSERT_FALSE(json.Parse(run.out.c_str()).HasParseError()) << run.out;
    ASSERT_TRUE(json.IsObject() && json["differences"].IsArray()) << run.out;

    // Each difference in a line of text of its own making.
    std::vector<std::string> seen;
    for (const auto& difference : json["differences"].GetArray()) {
        std::string line = difference["change"].GetString() + std::string(" ") + difference["kind"].GetString();
        for (const auto& step : difference["path"].GetArray())
            line += std::string(" ") + step.GetString();
        if (difference.HasMember("rows"))
            for (const auto& row : difference["rows"].GetArray())
                line += std::string(": ") + row["name"].GetString() + " " + row["old"].GetString() + " " +
                        row["new"].GetString();
        if (difference.HasMember("from"))
            line += ": " + std::to_string(difference["from"].GetUint()) + " " +
                    std::to_string(difference["to"].GetUint());
        seen.push_back(line);
    }
    const std::vector<std::string> expected = {
        "moved pic SCENE_MAIN GRP_TOOLBAR PIC_ICON_BACK: 1 0",
        "added pic SCENE_MAIN GRP_TOOLBAR PIC_ICON_NEW",
        "moved pic SCENE_MAIN GRP_TOOLBAR PIC_ICON_HOME: 0 1",
        "changed string SCENE_MAIN STR_TITLE: x 8 12",
        "removed region SCENE_MAIN RGN_SPINNER",
    };
    EXPECT_EQ(seen, expected);

    const DumpRun same = Diff(dir, Document(kPlain), Document(kPlain), {"--format", "json"});
    EXPECT_EQ(same.out, "{\"differences\":[\n]}\n");
    EXPECT_EQ(same.code, 0);
}

TEST(DumpDiff, ABadFileIsNamedAsTheOldOrTheNewOne)
{
    ScratchDir dir;
    std::vector<uint8_t> cut = Document(kPlain);
    cut.resize(cut.size() - 3);  // what lies at its end reaches outside it
    DumpRun run = Diff(dir, Document(kPlain), cut);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("new file " + dir.Path("new.sty") + ": offset 0x", 0), 0u) << run.err;

    run = RunDumpWith({"--diff", dir.Path("none.sty"), dir.Path("old.sty")});
    EXPECT_EQ(run.code, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("old file " + dir.Path("none.sty") + ": cannot open", 0), 0u) << run.err;
}

}  // namespace
