// The viewer's rebuild of a big document on the headless backend: the
// dialog's own RebuildTree (labels, inserts, tags, and the removal of the
// previous build) over a document of N nodes, with a header of 10,000 names
// loaded or none. Figure: items_per_second, which is tree nodes per second;
// it should not fall as N grows, since nothing in a rebuild grows faster
// than the node count (labels look names up in an index, not the list).
//   cmake --preset bench && cmake --build --preset bench --target bench_rebuild_tree
//   build/bench/bench/bench_rebuild_tree
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "framework/headless/Testing.h"
#include "style/StyWriter.h"
#include "ui/ViewerDlg.h"

namespace {

CWinApp g_app;

class RebuildDlg : public CViewerDlg {
public:
    using CViewerDlg::RebuildTree;
};

// A document whose tree has about `nodes` nodes: scenes of groups, each
// group holding pictures, strings and regions of three frames, ids counting
// up from 1. Returns the ids used.
std::vector<uint8_t> Document(int64_t nodes, std::vector<uint32_t>& ids)
{
    StyWriter w;
    uint32_t id = 1;
    int64_t count = 1;  // the file node
    size_t scene = 0;
    size_t group = 0;
    for (int64_t i = 0; count < nodes; ++i) {
        if (i % 1000 == 0) {
            scene = w.Scene(id++);
            ++count;
        }
        if (i % 50 == 0) {
            group = w.Group(scene, id++);
            ++count;
        }
        switch (i % 3) {
        case 0:
            w.Pic(group, id++, 1);
            count += 1;
            break;
        case 1:
            w.String(group, id++, 2);
            count += 1;
            break;
        default:
            w.Region(group, id++, {1, 2, 3});
            count += 4;
            break;
        }
    }
    for (uint32_t i = 1; i < id; ++i)
        ids.push_back(i);
    return w.Write().bytes;
}

// names entries: every other name is an id of the document, the rest miss.
NameIdNode* MacroList(const std::vector<uint32_t>& ids, int64_t names)
{
    NameIdNode* head = nullptr;
    for (int64_t i = 0; i < names; ++i) {
        const uint32_t id = i % 2 ? 0x80000000u + static_cast<uint32_t>(i) : ids[static_cast<size_t>(i) * 7 % ids.size()];
        head = new NameIdNode{head, "NAME_" + std::to_string(i), id};
    }
    return head;
}

void BM_RebuildTree(benchmark::State& state)
{
    headless::Reset();
    HWND host = headless::CreateWindow();
    {
        std::vector<uint32_t> ids;
        const std::vector<uint8_t> bytes = Document(state.range(0), ids);
        RebuildDlg dlg;
        dlg.m_tree.SubclassWindow(headless::Child(host, IDC_TREE));
        dlg.m_pStyleFile = new StyleFile;
        if (!dlg.m_pStyleFile->ParseBytes(bytes)) {
            state.SkipWithError("the document does not parse");
            return;
        }
        dlg.m_pMacroList = MacroList(ids, state.range(1));
        dlg.m_strFileTitle = "big";
        dlg.RebuildTree();  // so that every timed rebuild also removes a build
        for (auto _ : state)
            dlg.RebuildTree();
        const auto nodes = static_cast<int64_t>(dlg.m_tree.GetCount());
        state.counters["nodes"] = static_cast<double>(nodes);
        state.SetItemsProcessed(state.iterations() * nodes);
        dlg.m_tree.UnsubclassWindow();
    }
    headless::DestroyWindow(host);
}

}  // namespace

BENCHMARK(BM_RebuildTree)
    ->ArgNames({"nodes", "names"})
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({10000, 10000})
    ->Args({100000, 10000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
