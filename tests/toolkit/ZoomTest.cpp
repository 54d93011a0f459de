// Zooming a container: it and everything inside it are shown at a factor of
// the bounds they were given, and zooming back restores them exactly.
#include <gtest/gtest.h>

#include "tests/toolkit/ToolkitSupport.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/GraphicControl.h"

using namespace tk_test;

namespace {
struct Scene {
    FormPtr form = MakeForm(0, 0, 700, 500);
    TCustomPanel* board = nullptr;
    TGraphicControl* ring = nullptr;
    TCustomPanel* inner = nullptr;
    TGraphicControl* dot = nullptr;
    Scene()
    {
        board = new TCustomPanel(form.get());
        board->SetParent(form.get());
        board->SetBounds(50, 20, 600, 718);
        ring = new TGraphicControl(form.get());
        ring->SetParent(board);
        ring->SetBounds(119, 612, 30, 108);
        inner = new TCustomPanel(form.get());
        inner->SetParent(board);
        inner->SetBounds(329, 628, 32, 58);
        dot = new TGraphicControl(form.get());
        dot->SetParent(inner);
        dot->SetBounds(3, 5, 7, 9);
    }
};
} // namespace

TEST(Zoom, AContainerAndEverythingInsideFollowItsZoom)
{
    Scene s;
    s.board->SetZoom(0.5);
    EXPECT_EQ(s.board->BoundsRect(), Bounds(50, 20, 300, 359)); // its place is its parent's business
    EXPECT_EQ(s.board->ClientWidth(), 300);
    EXPECT_EQ(s.ring->BoundsRect(), Bounds(60, 306, 15, 54)); // 59.5 rounds away from zero
    EXPECT_EQ(s.inner->BoundsRect(), Bounds(165, 314, 16, 29));
    EXPECT_EQ(s.dot->BoundsRect(), Bounds(2, 3, 4, 5));
    EXPECT_DOUBLE_EQ(s.dot->TotalZoom(), 0.5);
    EXPECT_DOUBLE_EQ(s.dot->Zoom(), 1.0);
    EXPECT_EQ(s.board->BoundsAtZoom(1.0), Bounds(50, 20, 600, 718));

    // Nested zooms multiply.
    s.inner->SetZoom(2.0);
    EXPECT_EQ(s.inner->BoundsRect(), Bounds(165, 314, 32, 58));
    EXPECT_EQ(s.dot->BoundsRect(), Bounds(3, 5, 7, 9));
    EXPECT_DOUBLE_EQ(s.dot->TotalZoom(), 1.0);
}

TEST(Zoom, ZoomingBackRestoresEveryBoundExactlyWhateverTheSteps)
{
    Scene s;
    for (double z : {0.7, 0.33, 0.976, 0.5, 0.61, 1.0}) {
        s.board->SetZoom(z);
        // The board re-placed at its own size, as centring does: the size it
        // was given stays the one the zoom scales.
        s.board->SetBounds(s.board->Left() + 1, s.board->Top(), s.board->Width(), s.board->Height());
    }
    EXPECT_EQ(s.board->Width(), 600);
    EXPECT_EQ(s.board->Height(), 718);
    EXPECT_EQ(s.ring->BoundsRect(), Bounds(119, 612, 30, 108));
    EXPECT_EQ(s.inner->BoundsRect(), Bounds(329, 628, 32, 58));
    EXPECT_EQ(s.dot->BoundsRect(), Bounds(3, 5, 7, 9));
}

TEST(Zoom, ControlsPlacedWhileZoomedAreTakenAtThatZoom)
{
    Scene s;
    s.board->SetZoom(0.5);
    // Placed at 10, 10 on the half-size board: 20, 20 at full size.
    s.ring->SetBounds(10, 10, 5, 5);
    s.board->SetZoom(1.0);
    EXPECT_EQ(s.ring->BoundsRect(), Bounds(20, 20, 10, 10));
    // A child that joins a zoomed container keeps the bounds it has there.
    s.board->SetZoom(0.5);
    auto* late = new TGraphicControl(s.form.get());
    late->SetBounds(40, 40, 8, 8);
    late->SetParent(s.board);
    EXPECT_EQ(late->BoundsRect(), Bounds(40, 40, 8, 8));
    s.board->SetZoom(0.25);
    EXPECT_EQ(late->BoundsRect(), Bounds(20, 20, 4, 4));
}

TEST(Zoom, AnchorsActFromTheZoomedBounds)
{
    Scene s;
    auto* right = new TGraphicControl(s.form.get());
    right->SetParent(s.board);
    right->SetBounds(500, 10, 50, 20);
    right->SetAnchors(akRight | akTop);
    s.board->SetZoom(0.5);
    EXPECT_EQ(right->BoundsRect(), Bounds(250, 5, 25, 10));
    // A later change of the board's size moves it from there, not from its
    // unzoomed place.
    s.board->SetBounds(s.board->Left(), s.board->Top(), s.board->Width() + 10, s.board->Height());
    EXPECT_EQ(right->BoundsRect(), Bounds(260, 5, 25, 10));
}
