// One repaint of the board and of one ring, each beside what Qt itself needs
// to put an image of the same size on screen: a QPainter::drawImage of an
// RGB32 image into a widget, repainted the same way (QWidget::repaint, so the
// backing store's flush is in both figures).
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <benchmark/benchmark.h>

#include "BenchUtil.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardImage.h"
#include "template/MainForm.h"
#include "toolkit/Application.h"
#include "toolkit/SurfaceWidget.h"

namespace {

constexpr int kBoardWidth = 600;
constexpr int kBoardHeight = 718;

// A shown main window for the length of one benchmark.
struct ShownMainForm {
    TMainForm* form;
    ShownMainForm() : form(new TMainForm(Application))
    {
        Application->SetMainForm(form);
        form->Show();
        auto* board = static_cast<TkSurfaceWidget*>(form->BoardImage1->Handle());
        PumpUntil([&] { return board->Painted(); });
        // Whatever start-up still has queued (centring, rings) is done first.
        DrainPending();
    }
    ~ShownMainForm()
    {
        delete form;
        DrainPending();
    }
};

// The anchor: a child widget of the board's size in a maximised window,
// painting the damaged part of one RGB32 image.
class DrawImageWidget : public QWidget {
public:
    explicit DrawImageWidget(QWidget* parent) : QWidget(parent), FImage(kBoardWidth, kBoardHeight, QImage::Format_RGB32)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        for (int y = 0; y < FImage.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(FImage.scanLine(y));
            for (int x = 0; x < FImage.width(); ++x)
                row[x] = qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF);
        }
        setGeometry(0, 0, kBoardWidth, kBoardHeight);
    }
    bool painted = false;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        p.drawImage(event->rect(), FImage, event->rect());
        painted = true;
    }

private:
    QImage FImage;
};

struct ShownAnchor {
    QWidget window;
    DrawImageWidget* widget;
    ShownAnchor() : widget(new DrawImageWidget(&window))
    {
        window.showMaximized();
        PumpUntil([&] { return widget->painted; });
        DrainPending();
    }
};

// The USB ring's rectangle on the board (its definition's bounds).
const QRect kRingRect(226, 600, 84, 114);

} // namespace

static void BM_Paint_Anchor_DrawImage600x718(benchmark::State& state)
{
    ShownAnchor anchor;
    for (auto _ : state)
        anchor.widget->repaint();
}
BENCHMARK(BM_Paint_Anchor_DrawImage600x718)->Unit(benchmark::kMicrosecond);

static void BM_Paint_BoardRepaint(benchmark::State& state)
{
    ShownMainForm shown;
    for (auto _ : state)
        shown.form->BoardImage1->Repaint();
}
BENCHMARK(BM_Paint_BoardRepaint)->Unit(benchmark::kMicrosecond);

static void BM_Paint_Anchor_DrawImageRingSize(benchmark::State& state)
{
    ShownAnchor anchor;
    for (auto _ : state)
        anchor.widget->repaint(kRingRect);
}
BENCHMARK(BM_Paint_Anchor_DrawImageRingSize)->Unit(benchmark::kMicrosecond);

static void BM_Paint_RingRepaint(benchmark::State& state)
{
    ShownMainForm shown;
    for (auto _ : state)
        shown.form->USBHighlight->Repaint();
}
BENCHMARK(BM_Paint_RingRepaint)->Unit(benchmark::kMicrosecond);
