// Find Next in the viewer on the headless backend: the main dialog's own
// FindAndSelect (the search over the document, then revealing and
// selecting the node, whose rows the list then shows) on the benchmarks'
// browse document of 100,011 nodes with its header of 10,000 names loaded,
// every search starting at the last node, selected again before it (not
// timed). The cases are those of bench/bench_find_wine.cpp, which runs the
// same path on the real controls under Wine.
//   cmake --preset bench && cmake --build --preset bench --target bench_find_node
//   build/bench/bench/bench_find_node
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench/BrowseBenchDocument.h"
#include "framework/headless/Testing.h"
#include "ui/ViewerDlg.h"

namespace {

CWinApp g_app;

class BenchDlg : public CViewerDlg {
public:
    using CViewerDlg::FindAndSelect;
    using CViewerDlg::LoadHeaderMacros;
    using CViewerDlg::m_bMatchCase;
    using CViewerDlg::m_strFindWhat;
    using CViewerDlg::RebuildTree;
};

void BM_FindNext(benchmark::State& state, const char* text, FindDirection direction)
{
    headless::Reset();
    HWND host = headless::CreateWindow();
    {
        std::vector<uint32_t> ids;
        const StyImage image = MakeBrowseBenchDocument(ids);
        const std::string headerPath = "/tmp/lorvex-bench-find-" + std::to_string(getpid()) + ".h";
        std::ofstream(headerPath, std::ios::binary) << MakeBrowseBenchHeader(ids);

        BenchDlg dlg;
        dlg.m_tree.SubclassWindow(headless::Child(host, IDC_TREE));
        dlg.m_list.SubclassWindow(headless::Child(host, IDC_LIST));
        dlg.m_strHeaderPath = headerPath.c_str();
        dlg.LoadHeaderMacros();
        std::remove(headerPath.c_str());
        dlg.m_pStyleFile = new StyleFile;
        if (!dlg.m_pStyleFile->ParseBytes(image.bytes)) {
            state.SkipWithError("the document does not parse");
            return;
        }
        dlg.m_strFileTitle = "large";
        dlg.RebuildTree();
        const HTREEITEM last = dlg.m_tree.GetTaggedItem(dlg.m_tree.GetCount() - 1);
        dlg.m_strFindWhat = text;
        dlg.m_bMatchCase = FALSE;
        for (auto _ : state) {
            state.PauseTiming();
            dlg.m_tree.SelectItem(last);
            state.ResumeTiming();
            dlg.FindAndSelect(direction);
        }
        if (dlg.m_tree.GetSelectedItem() == last)
            state.SkipWithError("the search did not move");
        state.counters["nodes"] = static_cast<double>(dlg.m_tree.GetCount());
        dlg.m_tree.UnsubclassWindow();
        dlg.m_list.UnsubclassWindow();
    }
    headless::DestroyWindow(host);
}

}  // namespace

BENCHMARK_CAPTURE(BM_FindNext, down_round_the_end_to_the_first_match, "RES_NAME_00000", FindDirection::Down)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindNext, down_round_the_end_to_the_last_name, "RES_NAME_09999", FindDirection::Down)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindNext, up_to_the_first_match, "RES_NAME_00000", FindDirection::Up)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindNext, down_an_id, "0x100", FindDirection::Down)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
