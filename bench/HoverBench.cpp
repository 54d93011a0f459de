// From the pointer entering a ring to its popup being shown: the first time
// (the popup is built) and later times (the hidden popup is shown again).
#include <benchmark/benchmark.h>

#include "BenchUtil.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardImage.h"
#include "SetupCtrls/board/PopupForm.h"
#include "template/MainForm.h"
#include "toolkit/Application.h"
#include "toolkit/SurfaceWidget.h"

namespace {
TMainForm* FreshMainForm()
{
    auto* f = new TMainForm(Application);
    Application->SetMainForm(f);
    f->Show();
    auto* board = static_cast<TkSurfaceWidget*>(f->BoardImage1->Handle());
    PumpUntil([&] { return board->Painted(); });
    return f;
}
} // namespace

static void BM_Hover_FirstTimeBuildsPopup(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        TMainForm* form = FreshMainForm();
        state.ResumeTiming();
        form->PowerHighlight->Perform(CM_MOUSEENTER, 0, 0);
        benchmark::DoNotOptimize(form->PowerHighlight->Popup());
        state.PauseTiming();
        delete form;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Hover_FirstTimeBuildsPopup)->Unit(benchmark::kMillisecond)->Iterations(20);

static void BM_Hover_LaterShowsPopup(benchmark::State& state)
{
    TMainForm* form = FreshMainForm();
    TBoardHighlight* ring = form->PowerHighlight;
    ring->Perform(CM_MOUSEENTER, 0, 0);
    ring->Popup()->Close();
    for (auto _ : state) {
        ring->Perform(CM_MOUSEENTER, 0, 0);
        state.PauseTiming();
        ring->Popup()->Close();
        state.ResumeTiming();
    }
    delete form;
}
BENCHMARK(BM_Hover_LaterShowsPopup)->Unit(benchmark::kMicrosecond);
