// A re-fit of the board: the window's client area changes height so that the
// board takes a new zoom; the board is placed, the photograph filtered to the
// new size and drawn, and the four rings render their looks again. Beside it
// in the same run: BM_Paint_BoardRepaint, one repaint of the board as it is.
#include <benchmark/benchmark.h>

#include "BenchUtil.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardImage.h"
#include "template/MainForm.h"
#include "toolkit/Application.h"
#include "toolkit/SurfaceWidget.h"

static void BM_Fit_Refit(benchmark::State& state)
{
    auto* form = new TMainForm(Application);
    Application->SetMainForm(form);
    form->SetWindowState(wsNormal);
    form->SetBounds(0, 0, 1000, 700);
    form->Show();
    auto* surface = static_cast<TkSurfaceWidget*>(form->BoardImage1->Handle());
    PumpUntil([&] { return surface->Painted() && form->PowerHighlight->Prepared(); });
    DrainPending();
    TBoardHighlight* rings[] = {form->PowerHighlight, form->LedHighlight, form->USBHighlight, form->DCINHighlight};
    const int before = rings[0]->RenderCount();
    // Two heights, both too low for the board: every step is a new zoom.
    int height = 600;
    for (auto _ : state) {
        height = height == 600 ? 610 : 600;
        form->SetClientSize(1000, height);
        form->BoardImage1->Repaint();
    }
    const int renders = rings[0]->RenderCount() - before;
    bool all = true;
    for (TBoardHighlight* r : rings)
        all = all && r->RenderCount() - before == renders;
    state.counters["rings_rendered_per_refit"] = all && state.iterations() > 0 ? double(renders) / double(state.iterations()) : 0.0;
    delete form;
    DrainPending();
}
BENCHMARK(BM_Fit_Refit)->Unit(benchmark::kMicrosecond);
