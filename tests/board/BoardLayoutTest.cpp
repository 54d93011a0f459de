// Layout arithmetic of the board view: where the board goes on its window and
// at what zoom, where a popup is designed to open, and how it is kept on the
// screen.
#include <gtest/gtest.h>

#include <cmath>

#include "SetupCtrls/board/BoardLayout.h"

namespace {
struct FitCase {
    const char* name;
    int parentWidth, parentHeight;
    TRect room;
    double zoom;
    TRect bounds;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class FitBoardCases : public ::testing::TestWithParam<FitCase> {};
} // namespace

TEST_P(FitBoardCases, PlacesAndZoomsThe600x718Board)
{
    const FitCase& c = GetParam();
    const TBoardFit fit = FitBoard(600, 718, c.parentWidth, c.parentHeight, c.room);
    EXPECT_NEAR(fit.Zoom, c.zoom, 1e-9);
    EXPECT_EQ(fit.Bounds, c.bounds);
    // Whatever the case, the board lies inside the room once it had to move.
    if (fit.Bounds != Bounds((c.parentWidth - 600) / 2, (c.parentHeight - 718) / 2, 600, 718) && c.room.Height() > 0) {
        EXPECT_GE(fit.Bounds.Left, c.room.Left);
        EXPECT_GE(fit.Bounds.Top, c.room.Top);
        EXPECT_LE(fit.Bounds.Right, c.room.Right);
        EXPECT_LE(fit.Bounds.Bottom, c.room.Bottom);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, FitBoardCases,
    ::testing::Values(
        // 1280 x 1024 maximised under a window manager: room to spare, centred
        // on the whole window exactly as ever.
        FitCase{"Roomy", 1282, 1030, Rect(0, 29, 1280, 986), 1.0, Bounds(341, 156, 600, 718)},
        // The whole window is 1032 x 746 but nothing covers the top: the
        // centred board (top 14) lies inside the client area.
        FitCase{"NoHeader", 1032, 746, Rect(0, 0, 1024, 740), 1.0, Bounds(216, 14, 600, 718)},
        // Tall enough, but centred on the whole window it would slip under the
        // header: moved into the middle of the room, not zoomed.
        FitCase{"UnderTheHeader", 1024, 768, Rect(0, 28, 1024, 750), 1.0, Bounds(212, 30, 600, 718)},
        // 1366 x 768 with a header: 701 rows for 718.
        FitCase{"TooLow", 1368, 768, Rect(0, 29, 1366, 730), 701.0 / 718.0, Bounds(390, 29, 586, 701)},
        // 800 x 600: the height decides; 960 x 540 (a 1920 x 1080 screen at 200 %) too.
        FitCase{"Small", 802, 600, Rect(0, 29, 800, 556), 527.0 / 718.0, Bounds(180, 29, 440, 527)},
        FitCase{"Scaled1080p", 962, 540, Rect(0, 29, 960, 496), 467.0 / 718.0, Bounds(285, 29, 390, 467)},
        // Narrow and tall: the width decides, and the board is centred vertically.
        FitCase{"Narrow", 402, 1000, Rect(0, 20, 400, 980), 400.0 / 600.0, Bounds(0, 260, 400, 479)},
        // No room at all still gives a (tiny) board rather than none.
        FitCase{"NoRoom", 100, 40, Rect(0, 29, 100, 29), 0.05, Bounds(35, 11, 30, 36)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FitBoard, ZoomedSizesNeverPassTheRoom)
{
    // Every room from tiny to roomy: the rounded size stays inside.
    for (int h = 40; h < 760; h += 7)
        for (int w = 60; w < 640; w += 13) {
            const TRect room = Rect(0, 30, w, 30 + h);
            const TBoardFit fit = FitBoard(600, 718, w, 30 + h, room);
            if (fit.Zoom == 0.05)
                continue;
            ASSERT_LE(fit.Bounds.Width(), w) << w << " x " << h;
            ASSERT_LE(fit.Bounds.Height(), h) << w << " x " << h;
            ASSERT_GE(fit.Bounds.Top, room.Top);
            // Uniform: the aspect is kept to the pixel.
            ASSERT_NEAR(fit.Bounds.Width(), 600 * fit.Zoom, 0.5 + 1e-9);
            ASSERT_NEAR(fit.Bounds.Height(), 718 * fit.Zoom, 0.5 + 1e-9);
            // One axis is used up.
            ASSERT_TRUE(fit.Bounds.Width() >= w - 1 || fit.Bounds.Height() >= h - 1 || fit.Zoom == 1.0) << w << " x " << h;
        }
}

TEST(PopupPosition, DesignOffsetsShrinkWithTheBoard)
{
    struct Case {
        int boardLeft, boardTop, dx, dy;
        double zoom;
        TPoint expected;
    };
    const Case cases[] = {
        // The external-power panel, designed 179 right of and 294 below the board's design position.
        {216, 14, 142 - 321, 2 - 296, 1.0, TPoint{395, 308}},
        {390, 29, 142 - 321, 2 - 296, 701.0 / 718.0, TPoint{390 + 175, 29 + 287}},
        // Left of the board (USB connector): halfway at half size.
        {100, 50, 142 - (-184), 2 - 296, 0.5, TPoint{100 - 163, 50 + 147}},
        // Halves round away from zero, as the toolkit rounds zoomed sizes.
        {0, 0, -179, 3, 0.5, TPoint{90, -2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DesignedPopupPosition(c.boardLeft, c.boardTop, c.dx, c.dy, c.zoom), c.expected) << c.dx << ", " << c.dy << " at " << c.zoom;
}

TEST(PopupPosition, KeptOnTheScreenOneCorrectionPerAxis)
{
    struct Case {
        TPoint at;
        int w, h;
        TPoint expected;
    };
    const Case cases[] = {
        {{10, 20}, 300, 200, {10, 20}},      // inside: untouched
        {{-50, -5}, 300, 200, {0, 0}},       // off the top-left corner
        {{900, 700}, 300, 200, {724, 568}},  // off the bottom-right corner: ends at the edge
        {{-10, 100}, 1100, 200, {0, 100}},   // wider than the screen, starting left of it
        {{10, 100}, 1100, 900, {-76, -132}}, // larger than the screen: its far edges meet the screen's
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeepOnScreen(c.at, c.w, c.h, 1024, 768), c.expected) << c.at.X << ", " << c.at.Y;
}
