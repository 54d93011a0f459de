#include <gtest/gtest.h>

#include <memory>

#include "JumperSupport.h"
#include "toolkit/Form.h"

namespace {
// The button face as the palette gives it when the jumper paints.
TColor Face() { return ColorToRGB(clBtnFace); }

// A jumper at (10, 5) on a panel of a form that is never shown; painting goes
// through the panel's surface exactly as its widget would do it.
struct PanelWithJumper {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TCustomPanel* panel;
    CountingJumper* jumper;

    explicit PanelWithJumper(bool contentPanel = false)
    {
        panel = contentPanel ? new NamedRadioPanel(form.get()) : new TCustomPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(0, 0, 100, 80);
        panel->SetBevelOuter(bvNone);
        jumper = new CountingJumper(form.get());
        jumper->SetParent(panel);
        jumper->SetLeft(10);
        jumper->SetTop(5);
    }
    QImage Paint() { return PaintSurfaceOf(*panel); }
};

struct Probe {
    int x, y;
    TColor expected;
};

void ExpectPixels(const TBitmap& bitmap, std::initializer_list<Probe> probes)
{
    for (const Probe& p : probes)
        EXPECT_EQ(PixelOf(bitmap, p.x, p.y), p.expected) << "pixel (" << p.x << ", " << p.y << ")";
}
} // namespace

TEST(ThreeJumperPaint, OpenJumperShowsRoundedOutlinedBodyAndThreePins)
{
    PanelWithJumper f;
    f.Paint();
    const TBitmap& bmp = *f.jumper->RotatedBitmap();
    ASSERT_EQ(bmp.Width(), 43);
    ASSERT_EQ(bmp.Height(), 18);
    ExpectPixels(bmp, {
        // Background around the body, including the cut-off corners.
        {0, 0, Face()}, {0, 9, Face()}, {42, 9, Face()}, {21, 0, Face()}, {21, 17, Face()}, {1, 1, Face()}, {41, 16, Face()},
        // The black rim just inside (1, 1)-(42, 17), following the 9 x 9 corners.
        {1, 9, clBlack}, {41, 9, clBlack}, {21, 1, clBlack}, {21, 16, clBlack}, {2, 2, clBlack},
        // Grey body between and around the pins.
        {4, 9, clGray}, {15, 9, clGray}, {26, 4, clGray}, {38, 9, clGray},
        // Left pin (7, 6)-(13, 12) without outline: one pixel short on the right and at the bottom.
        {9, 8, clYellow}, {7, 8, clYellow}, {11, 8, clYellow}, {9, 6, clYellow}, {9, 10, clYellow},
        {6, 8, clGray}, {12, 8, clGray}, {9, 5, clGray}, {9, 11, clGray}, {7, 6, clGray},
        // Middle pin (18, 6)-(24, 12) and right pin (30, 6)-(36, 12).
        {20, 8, clYellow}, {18, 8, clYellow}, {17, 8, clGray}, {23, 8, clGray},
        {32, 8, clYellow}, {34, 8, clYellow}, {29, 8, clGray}, {35, 8, clGray},
    });
}

TEST(ThreeJumperPaint, CapCoversItsEndOfTheBodyUnderThePins)
{
    struct Case {
        TJumperState state;
        std::initializer_list<Probe> probes;
    };
    const Case cases[] = {
        // Cap (0, 0)-(27, 18): black rim, maroon inside, the two left pins on top.
        {jsLeft, {{0, 0, clBlack}, {0, 17, clBlack}, {26, 0, clBlack}, {26, 9, clBlack}, {13, 17, clBlack},
                  {3, 3, clMaroon}, {12, 9, clMaroon}, {23, 8, clMaroon}, {25, 15, clMaroon},
                  {9, 8, clYellow}, {20, 8, clYellow}, {32, 8, clYellow},
                  {27, 9, clGray}, {29, 8, clGray}, {42, 9, Face()}, {41, 9, clBlack}}},
        // Cap (15, 0)-(43, 18): the mirror image on the right.
        {jsRight, {{15, 0, clBlack}, {15, 9, clBlack}, {42, 0, clBlack}, {42, 17, clBlack}, {30, 17, clBlack},
                   {16, 1, clMaroon}, {17, 8, clMaroon}, {29, 8, clMaroon}, {41, 16, clMaroon},
                   {20, 8, clYellow}, {32, 8, clYellow}, {9, 8, clYellow},
                   {14, 9, clGray}, {12, 9, clGray}, {0, 9, Face()}, {1, 9, clBlack}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << c.state);
        PanelWithJumper f;
        f.jumper->SetJumperState(c.state);
        f.Paint();
        ExpectPixels(*f.jumper->RotatedBitmap(), c.probes);
    }
}

TEST(ThreeJumperPaint, BorderlessBodyHasNoBlackRim)
{
    PanelWithJumper f;
    f.jumper->SetBorderStyle(bsNone);
    f.Paint();
    ExpectPixels(*f.jumper->RotatedBitmap(), {{1, 9, clGray}, {21, 1, clGray}, {41, 9, clGray}, {21, 16, clGray}, {0, 9, Face()}, {1, 1, Face()}});
}

TEST(ThreeJumperPaint, ColoursComeFromTheProperties)
{
    PanelWithJumper f;
    f.jumper->SetBaseColor(clGreen);
    f.jumper->SetPinColor(clWhite);
    f.jumper->SetJumperColor(clBlue);
    f.jumper->SetJumperState(jsRight);
    f.Paint();
    ExpectPixels(*f.jumper->RotatedBitmap(), {{4, 9, clGreen}, {9, 8, clWhite}, {32, 8, clWhite}, {30, 3, clBlue}});
}

TEST(ThreeJumperPaint, ControlRectangleIsCopiedWholeOntoTheParent)
{
    PanelWithJumper f;
    f.jumper->SetJumperState(jsLeft);
    QImage surface = f.Paint();
    const TBitmap& bmp = *f.jumper->RotatedBitmap();
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 43; ++x)
            ASSERT_EQ(PixelOf(surface, 10 + x, 5 + y), PixelOf(bmp, x, y)) << x << ", " << y;
    EXPECT_EQ(PixelOf(surface, 9, 14), Face()) << "nothing is drawn left of the control";
    EXPECT_EQ(PixelOf(surface, 53, 14), Face()) << "nothing is drawn right of the control";
}

TEST(ThreeJumperPaint, LaterPaintsDrawTheSameWhateverTheFirstLeftBehind)
{
    PanelWithJumper f;
    f.jumper->SetJumperState(jsRight);
    QImage first = f.Paint();
    QImage second = f.Paint();
    EXPECT_EQ(PixelOf(second, 11, 14), clBlack) << "the body's rim is drawn with a pen on every paint";
    EXPECT_EQ(first, second);
}

TEST(ThreeJumperPaint, BackgroundIsTheContentPanelColourOnlyOnAContentPanel)
{
    struct Case {
        bool contentPanel;
        TColor panelColor;
        TColor expected;
    };
    const Case cases[] = {
        {true, RGB(10, 200, 30), RGB(10, 200, 30)},
        {true, clBtnFace, Face()},
        {false, RGB(10, 200, 30), Face()},
        {false, clWhite, Face()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "content panel " << c.contentPanel << " colour " << c.panelColor);
        PanelWithJumper f(c.contentPanel);
        f.panel->SetColor(c.panelColor);
        QImage surface = f.Paint();
        EXPECT_EQ(PixelOf(*f.jumper->RotatedBitmap(), 0, 9), c.expected);
        EXPECT_EQ(PixelOf(surface, 10, 5), c.expected) << "corner of the control on the parent";
        EXPECT_EQ(PixelOf(surface, 11, 14), clBlack);
    }
}

TEST(ThreeJumperPaint, EachOrientationTurnsTheDrawing)
{
    struct Case {
        TOrientationType orientation;
        int width, height;
        Probe inCap;        // well inside the jsLeft cap's fill
        Probe farEnd;       // the body at the opposite end
        Probe pinEdgeIn;    // the middle pin's edge nearest the drawing's top edge ...
        Probe pinEdgeOut;   // ... and the body just beyond it
    };
    // The pins lie one pixel nearer the drawing's top edge (rows 6 to 10 of 18),
    // which tells a turn from a mirror image.
    const Case cases[] = {
        {otUp, 43, 18, {3, 3, clMaroon}, {39, 9, clGray}, {20, 6, clYellow}, {20, 5, clMaroon}},
        {otDown, 43, 18, {39, 14, clMaroon}, {3, 9, clGray}, {22, 11, clYellow}, {22, 12, clMaroon}},
        {otLeft, 18, 43, {3, 39, clMaroon}, {9, 3, clGray}, {6, 22, clYellow}, {5, 22, clMaroon}},
        {otRight, 18, 43, {14, 3, clMaroon}, {9, 39, clGray}, {11, 20, clYellow}, {12, 20, clMaroon}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "orientation " << c.orientation);
        PanelWithJumper f;
        f.jumper->SetBounds(10, 5, c.width, c.height);
        f.jumper->SetJumperState(jsLeft);
        f.jumper->SetOrientation(c.orientation);
        QImage surface = f.Paint();
        ASSERT_EQ(f.jumper->Width(), c.width);
        ASSERT_EQ(f.jumper->Height(), c.height);
        const TBitmap& bmp = *f.jumper->RotatedBitmap();
        ASSERT_EQ(bmp.Width(), c.width);
        ASSERT_EQ(bmp.Height(), c.height);
        EXPECT_EQ(f.jumper->DrawBitmap()->Width(), 43) << "the drawing always lies horizontally";
        EXPECT_EQ(f.jumper->DrawBitmap()->Height(), 18);
        ExpectPixels(bmp, {c.inCap, c.farEnd, c.pinEdgeIn, c.pinEdgeOut});
        EXPECT_EQ(PixelOf(surface, 10 + c.inCap.x, 5 + c.inCap.y), clMaroon);
    }
}

TEST(ThreeJumperPaint, TinySizesPaintWithoutDrawingOutside)
{
    struct Case {
        int width, height;
    };
    for (const Case c : {Case{1, 1}, Case{2, 7}, Case{7, 2}, Case{3, 3}}) {
        for (TOrientationType o : {otUp, otDown, otLeft, otRight}) {
            SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " orientation " << o);
            PanelWithJumper f;
            f.jumper->SetBounds(10, 5, c.width, c.height);
            f.jumper->SetOrientation(o);
            f.jumper->SetJumperState(jsLeft);
            QImage surface = f.Paint();
            EXPECT_EQ(f.jumper->RotatedBitmap()->Width(), c.width);
            EXPECT_EQ(f.jumper->RotatedBitmap()->Height(), c.height);
            EXPECT_EQ(PixelOf(surface, 10 + c.width, 5), Face());
            EXPECT_EQ(PixelOf(surface, 10, 5 + c.height), Face());
        }
    }
}
