#include <gtest/gtest.h>

#include "BoardScene.h"
#include "SetupCtrls/board/RingShading.h"
#include "toolkit/Bitmap.h"

namespace {
constexpr TColor Yellow = 0x0000FFFF;
constexpr TColor Blue = 0x00FF0000;

struct ShadeCase {
    const char* Look;
    TColor Color;
    float Strength;
    bool WhiteCore;
    int X, Y;
    TPixel Expected;
};

// A 65 x 65 ring over grey 101 with the strengths of the two palettes.
const ShadeCase Cases[] = {
    {"settings idle corner", Yellow, 0.5f, false, 0, 0, {101, 101, 101}},
    {"settings lit-active corner", Yellow, 1.0f, true, 0, 0, {101, 101, 101}},
    {"settings idle on the ellipse", Yellow, 0.5f, false, 64, 32, {101, 101, 101}},
    {"settings lit on the ellipse", Yellow, 0.75f, false, 64, 32, {101, 101, 101}},
    {"settings lit-active on the ellipse", Yellow, 1.0f, true, 64, 32, {101, 101, 101}},
    {"settings idle centre", Yellow, 0.5f, false, 32, 32, {113, 113, 93}},
    {"settings lit centre", Yellow, 0.75f, false, 32, 32, {119, 119, 89}},
    {"settings lit-active centre", Yellow, 1.0f, true, 32, 32, {126, 126, 85}},
    {"settings idle band peak (half to even)", Yellow, 0.5f, false, 60, 32, {178, 178, 50}},
    {"settings lit band peak", Yellow, 0.75f, false, 60, 32, {216, 216, 25}},
    {"settings lit-active band peak", Yellow, 1.0f, true, 60, 32, {255, 255, 255}},
    {"settings lit-active white-core edge", Yellow, 1.0f, true, 58, 32, {255, 255, 0}},
    {"options idle band peak", Blue, 0.25f, false, 60, 32, {76, 76, 140}},
    {"options lit band peak", Blue, 0.5f, false, 60, 32, {50, 50, 178}},
    {"options lit-active band peak", Blue, 1.0f, true, 60, 32, {255, 255, 255}},
};

int CountUnchanged(const TBitmap& before, const TBitmap& after)
{
    int n = 0;
    for (int y = 0; y < before.Height(); ++y)
        for (int x = 0; x < before.Width(); ++x)
            if (PixelAt(before, x, y) == PixelAt(after, x, y))
                ++n;
    return n;
}
} // namespace

TEST(RingShading, PixelsOfBothPalettesOverGrey)
{
    for (const ShadeCase& c : Cases) {
        auto bitmap = UniformBitmap(65, 65, 101, 101, 101);
        ShadeRing(bitmap.get(), 64, 64, c.Strength, c.Color, c.WhiteCore);
        EXPECT_EQ(PixelAt(*bitmap, c.X, c.Y), c.Expected) << c.Look;
    }
}

TEST(RingShading, WhitePixelsGetAClearedReservedByte)
{
    auto bitmap = UniformBitmap(65, 65, 101, 101, 101);
    ShadeRing(bitmap.get(), 64, 64, 1.0f, Yellow, true);
    EXPECT_EQ(bitmap->ScanLine(32)[4 * 60 + 3], 0);   // replaced by white
    EXPECT_EQ(bitmap->ScanLine(32)[4 * 32 + 3], 255); // blended only
}

TEST(RingShading, OnlyPixelsOutsideTheInscribedEllipseKeepTheBackground)
{
    // Black under a white ring at full strength: any weight at all changes a pixel.
    struct {
        int W, H, Kept;
    } const sizes[] = {{32, 58, 476}, {65, 65, 1020}};
    for (const auto& s : sizes) {
        auto before = UniformBitmap(s.W, s.H, 0, 0, 0);
        auto after = UniformBitmap(s.W, s.H, 0, 0, 0);
        ShadeRing(after.get(), s.W - 1, s.H - 1, 1.0f, clWhite, false);
        EXPECT_EQ(CountUnchanged(*before, *after), s.Kept) << s.W << " x " << s.H;
    }
}

TEST(RingShading, NonSquareRingIsAnEllipseInscribedInItsRectangle)
{
    auto bitmap = UniformBitmap(32, 58, 0, 0, 0);
    ShadeRing(bitmap.get(), 31, 57, 1.0f, clWhite, false);
    // The corners stay, the middle of each edge and the centre are shaded.
    EXPECT_EQ(PixelAt(*bitmap, 0, 0), (TPixel{0, 0, 0}));
    EXPECT_EQ(PixelAt(*bitmap, 31, 57), (TPixel{0, 0, 0}));
    EXPECT_NE(PixelAt(*bitmap, 2, 28), (TPixel{0, 0, 0}));
    EXPECT_NE(PixelAt(*bitmap, 15, 3), (TPixel{0, 0, 0}));
    EXPECT_EQ(PixelAt(*bitmap, 15, 28), (TPixel{41, 41, 41})); // inner disc: 255 * 0.16
}

TEST(RingShading, OnePixelAxisShowsTheRingsCentreLine)
{
    // A 1-pixel-wide strip is the vertical cross-section through the ring's
    // middle: untouched ends, the band, and the inner disc in the middle.
    auto strip = UniformBitmap(1, 65, 101, 101, 101);
    auto ring = UniformBitmap(65, 65, 101, 101, 101);
    ShadeRing(strip.get(), 0, 64, 0.5f, Yellow, false);
    ShadeRing(ring.get(), 64, 64, 0.5f, Yellow, false);
    for (int y = 0; y < 65; ++y)
        EXPECT_EQ(PixelAt(*strip, 0, y), PixelAt(*ring, 32, y)) << "row " << y;

    auto row = UniformBitmap(65, 1, 101, 101, 101);
    ShadeRing(row.get(), 64, 0, 0.5f, Yellow, false);
    for (int x = 0; x < 65; ++x)
        EXPECT_EQ(PixelAt(*row, x, 0), PixelAt(*ring, x, 32)) << "column " << x;

    auto dot = UniformBitmap(1, 1, 101, 101, 101);
    ShadeRing(dot.get(), 0, 0, 0.5f, Yellow, false);
    EXPECT_EQ(PixelAt(*dot, 0, 0), (TPixel{113, 113, 93}));
}

TEST(RingShading, EmptyBitmapIsLeftAlone)
{
    TBitmap empty;
    ShadeRing(&empty, -1, -1, 1.0f, Yellow, true);
    EXPECT_EQ(empty.Width(), 0);
}
