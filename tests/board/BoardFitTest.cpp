// The board on a window too small for it: zoomed down with its rings, the
// rings' looks rendered again once per zoom from the picture beneath (never
// on hover), popups placed by the zoomed board, and menu entries for every
// ring even where no paint reaches it.
#include <gtest/gtest.h>

#include <cmath>

#include "BoardScene.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardImage.h"
#include "SetupCtrls/board/PopupForm.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "SetupCtrls/board/RingShading.h"
#include "common/Wait.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Form.h"
#include "toolkit/MenuItem.h"

namespace {
constexpr uint8_t Grey = 101;

// The idle look a ring of this size must have over the scene's grey picture.
void ExpectIdleLookOverGrey(const TBoardHighlight& ring)
{
    const int w = ring.Width(), h = ring.Height();
    auto expected = UniformBitmap(w, h, Grey, Grey, Grey);
    ShadeRing(expected.get(), w - 1, h - 1, ring.IdleStrength(), ring.RingColor(), false);
    const TBitmap& look = ring.IdleBitmap();
    ASSERT_EQ(look.Width(), w);
    ASSERT_EQ(look.Height(), h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ASSERT_EQ(PixelAt(look, x, y), PixelAt(*expected, x, y)) << ring.Name() << " at " << x << ", " << y;
}

int AtZoom(int v, double z) { return int(std::lround(v * z)); }
} // namespace

TEST(BoardFit, ASmallWindowZoomsTheBoardAndItsRingsAndABigOneRestoresThem)
{
    BoardScene scene(Grey);
    TBoardHighlight* ring = scene.AddRing("Ring", htSettings, Bounds(10, 10, 65, 65));
    ring->SetName("Ring");
    TRadioPanel* panel = scene.AddPanel("Panel", Bounds(200, 150, 150, 50));
    ring->SetRadioPanel(panel);
    ASSERT_TRUE(scene.Show());
    ASSERT_EQ(scene.Board->Zoom(), 1.0);
    ASSERT_EQ(ring->RenderCount(), 1);
    const int left = scene.Board->Left(), top = scene.Board->Top();

    // 180 rows of room for a 200-row board.
    scene.Form->SetClientSize(400, 180);
    ASSERT_TRUE(WaitFor([&] { return scene.Board->Zoom() < 1.0 && ring->RenderCount() == 2; }));
    const double z = scene.Board->Zoom();
    EXPECT_DOUBLE_EQ(z, 180.0 / 200.0);
    EXPECT_EQ(scene.Board->Height(), 180);
    EXPECT_EQ(scene.Board->Width(), 270);
    EXPECT_EQ(scene.Board->Top(), 0);
    EXPECT_EQ(scene.Board->Left(), (400 - 270) / 2);
    EXPECT_EQ(ring->BoundsRect(), Bounds(9, 9, AtZoom(65, z), AtZoom(65, z)));
    ExpectIdleLookOverGrey(*ring);

    // Hovering and repainting block-copy the zoomed looks.
    ring->Perform(CM_MOUSEENTER, 0, 0);
    ASSERT_TRUE(ring->Lit());
    ASSERT_NE(ring->Popup(), nullptr);
    // The panel was designed 180 right of and 140 below the board's design
    // position; on the board at 0.9 that is 162 and 126.
    EXPECT_EQ(ring->Popup()->Left(), scene.Board->Left() + 162);
    EXPECT_EQ(ring->Popup()->Top(), scene.Board->Top() + 126);
    ring->Perform(CM_MOUSELEAVE, 0, 0);
    scene.Board->Repaint();
    DrainEvents(50);
    EXPECT_EQ(ring->RenderCount(), 2);

    // A repaint at the same size changes nothing; a roomy window brings back
    // the board as it was, and the looks rendered at full size.
    scene.Form->SetClientSize(400, 179);
    ASSERT_TRUE(WaitFor([&] { return ring->RenderCount() == 3; }));
    scene.Form->SetClientSize(BoardScene::FormWidth, BoardScene::FormHeight);
    ASSERT_TRUE(WaitFor([&] { return scene.Board->Zoom() == 1.0 && ring->RenderCount() == 4; }));
    DrainEvents(50);
    EXPECT_EQ(ring->RenderCount(), 4);
    EXPECT_EQ(scene.Board->Width(), BoardScene::BoardWidth);
    EXPECT_EQ(scene.Board->Height(), BoardScene::BoardHeight);
    EXPECT_EQ(ring->BoundsRect(), Bounds(10, 10, 65, 65));
    EXPECT_EQ(scene.Board->Left(), left);
    EXPECT_EQ(scene.Board->Top(), top);
    ExpectIdleLookOverGrey(*ring);
}

TEST(BoardFit, EveryShownRingHasItsMenuEntryOnceTheBoardHasPainted)
{
    BoardScene scene(Grey);
    // Wholly right of the board's picture: no paint ever reaches it.
    TBoardHighlight* beyond = scene.AddRing("Beyond", htSettings, Bounds(BoardScene::BoardWidth + 20, 10, 30, 30));
    TBoardHighlight* shown = scene.AddRing("Shown", htOptions, Bounds(10, 10, 30, 30));
    TBoardHighlight* hidden = scene.AddRing("Hidden", htOptions, Bounds(50, 10, 30, 30));
    hidden->SetVisible(false);
    ParkPointer();
    scene.Form->Show();
    ASSERT_TRUE(WaitFor([&] { return shown->Prepared(); }));
    EXPECT_FALSE(beyond->Prepared());
    ASSERT_NE(scene.Entry("&Settings", "Beyond"), nullptr);
    EXPECT_NE(scene.Entry("&Options", "Shown"), nullptr);
    // A hidden ring is not shown, so it has no entry, as before.
    EXPECT_EQ(scene.Entry("&Options", "Hidden"), nullptr);
    // The entry works like any other: it opens the ring's popup, pinned.
    scene.Entry("&Settings", "Beyond")->Click();
    ASSERT_NE(beyond->Popup(), nullptr);
    EXPECT_TRUE(beyond->Popup()->Visible());
    EXPECT_TRUE(beyond->Pinned());
}
