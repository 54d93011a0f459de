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
// A shown main window for the length of one benchmark.
struct ShownMainForm {
    TMainForm* form;
    ShownMainForm() : form(new TMainForm(Application))
    {
        Application->SetMainForm(form);
        form->Show();
        auto* board = static_cast<TkSurfaceWidget*>(form->BoardImage1->Handle());
        PumpUntil([&] { return board->Painted(); });
    }
    ~ShownMainForm()
    {
        delete form;
        QCoreApplication::processEvents();
    }
};
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
    ShownMainForm shown;
    for (auto _ : state)
        shown.form->BoardImage1->Repaint();
}
BENCHMARK(BM_Paint_BoardRepaint)->Unit(benchmark::kMicrosecond);

static void BM_Paint_RingRepaint(benchmark::State& state)
{
    ShownMainForm shown;
    for (auto _ : state)
        shown.form->USBHighlight->Repaint();
}
BENCHMARK(BM_Paint_RingRepaint)->Unit(benchmark::kMicrosecond);
