// Find Next in the viewer on the real tree control, under Wine: the main
// dialog's own FindAndSelect (the search over the document, then revealing
// and selecting the node, whose rows the list then shows through the
// selection notice) on the benchmarks' browse document of 100,011 nodes
// with its header of 10,000 names loaded and the tree built. Every search
// starts at the last node, selected again before it and not timed:
//   down, round the end to the first match: RES_NAME_00000, the first group
//   down, round the end to the last name:   RES_NAME_09999, near the end, so
//                                           nearly every node is tried
//   up, to the first match:                 RES_NAME_00000 again, every node
//                                           before the last tried
//   down, an id:                            0x100, the first group by number
// The first search of each case opens the parents of the node it finds;
// the figures are that first one, and the best and the median of the rest,
// in milliseconds.
//
// Run from the top of the checkout (builds the windows preset's target and
// runs it on a private Xvfb with the build folder's Wine prefix):
//   bench/run_wine_bench.sh bench_find_wine [ROUNDS]   default 10 rounds
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/BrowseBenchDocument.h"
#include "bench/ThreadClock.h"
#include "framework/core/Utf.h"
#include "tests/win32/ModalRunner.h"
#include "ui/ViewerDlg.h"

namespace {

class BenchDlg : public CViewerDlg {
public:
    using CViewerDlg::FindAndSelect;
    using CViewerDlg::LoadHeaderMacros;
    using CViewerDlg::m_bMatchCase;
    using CViewerDlg::m_strFindWhat;
    using CViewerDlg::RebuildTree;
};

struct Case {
    const char* what;
    const char* text;
    FindDirection direction;
};

const Case kCases[] = {
    {"down, round the end to the first match", "RES_NAME_00000", FindDirection::Down},
    {"down, round the end to the last name", "RES_NAME_09999", FindDirection::Down},
    {"up, to the first match", "RES_NAME_00000", FindDirection::Up},
    {"down, an id", "0x100", FindDirection::Down},
};

std::wstring TempPath(const wchar_t* name)
{
    wchar_t dir[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, dir);
    return std::wstring(dir) + L"lorvex-bench-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(2, std::atoi(argv[1])) : 10;

    std::vector<uint32_t> resourceIds;
    const StyImage image = MakeBrowseBenchDocument(resourceIds);
    const std::string header = MakeBrowseBenchHeader(resourceIds);
    const std::wstring headerPath = TempPath(L"names.h");
    FILE* out = _wfopen(headerPath.c_str(), L"wb");
    if (!out || std::fwrite(header.data(), 1, header.size(), out) != header.size() || std::fclose(out) != 0) {
        std::fprintf(stderr, "cannot write %ls\n", headerPath.c_str());
        return 1;
    }

    BenchDlg dlg;
    int status = 0;
    RunModal(dlg, [&] {
        dlg.m_strHeaderPath = AfxWideToUtf8(headerPath).c_str();
        dlg.LoadHeaderMacros();
        dlg.m_pStyleFile = new StyleFile;
        dlg.m_strFileTitle = "large";
        if (!dlg.m_pStyleFile->ParseBytes(image.bytes)) {
            std::fprintf(stderr, "the generated document does not parse\n");
            status = 1;
            dlg.EndDialog(IDCANCEL);
            return;
        }
        dlg.RebuildTree();
        const UINT nodes = dlg.m_tree.GetCount();
        const HTREEITEM last = dlg.m_tree.GetTaggedItem(nodes - 1);
        std::printf("document: %u nodes, header: %zu names; %d rounds a case\n", nodes, kBrowseBenchNames, rounds);
        std::printf("%-42s %28s %28s\n", "", "wall-clock ms", "CPU ms");
        std::printf("%-42s %9s %9s %9s %9s %9s %9s  found\n", "case", "first", "best", "median", "first", "best",
                    "median");
        for (const Case& c : kCases) {
            dlg.m_strFindWhat = c.text;
            dlg.m_bMatchCase = FALSE;
            std::vector<Cost> costs;
            CString found;
            for (int r = 0; r < rounds; ++r) {
                dlg.m_tree.SelectItem(last);
                costs.push_back(Measure([&] { dlg.FindAndSelect(c.direction); }));
                found = dlg.m_tree.GetItemText(dlg.m_tree.GetSelectedItem());
            }
            std::vector<double> wall, cpu;
            for (size_t r = 1; r < costs.size(); ++r) {
                wall.push_back(costs[r].wall * 1e3);
                cpu.push_back(costs[r].cpu * 1e3);
            }
            std::printf("%-42s %9.2f %9.2f %9.2f %9.2f %9.2f %9.2f  %s\n", c.what, costs[0].wall * 1e3,
                        *std::min_element(wall.begin(), wall.end()), Median(wall), costs[0].cpu * 1e3,
                        *std::min_element(cpu.begin(), cpu.end()), Median(cpu), found.GetString().c_str());
            std::fflush(stdout);
        }
        dlg.EndDialog(IDOK);
    });
    DeleteFileW(headerPath.c_str());
    return status;
}
