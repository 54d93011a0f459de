#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "tests/toolkit/ToolkitSupport.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/SurfaceWidget.h"

using namespace tk_test;

namespace {

using Log = std::vector<std::string>;

// A panel that paints a blue ground with a red block at (10, 10)-(20, 20),
// or nothing at all once Blank is set.
class Ground : public TCustomPanel {
public:
    Ground(TComponent* owner, Log& log) : TCustomPanel(owner), FLog(log) {}
    bool Blank = false;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        FLog.push_back("panel");
        if (Blank)
            return;
        TCanvas& c = *Canvas();
        c.Brush.Color = clBlue;
        c.FillRect(ClientRect());
        c.Brush.Color = clRed;
        c.FillRect(Rect(10, 10, 20, 20));
    }

private:
    Log& FLog;
};

// A windowless child that logs its paint, optionally fills itself, and
// records what its canvas shows at chosen points before it paints.
class Layer : public TGraphicControl {
public:
    Layer(TComponent* owner, std::string name, Log& log) : TGraphicControl(owner), FTag(std::move(name)), FLog(log) {}
    TColor Fill = clNone;
    // Claims to set every pixel of itself without reading beneath (with a fill).
    bool Covers = false;
    bool CoversItself() const override { return Covers; }
    std::vector<TPoint> Probes;
    std::vector<TColor> Seen;
    // A block copy of the whole control's canvas, taken before it paints.
    TBitmap Snapshot;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        FLog.push_back(FTag);
        Seen.clear();
        for (TPoint p : Probes)
            Seen.push_back(Canvas()->Pixel(p.X, p.Y));
        Snapshot.SetSize(Width(), Height());
        BitBlt(*Snapshot.Canvas(), 0, 0, Width(), Height(), *Canvas(), 0, 0);
        if (Fill != clNone) {
            Canvas()->Brush.Color = Fill;
            Canvas()->FillRect(ClientRect());
        }
    }

private:
    std::string FTag;
    Log& FLog;
};

class Surface : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = MakeForm(60, 60, 200, 150);
        panel = new Ground(form.get(), log);
        panel->SetParent(form.get());
        panel->SetBounds(0, 0, 200, 150);
    }
    Layer* AddLayer(const std::string& name, TRect r, TColor fill)
    {
        auto* l = new Layer(form.get(), name, log);
        l->SetParent(panel);
        l->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        l->Fill = fill;
        return l;
    }
    Log log;
    FormPtr form;
    Ground* panel = nullptr;
};

} // namespace

TEST_F(Surface, APanelPaintsItselfThenItsWindowlessChildrenInChildOrder)
{
    Layer* a = AddLayer("a", Bounds(5, 5, 30, 30), clGreen);
    AddLayer("b", Bounds(20, 20, 30, 30), clYellow);
    AddLayer("c", Bounds(100, 20, 30, 30), clWhite);
    ASSERT_TRUE(ShowAndWait(form.get()));

    log.clear();
    panel->Repaint();
    EXPECT_EQ(log, (Log{"panel", "a", "b", "c"}));

    a->BringToFront();
    log.clear();
    panel->Repaint();
    EXPECT_EQ(log, (Log{"panel", "b", "c", "a"}));
}

TEST_F(Surface, AChildsCanvasShowsWhatWasPaintedBeneathIt)
{
    AddLayer("lower", Bounds(40, 0, 20, 40), clGreen);
    // The upper child covers the red block, blue ground and part of the lower child.
    Layer* upper = AddLayer("upper", Bounds(5, 5, 50, 30), clNone);
    upper->Probes = {{0, 0}, {10, 10}, {14, 14}, {40, 10}, {49, 29}, {30, 20}};
    const std::vector<TColor> expected = {clBlue, clRed, clRed, clGreen, clGreen, clBlue};
    ASSERT_TRUE(ShowAndWait(form.get()));
    ASSERT_TRUE(WaitFor([&] { return upper->Paints > 0; }));
    EXPECT_EQ(upper->Seen, expected);
    for (size_t i = 0; i < expected.size(); ++i) {
        TPoint p = upper->Probes[i];
        EXPECT_EQ(upper->Snapshot.Canvas()->Pixel(p.X, p.Y), expected[i]) << p.X << "," << p.Y;
    }

    // The same after a repaint of the upper child alone.
    upper->Seen.clear();
    upper->Repaint();
    EXPECT_EQ(upper->Seen, expected);
}

TEST_F(Surface, UpdateRepaintsAnInvalidatedChildAtOnceAndOnlyWhereItLies)
{
    Layer* near = AddLayer("near", Bounds(5, 5, 30, 30), clGreen);
    Layer* far = AddLayer("far", Bounds(150, 100, 30, 30), clYellow);
    ASSERT_TRUE(ShowAndWait(form.get()));
    ASSERT_TRUE(WaitFor([&] { return near->Paints > 0 && far->Paints > 0; }));
    DrainEvents(30);

    const int nearBefore = near->Paints, farBefore = far->Paints, panelBefore = panel->Paints;
    near->Invalidate();
    near->Update();
    EXPECT_EQ(near->Paints, nearBefore + 1);
    EXPECT_EQ(panel->Paints, panelBefore + 1);
    EXPECT_EQ(far->Paints, farBefore);

    // Invalidate alone paints later, when the event loop runs.
    far->Invalidate();
    EXPECT_EQ(far->Paints, farBefore);
    EXPECT_TRUE(WaitFor([&] { return far->Paints == farBefore + 1; }));
}

TEST_F(Surface, AnOpaqueControlIsNotErasedBeforeItPaints)
{
    struct Case {
        bool opaque;
        TColor expected;
    };
    // The panel paints its ground once, then nothing: what shows is the erase
    // colour, or, for an opaque panel, what it painted before.
    for (const Case& c : {Case{false, clMaroon}, Case{true, clBlue}}) {
        Log local;
        FormPtr f = MakeForm(60, 60, 100, 100);
        auto* p = new Ground(f.get(), local);
        p->SetParent(f.get());
        p->SetBounds(0, 0, 100, 100);
        p->SetColor(clMaroon);
        if (c.opaque)
            p->SetControlStyle(p->ControlStyle() | csOpaque);
        auto* probe = new Layer(f.get(), "probe", local);
        probe->SetParent(p);
        probe->SetBounds(50, 50, 10, 10);
        probe->Probes = {{0, 0}};
        ASSERT_TRUE(ShowAndWait(f.get()));
        ASSERT_TRUE(WaitFor([&] { return probe->Paints > 0; }));
        ASSERT_EQ(probe->Seen, std::vector<TColor>{clBlue});

        p->Blank = true;
        p->Repaint();
        EXPECT_EQ(probe->Seen, std::vector<TColor>{c.expected}) << (c.opaque ? "opaque" : "erased");
    }
}

TEST_F(Surface, WhatWasComposedIsKeptAndShownAgainWithoutPainting)
{
    Layer* a = AddLayer("a", Bounds(5, 5, 30, 30), clGreen);
    ASSERT_TRUE(ShowAndWait(form.get()));
    ASSERT_TRUE(WaitFor([&] { return a->Paints > 0; }));
    DrainEvents(30);
    auto* surface = static_cast<TkSurfaceWidget*>(panel->Handle());
    const int panelBefore = panel->Paints, aBefore = a->Paints, shows = surface->PlainShows();

    // The window system asks for pixels again (an exposure): nothing changed beneath.
    surface->repaint();
    const QImage shown = surface->grab().toImage();
    EXPECT_EQ(panel->Paints, panelBefore);
    EXPECT_EQ(a->Paints, aBefore);
    EXPECT_EQ(surface->PlainShows(), shows + 2);
    EXPECT_EQ(shown.pixel(15, 15), qRgb(0, 128, 0));  // the child
    EXPECT_EQ(shown.pixel(100, 100), qRgb(0, 0, 255));  // the ground

    // A change of content composes again.
    panel->Repaint();
    EXPECT_EQ(panel->Paints, panelBefore + 1);
    EXPECT_EQ(a->Paints, aBefore + 1);
}

TEST_F(Surface, AChildThatCoversItselfRepaintsAloneWithTheSiblingsAboveIt)
{
    Layer* cover = AddLayer("cover", Bounds(5, 5, 30, 30), clGreen);
    Layer* above = AddLayer("above", Bounds(25, 25, 30, 30), clNone);
    Layer* far = AddLayer("far", Bounds(150, 100, 30, 30), clYellow);
    ASSERT_TRUE(ShowAndWait(form.get()));
    ASSERT_TRUE(WaitFor([&] { return cover->Paints > 0 && above->Paints > 0 && far->Paints > 0; }));
    DrainEvents(30);
    auto* surface = static_cast<TkSurfaceWidget*>(panel->Handle());

    struct Case {
        bool covers;
        int panelPaints;  // the panel beneath paints again only when the child does not cover itself
    };
    for (const Case& c : {Case{true, 0}, Case{false, 1}}) {
        SCOPED_TRACE(c.covers ? "covers itself" : "reads beneath");
        cover->Covers = c.covers;
        const int panelBefore = panel->Paints, coverBefore = cover->Paints, aboveBefore = above->Paints,
                  farBefore = far->Paints;
        cover->Fill = c.covers ? clSilver : clGreen;
        cover->Repaint();
        EXPECT_EQ(panel->Paints, panelBefore + c.panelPaints);
        EXPECT_EQ(cover->Paints, coverBefore + 1);
        EXPECT_EQ(above->Paints, aboveBefore + 1);
        EXPECT_EQ(far->Paints, farBefore);
        const QImage shown = surface->grab().toImage();
        EXPECT_EQ(shown.pixel(10, 10), c.covers ? qRgb(192, 192, 192) : qRgb(0, 128, 0));
    }

    // Hidden, it leaves its place to what lies beneath, covering or not.
    cover->Covers = true;
    const int panelBefore = panel->Paints;
    cover->SetVisible(false);
    surface->repaint();
    EXPECT_EQ(panel->Paints, panelBefore + 1);
    EXPECT_EQ(surface->grab().toImage().pixel(12, 12), qRgb(255, 0, 0));
}
