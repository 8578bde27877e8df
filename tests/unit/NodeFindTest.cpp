// Find Next's rule and order on a document, as the viewer and lorvex-dump
// --find use it.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "browse/NodeFind.h"
#include "style/StyWriter.h"

namespace {

// In tree order, with the index of each node:
//   0 main                 5 Frame00, 6 Frame01 of RGN_SPIN
//   1 HOME (scene 0x1a)    7 STR_Title (0x27)
//   2 GRP_TOP (0x100)      8 Pic_1b (no name)
//   3 PIC_LIST (0x26)      9 SETTINGS (scene 2)
//   4 RGN_SPIN (0x30)     10 str_title_small (0x28)
class NodeFindTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StyWriter w;
        const size_t home = w.Scene(0x1A);
        const size_t group = w.Group(home, 0x100);
        w.Pic(group, 0x26);
        w.Region(group, 0x30, {1, 2});
        w.String(group, 0x27);
        w.Pic(home, 0x1B);
        w.String(w.Scene(2), 0x28);
        ASSERT_TRUE(m_file.ParseBytes(w.Write().bytes));
        for (const auto& [name, id] : std::vector<std::pair<const char*, uint32_t>>{{"str_title_small", 0x28},
                                                                                    {"SETTINGS", 2},
                                                                                    {"STR_Title", 0x27},
                                                                                    {"RGN_SPIN", 0x30},
                                                                                    {"PIC_LIST", 0x26},
                                                                                    {"GRP_TOP", 0x100},
                                                                                    {"HOME", 0x1A}})
            m_names.push_back(new NameIdNode{m_names.empty() ? nullptr : m_names.back(), name, id});
    }
    void TearDown() override { FreeNameIdList(m_names.back()); }

    std::optional<size_t> Find(const char* text, std::optional<size_t> from, FindDirection direction,
                               bool matchCase = false)
    {
        return FindNode(m_file, MacroNameIndex(m_names.back()), "main", NodeMatcher(text, matchCase), from, direction);
    }

    // Every node Find Next visits from the top until it comes round again.
    std::vector<size_t> Matches(const char* text, bool matchCase = false)
    {
        std::vector<size_t> found;
        for (std::optional<size_t> at = Find(text, std::nullopt, FindDirection::Down, matchCase);
             at && (found.empty() || *at != found.front()); at = Find(text, at, FindDirection::Down, matchCase))
            found.push_back(*at);
        return found;
    }

    StyleFile m_file;
    std::vector<NameIdNode*> m_names;
};

TEST_F(NodeFindTest, DownGoesOnInTreeOrderAndRoundOnceUpGoesBack)
{
    EXPECT_EQ(Find("title", std::nullopt, FindDirection::Down), 7u);
    EXPECT_EQ(Find("title", 7, FindDirection::Down), 10u);
    EXPECT_EQ(Find("title", 8, FindDirection::Down), 10u);
    EXPECT_EQ(Find("title", 10, FindDirection::Down), 7u);

    EXPECT_EQ(Find("title", std::nullopt, FindDirection::Up), 10u);
    EXPECT_EQ(Find("title", 10, FindDirection::Up), 7u);
    EXPECT_EQ(Find("title", 9, FindDirection::Up), 7u);
    EXPECT_EQ(Find("title", 7, FindDirection::Up), 10u);

    // The only match is where the search starts: it comes back to it.
    EXPECT_EQ(Find("SETTINGS", 9, FindDirection::Down), 9u);
    EXPECT_EQ(Find("SETTINGS", 9, FindDirection::Up), 9u);
    // The file node is a node like the others.
    EXPECT_EQ(Matches("mai"), (std::vector<size_t>{0}));
}

TEST_F(NodeFindTest, LettersMatchInEitherCaseUnlessTheCaseMustMatch)
{
    EXPECT_EQ(Matches("TiTlE"), (std::vector<size_t>{7, 10}));
    EXPECT_EQ(Matches("Title", true), (std::vector<size_t>{7}));
    EXPECT_EQ(Matches("TITLE", true), (std::vector<size_t>{}));
    EXPECT_EQ(Matches("frame0"), (std::vector<size_t>{5, 6}));
}

TEST_F(NodeFindTest, ANumberFindsTheSceneOrResourceOfThatIdNeverAFrame)
{
    // 0x1a, 1A (a hex digit among them) and decimal 26 are one id.
    EXPECT_EQ(Matches("0x1a"), (std::vector<size_t>{1}));
    EXPECT_EQ(Matches("0X1A"), (std::vector<size_t>{1}));
    EXPECT_EQ(Matches("1A"), (std::vector<size_t>{1}));
    EXPECT_EQ(Matches("26"), (std::vector<size_t>{1}));
    EXPECT_EQ(Matches(" 38 "), (std::vector<size_t>{3}));
    EXPECT_EQ(Matches("0x00000026"), (std::vector<size_t>{3}));
    // A number matches labels as text too: Pic_1b by both.
    EXPECT_EQ(Matches("1b"), (std::vector<size_t>{8}));
    // The frames show their region's id in their rows, yet only the region
    // has it.
    EXPECT_EQ(Matches("0x30"), (std::vector<size_t>{4}));
    EXPECT_EQ(Matches("48"), (std::vector<size_t>{4}));

    EXPECT_EQ(ParseIdText("4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseIdText("0xffffffff"), 0xFFFFFFFFu);
    for (const char* notAnId : {"", "0x", "0x100000000", "4294967296", "12g", "-1", "1 2", "x1a"})
        EXPECT_EQ(ParseIdText(notAnId), std::nullopt) << notAnId;
}

TEST_F(NodeFindTest, NothingMatchesNoWhere)
{
    for (FindDirection direction : {FindDirection::Down, FindDirection::Up}) {
        EXPECT_EQ(Find("nothing here", std::nullopt, direction), std::nullopt);
        EXPECT_EQ(Find("nothing here", 4, direction), std::nullopt);
        EXPECT_EQ(Find("", 4, direction), std::nullopt);
        EXPECT_EQ(Find("0x99", 4, direction), std::nullopt);
    }
}

}  // namespace
