#include <gtest/gtest.h>

#include <cstring>

#include "framework/afx.h"
#include "framework/core/Utf.h"

TEST(CString, FormatReplacesTextAndHandlesLongOutput)
{
    CString s = "old";
    s.Format("0x%.8x", 0x1Au);
    EXPECT_EQ(s, "0x0000001a");
    s.Format("%d", static_cast<int32_t>(0xFFFFFFFFu));
    EXPECT_EQ(s, "-1");
    s.Format("%s", std::string(5000, 'x').c_str());
    EXPECT_EQ(s.GetLength(), 5000);
}

TEST(CString, BufferRoundTripTakesLengthFromTerminator)
{
    CString s = "main.sty";
    char* p = s.GetBuffer(MAX_PATH);
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p, "main.sty");
    p[4] = '\0';
    s.ReleaseBuffer(-1);
    EXPECT_EQ(s, "main");
    EXPECT_EQ(s.GetLength(), 4);

    s.GetBuffer(2);  // smaller than the text: the text stays whole
    s.ReleaseBuffer();
    EXPECT_EQ(s, "main");
    s.GetBuffer(10);
    s.ReleaseBuffer(2);
    EXPECT_EQ(s, "ma");
}

TEST(CString, EmptyAndNullAssignment)
{
    CString s;
    EXPECT_TRUE(s.IsEmpty());
    s = "a";
    EXPECT_FALSE(s.IsEmpty());
    s = static_cast<const char*>(nullptr);
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_STREQ(static_cast<LPCTSTR>(s), "");
}

TEST(CFile, ReadsExistingFileAndRefusesMissingOrDirectory)
{
    CFile f;
    EXPECT_FALSE(f.Open("/nonexistent/lorvex", CFile::modeRead | CFile::shareDenyNone));
    EXPECT_FALSE(f.Open("/tmp", CFile::modeRead));
    ASSERT_TRUE(f.Open(LORVEX_SOURCE_DIR "/CMakeLists.txt", CFile::modeRead | CFile::shareDenyNone));
    const uint64_t length = f.GetLength();
    EXPECT_GT(length, 10u);
    char buf[16] = {};
    EXPECT_EQ(f.Read(buf, 15), 15u);
    EXPECT_EQ(std::strncmp(buf, "cmake_minimum", 13), 0);
    EXPECT_EQ(f.Seek(0, CFile::end), static_cast<int64_t>(length));
    EXPECT_EQ(f.Read(buf, 4), 0u);
    f.Close();
    EXPECT_FALSE(f.IsOpen());
}

TEST(Utf, ConvertsBothWaysAndReplacesWhatIsMalformed)
{
    const struct {
        std::string utf8;
        std::u16string utf16;
    } pairs[] = {
        {"", u""},
        {"Scene_1a", u"Scene_1a"},
        {"场景 ✓", u"场景 ✓"},
        {"\xF0\x9F\x8C\x8F", u"\xD83C\xDF0F"},  // beyond 16 bits: a surrogate pair
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& pair : pairs) {
        EXPECT_EQ(AfxUtf8ToWide(pair.utf8), pair.utf16) << pair.utf8;
        EXPECT_EQ(AfxWideToUtf8(pair.utf16), pair.utf8) << pair.utf8;
    }

    const std::u16string bad = u"\xFFFD";
    const struct {
        std::string utf8;
        std::u16string utf16;
    } malformed[] = {
        {"\xFF", bad},
        {"a\xC3", u"a" + bad},                       // cut short
        {"\xC3(", bad + u"("},                       // the next byte is kept
        {"\xC0\xAF", bad + bad},                     // overlong
        {"\xE0\x80\x80", bad + bad + bad},           // overlong
        {"\xED\xA0\x80", bad + bad + bad},           // a surrogate
        {"\xF4\x90\x80\x80", bad + bad + bad + bad},  // past U+10FFFF
    };
    for (const auto& c : malformed)
        EXPECT_EQ(AfxUtf8ToWide(c.utf8), c.utf16) << c.utf8;

    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(AfxWideToUtf8(u"\xD800"), replacement);
    EXPECT_EQ(AfxWideToUtf8(u"\xDC00x"), replacement + "x");
    EXPECT_EQ(AfxWideToUtf8(u"\xDF0F\xD83C"), replacement + replacement);
}
