// One repaint of the board (the photograph copied into place) and of one ring,
// beside a bare copy of a 600 x 718 image.
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstring>

#include "BenchUtil.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardImage.h"
#include "template/MainForm.h"
#include "toolkit/Application.h"
#include "toolkit/SurfaceWidget.h"

namespace {
TMainForm* ShownMainForm()
{
    static TMainForm* form = [] {
        auto* f = new TMainForm(Application);
        Application->SetMainForm(f);
        f->Show();
        auto* board = static_cast<TkSurfaceWidget*>(f->BoardImage1->Handle());
        PumpUntil([&] { return board->Painted(); });
        return f;
    }();
    return form;
}
} // namespace

static void BM_Paint_BareImageCopy(benchmark::State& state)
{
    QImage src(600, 718, QImage::Format_RGB32), dst(600, 718, QImage::Format_RGB32);
    src.fill(Qt::darkGreen);
    for (auto _ : state) {
        for (int y = 0; y < 718; ++y)
            std::memcpy(dst.scanLine(y), src.constScanLine(y), 600 * 4);
        benchmark::DoNotOptimize(dst.bits());
    }
}
BENCHMARK(BM_Paint_BareImageCopy)->Unit(benchmark::kMicrosecond);

static void BM_Paint_BoardRepaint(benchmark::State& state)
{
    TMainForm* form = ShownMainForm();
    for (auto _ : state)
        form->BoardImage1->Repaint();
}
BENCHMARK(BM_Paint_BoardRepaint)->Unit(benchmark::kMicrosecond);

static void BM_Paint_RingRepaint(benchmark::State& state)
{
    TMainForm* form = ShownMainForm();
    for (auto _ : state)
        form->USBHighlight->Repaint();
}
BENCHMARK(BM_Paint_RingRepaint)->Unit(benchmark::kMicrosecond);
