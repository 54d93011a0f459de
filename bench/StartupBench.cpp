// Start-up to the first paint of the main window, beside a bare Qt window.
#include <QPainter>
#include <QWidget>
#include <benchmark/benchmark.h>

#include "BenchUtil.h"
#include "SetupCtrls/board/BoardImage.h"
#include "template/MainForm.h"
#include "toolkit/Application.h"
#include "toolkit/SurfaceWidget.h"

namespace {
class BareWindow : public QWidget {
public:
    bool painted = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        painted = true;
    }
};
} // namespace

static void BM_Startup_BareQtWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto* w = new BareWindow;
        w->showMaximized();
        PumpUntil([&] { return w->painted; });
        delete w;
    }
}
BENCHMARK(BM_Startup_BareQtWindow)->Unit(benchmark::kMillisecond);

static void BM_Startup_MainWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto* form = new TMainForm(Application);
        Application->SetMainForm(form);
        form->Show();
        // Done when the photograph is on screen, not just the window.
        auto* board = static_cast<TkSurfaceWidget*>(form->BoardImage1->Handle());
        PumpUntil([&] { return board->Painted(); });
        state.PauseTiming();
        delete form;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Startup_MainWindow)->Unit(benchmark::kMillisecond);
