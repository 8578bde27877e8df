#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

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

TEST(CFile, ReadWholeFileTellsEachWayItCanEnd)
{
    const char* const source = LORVEX_SOURCE_DIR "/CMakeLists.txt";
    CFile probe;
    ASSERT_TRUE(probe.Open(source, CFile::modeRead));
    const uint64_t length = probe.GetLength();
    probe.Close();

    CFile f;
    std::string text;
    FileReadResult read = f.ReadWholeFile(source, length, text);
    EXPECT_EQ(read.status, FileReadStatus::ok);
    EXPECT_EQ(read.size, length);
    EXPECT_EQ(text.size(), length);
    EXPECT_EQ(text.rfind("cmake_minimum", 0), 0u);
    EXPECT_FALSE(f.IsOpen());

    read = f.ReadWholeFile(source, length - 1, text);
    EXPECT_EQ(read.status, FileReadStatus::too_large);
    EXPECT_EQ(read.size, length);
    EXPECT_EQ(f.ReadWholeFile("/nonexistent/lorvex", 100, text).status, FileReadStatus::cannot_open);
    EXPECT_EQ(f.ReadWholeFile("/tmp", 100, text).status, FileReadStatus::cannot_open);
    // Memory that is not mapped reads as an I/O error.
    EXPECT_EQ(f.ReadWholeFile("/proc/self/mem", 100, text).status, FileReadStatus::read_error);
    EXPECT_FALSE(f.IsOpen());

    // A length of 0 that holds more: read to where the file ends.
    std::vector<uint8_t> bytes;
    read = f.ReadWholeFile("/proc/self/status", 1 << 20, bytes);
    EXPECT_EQ(read.status, FileReadStatus::ok);
    EXPECT_EQ(bytes.size(), read.size);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "Name:");
    EXPECT_EQ(f.ReadWholeFile("/proc/self/status", 4, bytes).status, FileReadStatus::too_large);
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
        EXPECT_TRUE(AfxIsUtf8(pair.utf8)) << pair.utf8;
        EXPECT_EQ(AfxValidUtf8(pair.utf8), pair.utf8);
    }

    // One U+FFFD for each maximal part of an ill-formed sequence, the same
    // in the window's text and in the dump's JSON and SVG.
    const std::u16string bad = u"\xFFFD";
    const struct {
        std::string utf8;
        std::u16string utf16;
    } malformed[] = {
        {"\xFF", bad},
        {"a\xC3", u"a" + bad},                       // cut short
        {"A\xE2\x82" "B", u"A" + bad + u"B"},         // cut short, the next byte kept
        {"\xEF\xBF\xBD\xE2\x82", bad + bad},         // a real U+FFFD, then a cut one
        {"\xC0\x80", bad + bad},                     // overlong
        {"\xE0\x80\x80", bad + bad + bad},           // overlong
        {"\xED\xA0\x80", bad + bad + bad},           // a surrogate
        {"\xF4\x90\x80\x80", bad + bad + bad + bad},  // past U+10FFFF
    };
    for (const auto& c : malformed) {
        EXPECT_EQ(AfxUtf8ToWide(c.utf8), c.utf16) << c.utf8;
        EXPECT_FALSE(AfxIsUtf8(c.utf8)) << c.utf8;
        EXPECT_EQ(AfxValidUtf8(c.utf8), AfxWideToUtf8(c.utf16)) << c.utf8;
    }

    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(AfxWideToUtf8(u"\xD800"), replacement);
    EXPECT_EQ(AfxWideToUtf8(u"\xDC00x"), replacement + "x");
    EXPECT_EQ(AfxWideToUtf8(u"\xDF0F\xD83C"), replacement + replacement);
}
