#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/toolkit/ToolkitSupport.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/GraphicControl.h"

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
