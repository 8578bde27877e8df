// The headless tree view under the load of a big document: N items inserted
// at the end of parents of 100 children each (as the viewer's rebuild does),
// with item data, then all deleted with one item selected, so that the
// selection moves as items go. Figures: items_per_second for the insert and
// for the delete, at 10,000 and 100,000 items; per item they should not grow
// with N, since inserting at the end, finding a parent and removing an item
// are each constant time.
#include <benchmark/benchmark.h>

#include <vector>

#include "framework/afxcmn.h"
#include "framework/headless/Testing.h"

namespace {

class Host {
public:
    Host() : m_window(headless::CreateWindow())
    {
        m_tree.SubclassWindow(headless::Child(m_window, 1));
    }
    ~Host() { headless::DestroyWindow(m_window); }

    CTreeCtrl& Tree() { return m_tree; }

private:
    HWND m_window;
    CTreeCtrl m_tree;
};

HTREEITEM Fill(CTreeCtrl& tree, int64_t count)
{
    HTREEITEM parent = TVI_ROOT;
    HTREEITEM last = nullptr;
    for (int64_t i = 0; i < count; ++i) {
        if (i % 100 == 0)
            parent = tree.InsertItem("group", 0, 1, TVI_ROOT, TVI_LAST);
        last = tree.InsertItem("Pic_00010112", 8, 9, parent, TVI_LAST);
        tree.SetItemData(last, static_cast<DWORD_PTR>(i));
    }
    return last;
}

void BM_InsertItems(benchmark::State& state)
{
    for (auto _ : state) {
        Host host;
        Fill(host.Tree(), state.range(0));
        state.PauseTiming();
        host.Tree().DeleteAllItems();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_DeleteAllItems(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Host host;
        host.Tree().SelectItem(host.Tree().GetParentItem(Fill(host.Tree(), state.range(0))));
        state.ResumeTiming();
        host.Tree().DeleteAllItems();
        benchmark::DoNotOptimize(host.Tree().GetCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_InsertItems)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteAllItems)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
