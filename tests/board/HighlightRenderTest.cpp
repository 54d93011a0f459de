#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "BoardScene.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardImage.h"
#include "common/Wait.h"
#include "toolkit/Bitmap.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/Form.h"
#include "toolkit/MainMenu.h"
#include "toolkit/MenuItem.h"
#include "toolkit/Picture.h"

namespace {
// Counts its paints; still a "TBoardHighlight" by class name.
class CountingRing : public TBoardHighlight {
public:
    using TBoardHighlight::TBoardHighlight;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        TBoardHighlight::Paint();
    }
};

TPixel SurfacePixel(TWinControl* control, int x, int y)
{
    QImage image = control->Handle()->grab().toImage();
    QRgb c = image.pixel(x, y);
    return TPixel{qRed(c), qGreen(c), qBlue(c)};
}
} // namespace

TEST(HighlightRender, LooksAreRenderedFromThePictureBeneath)
{
    BoardScene scene;
    TBoardHighlight* settings = scene.AddRing("Settings ring", htSettings, Bounds(10, 10, 65, 65));
    TBoardHighlight* options = scene.AddRing("Options ring", htOptions, Bounds(100, 10, 65, 65));
    ASSERT_TRUE(scene.Show());

    struct {
        const TBitmap* Look;
        int X, Y;
        TPixel Expected;
    } const cases[] = {
        {&settings->IdleBitmap(), 0, 0, {101, 101, 101}},
        {&settings->IdleBitmap(), 32, 32, {113, 113, 93}},
        {&settings->LitBitmap(), 32, 32, {119, 119, 89}},
        {&settings->LitActiveBitmap(), 32, 32, {126, 126, 85}},
        {&settings->IdleBitmap(), 60, 32, {178, 178, 50}},
        {&settings->LitBitmap(), 60, 32, {216, 216, 25}},
        {&settings->LitActiveBitmap(), 60, 32, {255, 255, 255}},
        {&settings->LitActiveBitmap(), 58, 32, {255, 255, 0}},
        {&settings->LitActiveBitmap(), 64, 32, {101, 101, 101}},
        {&options->IdleBitmap(), 60, 32, {76, 76, 140}},
        {&options->LitBitmap(), 60, 32, {50, 50, 178}},
        {&options->LitActiveBitmap(), 60, 32, {255, 255, 255}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.Look->Width(), 65);
        ASSERT_EQ(c.Look->Height(), 65);
        EXPECT_EQ(PixelAt(*c.Look, c.X, c.Y), c.Expected) << c.X << ", " << c.Y;
    }
    // The idle look is what the board shows at the ring's place.
    EXPECT_EQ(SurfacePixel(scene.Board, 10 + 32, 10 + 32), (TPixel{113, 113, 93}));
}

TEST(HighlightRender, PaintsFollowTheStateFlagsWithoutRenderingAgain)
{
    BoardScene scene;
    TBoardHighlight* ring = scene.AddRing("Ring", htSettings, Bounds(10, 10, 65, 65));
    ring->SetCreatePopup(false);
    ASSERT_TRUE(scene.Show());
    const uint8_t* idleRow = ring->IdleBitmap().ScanLine(0);
    const uint8_t* litRow = ring->LitBitmap().ScanLine(0);

    // A new background under the ring: a ring that rendered again would show it.
    scene.Board->Picture()->SetGraphic(UniformBitmap(BoardScene::BoardWidth, BoardScene::BoardHeight, 200, 200, 200));
    ASSERT_TRUE(WaitFor([&] { return SurfacePixel(scene.Board, 150, 150) == (TPixel{200, 200, 200}); }));
    EXPECT_EQ(SurfacePixel(scene.Board, 42, 42), (TPixel{113, 113, 93}));

    ring->Perform(CM_MOUSEENTER, 0, 0);
    ASSERT_TRUE(ring->Lit());
    EXPECT_EQ(SurfacePixel(scene.Board, 42, 42), (TPixel{119, 119, 89}));
    ring->SetActiveState(true, false);
    EXPECT_EQ(SurfacePixel(scene.Board, 42, 42), (TPixel{126, 126, 85}));
    ring->Unlight();
    EXPECT_EQ(SurfacePixel(scene.Board, 42, 42), (TPixel{119, 119, 89})); // popup-active only
    ring->SetActiveState(false, false);
    EXPECT_EQ(SurfacePixel(scene.Board, 42, 42), (TPixel{113, 113, 93}));

    EXPECT_EQ(ring->IdleBitmap().ScanLine(0), idleRow);
    EXPECT_EQ(ring->LitBitmap().ScanLine(0), litRow);
    EXPECT_EQ(PixelAt(ring->LitBitmap(), 32, 32), (TPixel{119, 119, 89}));
}

TEST(HighlightRender, SettingTheSameTypeRequestsNoRepaint)
{
    BoardScene scene;
    auto* ring = new CountingRing(scene.Form);
    ring->SetParent(scene.Board);
    ring->SetBounds(10, 10, 40, 40);
    ring->SetTitle("Counting");
    ASSERT_TRUE(scene.Show());
    DrainEvents();
    const int paints = ring->Paints;

    ring->SetHighlightType(htSettings);
    DrainEvents();
    EXPECT_EQ(ring->Paints, paints);

    ring->SetHighlightType(htCalibration);
    EXPECT_TRUE(WaitFor([&] { return ring->Paints > paints; }));
    EXPECT_EQ(ring->RingColor(), 0x000000FFu);
    EXPECT_FLOAT_EQ(ring->IdleStrength(), 0.5f);
    // The looks stay those made at the first paint.
    EXPECT_EQ(PixelAt(ring->IdleBitmap(), 20, 20), (TPixel{113, 113, 93}));
}

TEST(HighlightRender, PaletteFollowsTheType)
{
    BoardScene scene;
    TBoardHighlight* ring = scene.AddRing("Ring", htSettings, Bounds(10, 10, 40, 40));
    struct {
        THighlightType Type;
        TColor Color;
        float Idle, Lit, LitActive;
    } const palettes[] = {
        {htOptions, 0x00FF0000, 0.25f, 0.5f, 1.0f},
        {htCalibration, 0x000000FF, 0.5f, 0.75f, 1.0f},
        {htSettings, 0x0000FFFF, 0.5f, 0.75f, 1.0f},
    };
    for (const auto& p : palettes) {
        ring->SetHighlightType(p.Type);
        EXPECT_EQ(ring->RingColor(), p.Color);
        EXPECT_FLOAT_EQ(ring->IdleStrength(), p.Idle);
        EXPECT_FLOAT_EQ(ring->LitStrength(), p.Lit);
        EXPECT_FLOAT_EQ(ring->LitActiveStrength(), p.LitActive);
    }
    TBoardHighlight fresh(nullptr);
    EXPECT_EQ(fresh.HighlightType(), htSettings);
    EXPECT_EQ(fresh.RingColor(), 0x0000FFFFu);
    EXPECT_EQ(fresh.Width(), 65);
    EXPECT_EQ(fresh.Height(), 65);
    EXPECT_TRUE(fresh.CreatePopup());
}

TEST(HighlightRender, RingOffABoardImageRendersButHasNoMenuEntry)
{
    BoardScene scene;
    auto* panel = new TCustomPanel(scene.Form);
    panel->SetParent(scene.Form);
    panel->SetBounds(0, 0, 90, 90);
    panel->SetColor(RGB(101, 101, 101));
    panel->SetBevelOuter(bvNone);
    auto* ring = new TBoardHighlight(scene.Form);
    ring->SetParent(panel);
    ring->SetBounds(10, 10, 65, 65);
    ring->SetTitle("Loose");
    ASSERT_TRUE(scene.Show());
    ASSERT_TRUE(WaitFor([&] { return ring->Prepared(); }));
    EXPECT_EQ(PixelAt(ring->IdleBitmap(), 32, 32), (TPixel{113, 113, 93}));
    EXPECT_EQ(ring->Menu(), nullptr);
    EXPECT_EQ(scene.TopItem("&Settings"), nullptr);
}

TEST(HighlightRender, DegenerateSizesPaintWithoutFailing)
{
    BoardScene scene;
    TBoardHighlight* thin = scene.AddRing("Thin", htSettings, Bounds(10, 10, 1, 65));
    TBoardHighlight* flat = scene.AddRing("Flat", htSettings, Bounds(20, 10, 65, 1));
    TBoardHighlight* none = scene.AddRing("None", htSettings, Bounds(30, 30, 0, 0));
    ASSERT_TRUE(scene.Show());
    EXPECT_TRUE(thin->Prepared());
    EXPECT_TRUE(flat->Prepared());
    EXPECT_EQ(PixelAt(thin->IdleBitmap(), 0, 32), (TPixel{113, 113, 93}));
    EXPECT_EQ(PixelAt(thin->IdleBitmap(), 0, 0), (TPixel{101, 101, 101}));
    EXPECT_EQ(PixelAt(flat->IdleBitmap(), 32, 0), (TPixel{113, 113, 93}));
    EXPECT_EQ(none->IdleBitmap().Width(), 0);
}

TEST(HighlightRender, RingsPrepareInChildOrder)
{
    BoardScene scene;
    scene.AddRing("Second", htOptions, Bounds(100, 10, 30, 30));
    TBoardHighlight* first = scene.AddRing("First", htOptions, Bounds(10, 10, 30, 30));
    first->SetParent(nullptr);
    first->SetParent(scene.Board); // now last in the child order
    ASSERT_TRUE(scene.Show());
    TMenuItem* options = scene.TopItem("&Options");
    ASSERT_NE(options, nullptr);
    ASSERT_EQ(options->Count(), 2);
    EXPECT_EQ(options->Items(0)->Caption(), "Second");
    EXPECT_EQ(options->Items(1)->Caption(), "First");
}

TEST(HighlightRender, RingReachingPastTheBoardEdgePreparesAndSettles)
{
    BoardScene scene;
    auto* ring = new CountingRing(scene.Form);
    ring->SetParent(scene.Board);
    ring->SetBounds(10, BoardScene::BoardHeight - 30, 40, 40); // 10 rows below the picture
    ring->SetTitle("Edge");
    ASSERT_TRUE(scene.Show());
    DrainEvents(300);
    const int paints = ring->Paints;
    DrainEvents(300);
    EXPECT_EQ(ring->Paints, paints); // no endless repaint requests
    EXPECT_EQ(PixelAt(ring->IdleBitmap(), 20, 20), (TPixel{113, 113, 93}));
    EXPECT_NE(scene.Entry("&Settings", "Edge"), nullptr);
}

TEST(HighlightRender, PartialFirstPaintDoesNotRenderFromStalePixels)
{
    BoardScene scene;
    ASSERT_TRUE(scene.Show());
    DrainEvents();
    // A surface still holding an old picture (grey 101), of which a paint
    // renews only the ring's upper half with the new one (grey 200).
    scene.Board->Picture()->SetGraphic(UniformBitmap(BoardScene::BoardWidth, BoardScene::BoardHeight, 200, 200, 200));
    TBoardHighlight* ring = scene.AddRing("Late", htSettings, Bounds(10, 10, 40, 40));
    QImage surface(BoardScene::BoardWidth, BoardScene::BoardHeight, QImage::Format_RGB32);
    surface.fill(qRgb(101, 101, 101));
    scene.Board->PaintSurface(surface, Rect(10, 10, 50, 30));
    EXPECT_FALSE(ring->Prepared());
    scene.Board->PaintSurface(surface, Rect(0, 0, BoardScene::BoardWidth, BoardScene::BoardHeight));
    ASSERT_TRUE(ring->Prepared());
    EXPECT_EQ(PixelAt(ring->IdleBitmap(), 20, 30), (TPixel{204, 204, 184}));
    EXPECT_EQ(PixelAt(ring->IdleBitmap(), 20, 5), (TPixel{204, 204, 184}));
}
