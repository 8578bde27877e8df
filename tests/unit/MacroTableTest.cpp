#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <string>

#include "ui/ViewerDlg.h"

namespace {

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
