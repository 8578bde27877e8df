// Filling the browse tree on the real tree control, under Wine: the main
// dialog's RebuildTree on a document of about 100,000 nodes with a header of
// 10,000 names loaded, against a bare loop in the same process that inserts
// the same items (texts, images, item data, the same parents) into a plain
// tree view with TVM_INSERTITEMW, redraw held off as ours, and deletes them.
// Wine's tree view is slower per item the more it holds, so only the ratio
// says what our code costs; the seconds say what a person waits here.
//
// The bare loop runs twice: with each item's data given in its insert (the
// least the platform needs), and with the data set by a TVM_SETITEMW of its
// own, the messages the owning tree sends (it attaches each tag after the
// insert). Wine 8's tree view checks an item handle by a linear search of
// all its items, so that second message costs about as much as the insert.
//
// Each round times, on every side: a build into an empty tree, a rebuild
// over the full tree (ours: RebuildTree, whose DeleteAllItems frees the
// previous build and its tags; bare: delete all, then insert), and emptying
// the full tree (ours: DeleteAllItems as a new file choice does it). The
// sides change order from round to round; the table gives each figure's
// best round.
//
// Run from the top of the checkout (builds the windows preset's target and
// runs it on a private Xvfb with the build folder's Wine prefix):
//   bench/tree_wine.sh [ROUNDS]        default 3 rounds, about 35 s each
#include <windows.h>

#include <commctrl.h>

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
    using CViewerDlg::LoadHeaderMacros;
    using CViewerDlg::RebuildTree;
};

// One item as the bare loop inserts it; items in tree order, each after
// its parent.
struct BareItem {
    int parent;  // index of the parent item, -1 at the root
    std::wstring text;
    int image;
    int selectedImage;
};

void CollectItems(const CTreeCtrl& tree, HTREEITEM first, int parent, std::vector<BareItem>& out)
{
    for (HTREEITEM item = first; item; item = tree.GetNextSiblingItem(item)) {
        BareItem bare{parent, AfxUtf8ToWide(tree.GetItemText(item).GetString()), 0, 0};
        tree.GetItemImage(item, bare.image, bare.selectedImage);
        out.push_back(std::move(bare));
        CollectItems(tree, tree.GetChildItem(item), static_cast<int>(out.size()) - 1, out);
    }
}

// A plain tree view of the dialog tree's size, styles and images, in a
// top-level window whose procedure is the default one.
class BareTree {
public:
    BareTree(HWND like, HIMAGELIST images)
    {
        WNDCLASSW host{};
        host.lpfnWndProc = DefWindowProcW;
        host.hInstance = GetModuleHandleW(nullptr);
        host.lpszClassName = L"LorvexBenchHost";
        RegisterClassW(&host);
        RECT rect;
        GetWindowRect(like, &rect);
        const int width = rect.right - rect.left, height = rect.bottom - rect.top;
        m_host = CreateWindowExW(0, L"LorvexBenchHost", L"bare", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr,
                                 nullptr, host.hInstance, nullptr);
        m_tree = CreateWindowExW(static_cast<DWORD>(GetWindowLongPtrW(like, GWL_EXSTYLE)), WC_TREEVIEWW, L"",
                                 static_cast<DWORD>(GetWindowLongPtrW(like, GWL_STYLE)), 0, 0, width, height, m_host,
                                 nullptr, host.hInstance, nullptr);
        SendMessageW(m_tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    }
    ~BareTree() { DestroyWindow(m_host); }
    BareTree(const BareTree&) = delete;
    BareTree& operator=(const BareTree&) = delete;

    // With separateData, each item's data follows its insert in a
    // TVM_SETITEMW of its own, as the owning tree attaches its tags.
    void Insert(std::vector<BareItem>& items, bool separateData)
    {
        std::vector<HTREEITEM> handles(items.size());
        SendMessageW(m_tree, WM_SETREDRAW, FALSE, 0);
        for (size_t i = 0; i < items.size(); ++i) {
            TVINSERTSTRUCTW insert{};
            insert.hParent = items[i].parent < 0 ? TVI_ROOT : handles[static_cast<size_t>(items[i].parent)];
            insert.hInsertAfter = TVI_LAST;
            insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | (separateData ? 0 : TVIF_PARAM);
            insert.item.pszText = items[i].text.data();
            insert.item.iImage = items[i].image;
            insert.item.iSelectedImage = items[i].selectedImage;
            insert.item.lParam = static_cast<LPARAM>(i + 1);
            handles[i] = reinterpret_cast<HTREEITEM>(
                SendMessageW(m_tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
            if (separateData) {
                TVITEMW data{};
                data.mask = TVIF_PARAM;
                data.hItem = handles[i];
                data.lParam = static_cast<LPARAM>(i + 1);
                SendMessageW(m_tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&data));
            }
        }
        SendMessageW(m_tree, WM_SETREDRAW, TRUE, 0);
    }

    void DeleteAll()
    {
        SendMessageW(m_tree, WM_SETREDRAW, FALSE, 0);
        SendMessageW(m_tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
        SendMessageW(m_tree, WM_SETREDRAW, TRUE, 0);
    }

    UINT Count() const { return static_cast<UINT>(SendMessageW(m_tree, TVM_GETCOUNT, 0, 0)); }

private:
    HWND m_host = nullptr;
    HWND m_tree = nullptr;
};

// One side: a build into an empty tree, a rebuild over the full tree,
// emptying the full tree.
struct Times {
    Cost build, rebuild, empty;
};

struct Round {
    Times ours;
    Times bare;       // the data given in the insert
    Times bareTwice;  // the data set by a message of its own, as ours
};

Times TimeOurs(BenchDlg& dlg)
{
    Times t;
    t.build = Measure([&] { dlg.RebuildTree(); });
    t.rebuild = Measure([&] { dlg.RebuildTree(); });
    t.empty = Measure([&] { dlg.m_tree.DeleteAllItems(); });
    return t;
}

Times TimeBare(BareTree& bare, std::vector<BareItem>& items, bool separateData)
{
    Times t;
    t.build = Measure([&] { bare.Insert(items, separateData); });
    t.rebuild = Measure([&] {
        bare.DeleteAll();
        bare.Insert(items, separateData);
    });
    t.empty = Measure([&] { bare.DeleteAll(); });
    return t;
}

void PrintTimes(const char* side, const Times& t)
{
    std::printf("  %-28s build %6.3f s (cpu %6.3f), rebuild %6.3f s (cpu %6.3f), empty %6.3f s (cpu %6.3f)\n", side,
                t.build.wall, t.build.cpu, t.rebuild.wall, t.rebuild.cpu, t.empty.wall, t.empty.cpu);
}

void PrintLine(const char* what, double ours, double bare, double bareTwice)
{
    std::printf("  %-27s %7.3f s %8.3f s %6.2fx %8.3f s %6.2fx\n", what, ours, bare, ours / bare, bareTwice,
                ours / bareTwice);
}

std::wstring TempPath(const wchar_t* name)
{
    wchar_t dir[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, dir);
    return std::wstring(dir) + L"lorvex-bench-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

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

        // The bare loop inserts exactly what our build shows.
        dlg.RebuildTree();
        std::vector<BareItem> items;
        CollectItems(dlg.m_tree, dlg.m_tree.GetRootItem(), -1, items);
        int named = 0;
        for (const BareItem& item : items)
            named += item.text.compare(0, 9, L"RES_NAME_") == 0;
        dlg.m_tree.DeleteAllItems();
        BareTree bare(dlg.m_tree.m_hWnd, dlg.m_imageList.GetSafeHandle());
        std::printf("document: %zu nodes (%zu bytes), header: %zu names (%d labels from it)\n", items.size(),
                    image.bytes.size(), kBrowseBenchNames, named);

        std::vector<Round> results(static_cast<size_t>(rounds));
        for (int r = 0; r < rounds; ++r) {
            Round& round = results[static_cast<size_t>(r)];
            if (r % 2 == 0) {
                round.ours = TimeOurs(dlg);
                round.bare = TimeBare(bare, items, false);
                round.bareTwice = TimeBare(bare, items, true);
            } else {
                round.bareTwice = TimeBare(bare, items, true);
                round.bare = TimeBare(bare, items, false);
                round.ours = TimeOurs(dlg);
            }
            std::printf("round %d\n", r + 1);
            PrintTimes("ours", round.ours);
            PrintTimes("bare, data in the insert", round.bare);
            PrintTimes("bare, data by TVM_SETITEMW", round.bareTwice);
            std::fflush(stdout);
        }
        const auto best = [&](Times Round::*side, Cost Times::*step, double Cost::*figure) {
            double value = ((results[0].*side).*step).*figure;
            for (const Round& round : results)
                value = std::min(value, ((round.*side).*step).*figure);
            return value;
        };
        for (double Cost::*figure : {&Cost::wall, &Cost::cpu}) {
            std::printf("\nbest of %d rounds, %s     ours    bare, data in insert   bare, data by TVM_SETITEMW\n",
                        rounds, figure == &Cost::wall ? "wall-clock" : "CPU time  ");
            const auto line = [&](const char* what, Cost Times::*step) {
                PrintLine(what, best(&Round::ours, step, figure), best(&Round::bare, step, figure),
                          best(&Round::bareTwice, step, figure));
            };
            line("build into an empty tree", &Times::build);
            line("rebuild over the full tree", &Times::rebuild);
            line("empty the full tree", &Times::empty);
        }
        dlg.EndDialog(IDOK);
    });
    DeleteFileW(headerPath.c_str());
    return status;
}
