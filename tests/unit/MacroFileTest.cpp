#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "style/uiFile.h"

namespace {

class MacroFile : public ::testing::Test {
protected:
    // ctest runs each test as a process of its own, several at once, and
    // other build trees may run theirs too: every test needs a file that is
    // its own, so the name is made unique by creating it.
    void SetUp() override
    {
        std::string pattern = ::testing::TempDir() + "lorvex_macro_file_XXXXXX";
        const int fd = mkstemp(pattern.data());
        ASSERT_NE(fd, -1);
        close(fd);
        m_path = pattern;
    }

    void TearDown() override
    {
        Free();
        std::remove(m_path.c_str());
    }

    void Write(const std::string& text)
    {
        std::ofstream(m_path, std::ios::binary) << text;
    }

    std::string List() const
    {
        std::string out;
        for (const NameIdNode* n = m_head; n; n = n->next)
            out += (out.empty() ? "" : " ") + std::string(static_cast<LPCTSTR>(n->name)) + "=" + std::to_string(n->id);
        return out;
    }

    void Free()
    {
        FreeNameIdList(m_head);
        m_head = nullptr;
    }

    std::string m_path;
    NameIdNode* m_head = nullptr;
};

TEST_F(MacroFile, ReloadReplacesTheTableWithTheCurrentNames)
{
    Write("#define IDS_A 1\n#define IDS_B 0x80000000\n");
    EXPECT_EQ(uiFile::GetMacroNameIdFromFile(&m_head, m_path.c_str()), 2);
    EXPECT_EQ(List(), "IDS_A=1 IDS_B=2147483648");

    Write("#define IDS_C 0\n");
    EXPECT_EQ(uiFile::GetMacroNameIdFromFile(&m_head, m_path.c_str()), 1);
    EXPECT_EQ(List(), "IDS_C=0");

    Write("/* no names */\n");
    EXPECT_EQ(uiFile::GetMacroNameIdFromFile(&m_head, m_path.c_str()), 0);
    EXPECT_EQ(m_head, nullptr);
}

TEST_F(MacroFile, AFileThatGivesNoTableSaysWhyAndLeavesTheTableAsItWas)
{
    Write("#define KEEP 7\n");
    ASSERT_EQ(uiFile::GetMacroNameIdFromFile(&m_head, m_path.c_str()), 1);
    const NameIdNode* before = m_head;

    const std::string binary = m_path + ".bin";
    std::ofstream(binary, std::ios::binary) << std::string("#define NEW 1\n\0binary", 22);
    const std::string huge = m_path + ".huge";
    std::ofstream(huge, std::ios::binary).close();
    ASSERT_EQ(truncate(huge.c_str(), kMaxMacroFileBytes + 1), 0);  // sparse: no disk used
    const std::string folder = ::testing::TempDir();
    const struct {
        const char* path;
        MacroFileStatus status;
    } cases[] = {
        {"/nonexistent/lorvex/ids.h", MacroFileStatus::cannot_open},
        {folder.c_str(), MacroFileStatus::cannot_open},
        {"", MacroFileStatus::cannot_open},
        {nullptr, MacroFileStatus::cannot_open},
        {"/proc/self/mem", MacroFileStatus::read_error},
        {binary.c_str(), MacroFileStatus::not_text},
        {huge.c_str(), MacroFileStatus::too_large},
    };
    for (const auto& c : cases) {
        const char* const name = c.path ? c.path : "(null)";
        EXPECT_EQ(uiFile::ReadMacroNameIdFile(&m_head, c.path).status, c.status) << name;
        EXPECT_EQ(uiFile::GetMacroNameIdFromFile(&m_head, c.path), -1) << name;
    }
    std::remove(binary.c_str());
    std::remove(huge.c_str());

    EXPECT_EQ(m_head, before);
    EXPECT_EQ(List(), "KEEP=7");
    EXPECT_EQ(uiFile::GetMacroNameIdFromFile(nullptr, m_path.c_str()), -1);
}

}  // namespace
