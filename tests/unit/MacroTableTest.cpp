#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <string>

#include "browse/MacroLookup.h"
#include "framework/headless/Headless.h"
#include "ui/ViewerDlg.h"

namespace {

TEST(LookupMacroName, FirstMatchWinsAndAMissLeavesTheOutputAlone)
{
    NameIdNode empty{nullptr, "", 7};
    NameIdNode top{&empty, "TOP", 0x80000000u};
    NameIdNode zero{&top, "ZERO", 0};
    NameIdNode later{&zero, "SECOND", 0x1A};
    NameIdNode first{&later, "FIRST", 0x1A};

    struct Case {
        const NameIdNode* head;
        uint32_t id;
        bool found;
        const char* name;
    } const cases[] = {
        {nullptr, 0x1A, false, "unchanged"}, {&first, 0x1A, true, "FIRST"},   {&later, 0x1A, true, "SECOND"},
        {&first, 0, true, "ZERO"},           {&first, 0x80000000u, true, "TOP"}, {&first, 7, true, ""},
        {&first, 0x1B, false, "unchanged"},  {&first, 0xFFFFFFFFu, false, "unchanged"},
    };
    for (const Case& c : cases) {
        CString name = "unchanged";
        EXPECT_EQ(LookupMacroName(c.head, c.id, name), c.found) << std::hex << c.id;
        EXPECT_EQ(name, c.name) << std::hex << c.id;
    }
}

// Exposes the loading of the macro table.
class MacroDlg : public CViewerDlg {
public:
    using CViewerDlg::LoadHeaderMacros;
};

class LoadHeaderMacrosTest : public ::testing::Test {
protected:
    void SetUp() override { m_path = "/tmp/lorvex-macro-table-" + std::to_string(getpid()) + ".h"; }
    void TearDown() override { std::remove(m_path.c_str()); }

    void Write(const std::string& text) { std::ofstream(m_path, std::ios::binary) << text; }

    static std::string Names(const NameIdNode* head)
    {
        std::string out;
        for (; head; head = head->next)
            out += std::string(static_cast<LPCTSTR>(head->name)) + ";";
        return out;
    }

    std::string m_path;
};

TEST_F(LoadHeaderMacrosTest, EmptyPathKeepsTheTableAndReloadsShowCurrentNames)
{
    MacroDlg dlg;
    dlg.LoadHeaderMacros();  // no path: nothing happens
    EXPECT_EQ(dlg.m_pMacroList, nullptr);

    Write("#define SCENE_MAIN 0x1\n#define PIC_LOGO 0x20\n");
    dlg.m_strHeaderPath = m_path.c_str();
    dlg.LoadHeaderMacros();
    EXPECT_EQ(Names(dlg.m_pMacroList), "SCENE_MAIN;PIC_LOGO;");

    Write("#define SCENE_HOME 0x1\n");
    dlg.LoadHeaderMacros();
    EXPECT_EQ(Names(dlg.m_pMacroList), "SCENE_HOME;");

    dlg.m_strHeaderPath = "";
    dlg.LoadHeaderMacros();
    EXPECT_EQ(Names(dlg.m_pMacroList), "SCENE_HOME;");

    dlg.m_strHeaderPath = "/nonexistent/ids.h";
    dlg.LoadHeaderMacros();
    EXPECT_EQ(Names(dlg.m_pMacroList), "SCENE_HOME;");
    // The dialog frees the last table when it goes; LeakSanitizer checks.
}

}  // namespace
