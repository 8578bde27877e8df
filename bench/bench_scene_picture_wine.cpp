// Painting the scene picture under Wine, on the real window: scenes of
// 10,000 resources opened through the main dialog's command, then the
// whole client area repainted (InvalidateRect and UpdateWindow, so the
// figure holds the paint and its copy to the screen) and the picture
// scrolled a line and a page at a time by its scroll bar's messages (each
// step moves the bar, which Wine redraws at about 8 ms, and repaints).
//
// Two scenes: "all in view", 100 groups of 99 small pictures and the
// groups themselves, 1,000 x 800, every resource drawn by each paint (too
// small for labels); "labelled", 10,000 strings of 96 x 24 in groups of 100
// on a scene of 9,600 x 2,400, of which the window shows what fits on the
// screen, each with its label.
//
// Run from the top of the checkout (builds the windows preset's target and
// runs it on a private Xvfb with the build folder's Wine prefix):
//   bench/scene_picture_wine.sh [ROUNDS]      default 20 paints per figure
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "style/StyWriter.h"
#include "tests/win32/ModalRunner.h"
#include "ui/ViewerDlg.h"

namespace {

StyImage AllInView()
{
    StyWriter w;
    const size_t scene = w.Scene(1);
    w.Node(scene).scene.width = 1000;
    w.Node(scene).scene.height = 800;
    w.Node(scene).scene.opaque = 1;
    w.Node(scene).scene.background_color = 0xFF1E2A38;
    for (int g = 0; g < 100; ++g) {
        const size_t group = w.Group(scene, 0x1000 + static_cast<uint32_t>(g));
        ResGroupInfo& info = w.Node(group).group;
        info.x = static_cast<int16_t>(10 * g);
        info.width = 10;
        info.height = 800;
        info.visible = 1;
        for (int i = 0; i < 99; ++i) {
            PicInfo& pic = w.Node(w.Pic(group, 0x100000 + 100 * static_cast<uint32_t>(g) + static_cast<uint32_t>(i))).pic;
            pic.y = static_cast<int16_t>(8 * i);
            pic.width = 8;
            pic.height = 6;
            pic.visible = 1;
        }
    }
    return w.Write();
}

StyImage Labelled()
{
    StyWriter w;
    const size_t scene = w.Scene(2);
    w.Node(scene).scene.width = 9600;
    w.Node(scene).scene.height = 2400;
    w.Node(scene).scene.opaque = 1;
    w.Node(scene).scene.background_color = 0xFF1B2430;
    for (int g = 0; g < 100; ++g) {
        const size_t group = w.Group(scene, 0x1000 + static_cast<uint32_t>(g));
        ResGroupInfo& info = w.Node(group).group;
        info.x = static_cast<int16_t>(96 * g);
        info.width = 96;
        info.height = 2400;
        info.visible = 1;
        for (int i = 0; i < 100; ++i) {
            StringInfo& text =
                w.Node(w.String(group, 0x100000 + 100 * static_cast<uint32_t>(g) + static_cast<uint32_t>(i))).string;
            text.y = static_cast<int16_t>(24 * i);
            text.width = 96;
            text.height = 24;
            text.visible = 1;
            text.foreground_color = 0xFFE6EBF0;
            text.background_color = 0x40FFFFFF;
        }
    }
    return w.Write();
}

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds of each of rounds runs of step.
std::vector<double> Time(int rounds, const std::function<void()>& step)
{
    std::vector<double> ms;
    for (int r = 0; r < rounds; ++r) {
        const double start = Now();
        step();
        ms.push_back((Now() - start) * 1000.0);
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}

void Print(const char* what, const std::vector<double>& ms)
{
    std::printf("  %-34s best %7.2f ms, median %7.2f ms, worst %7.2f ms\n", what, ms.front(), ms[ms.size() / 2],
                ms.back());
}

class BenchDlg : public CViewerDlg {
public:
    using CViewerDlg::OnScenePicture;
    using CViewerDlg::RebuildTree;
};

// Opens the picture on the document's first scene and times it.
int Measure(const char* name, const StyImage& image, int rounds, bool scrolls)
{
    BenchDlg dlg;
    int status = 0;
    RunModal(dlg, [&] {
        dlg.m_pStyleFile = new StyleFile;
        dlg.m_strFileTitle = name;
        if (!dlg.m_pStyleFile->ParseBytes(image.bytes)) {
            std::fprintf(stderr, "the generated document does not parse\n");
            status = 1;
            dlg.EndDialog(IDCANCEL);
            return;
        }
        dlg.RebuildTree();
        dlg.OnScenePicture();
        HWND picture = dlg.m_wndScenePicture.m_hWnd;
        UpdateWindow(picture);
        RECT client;
        GetClientRect(picture, &client);
        std::printf("%s: %zu resources, client area %ld x %ld\n", name, image.at.size() - 1, client.right,
                    client.bottom);
        Print("whole client area", Time(rounds, [&] {
                  InvalidateRect(picture, nullptr, FALSE);
                  UpdateWindow(picture);
              }));
        std::fflush(stdout);
        if (!scrolls) {
            dlg.EndDialog(IDOK);
            return;
        }
        // Each step the other way from the one before, so that each moves.
        bool back = false;
        Print("scroll a line (16 pixels)", Time(rounds, [&] {
                  SendMessageW(picture, WM_VSCROLL, (back = !back) ? SB_LINEDOWN : SB_LINEUP, 0);
              }));
        Print("scroll a page", Time(rounds, [&] {
                  SendMessageW(picture, WM_HSCROLL, (back = !back) ? SB_PAGEDOWN : SB_PAGEUP, 0);
              }));
        std::fflush(stdout);
        dlg.EndDialog(IDOK);
    });
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    return Measure("all in view", AllInView(), rounds, false) | Measure("labelled", Labelled(), rounds, true);
}
