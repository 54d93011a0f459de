#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/WinApi.h"

namespace {

constexpr TColor kGround = clWhite;

// A bitmap of the given size filled with the ground colour.
std::unique_ptr<TBitmap> Blank(int w, int h)
{
    auto b = std::make_unique<TBitmap>();
    b->SetSize(w, h);
    TCanvas* c = b->Canvas();
    c->Brush.Color = kGround;
    c->Brush.Style = bsSolid;
    c->FillRect(Rect(0, 0, w, h));
    return b;
}

// Renders the bitmap as rows of characters: '.' ground, 'P' pen, 'B' brush, '?' other.
std::vector<std::string> Picture(TBitmap& b, TColor pen, TColor brush)
{
    std::vector<std::string> rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::string row;
        for (int x = 0; x < b.Width(); ++x) {
            TColor p = b.Canvas()->Pixel(x, y);
            row += p == kGround ? '.' : p == pen ? 'P' : p == brush ? 'B' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

bool Covered(const std::vector<std::string>& pic, int x, int y) { return pic[size_t(y)][size_t(x)] != '.'; }

// Checks that the covered pixels lie inside box and mirror within it both ways;
// returns the extreme covered columns and rows.
TRect CoverageIn(const std::vector<std::string>& pic, const TRect& box)
{
    TRect extent{1000, 1000, -1, -1};
    for (int y = 0; y < int(pic.size()); ++y)
        for (int x = 0; x < int(pic[0].size()); ++x) {
            if (!Covered(pic, x, y))
                continue;
            EXPECT_TRUE(PtInRect(box, TPoint{x, y})) << x << "," << y << " lies outside the box";
            int mx = box.Left + box.Right - 1 - x, my = box.Top + box.Bottom - 1 - y;
            EXPECT_EQ(pic[size_t(y)][size_t(x)], pic[size_t(y)][size_t(mx)]) << "left-right at " << x << "," << y;
            EXPECT_EQ(pic[size_t(y)][size_t(x)], pic[size_t(my)][size_t(x)]) << "top-bottom at " << x << "," << y;
            extent = Rect(std::min(extent.Left, x), std::min(extent.Top, y), std::max(extent.Right, x), std::max(extent.Bottom, y));
        }
    return extent;
}

} // namespace

TEST(Canvas, ARectangleWithAPenCoversItsBoxWithAOnePixelRim)
{
    auto b = Blank(10, 10);
    TCanvas* c = b->Canvas();
    c->Pen.Color = clBlack;
    c->Brush.Color = clRed;
    c->Rectangle(2, 3, 8, 9);
    const std::vector<std::string> expected = {
        "..........", "..........", "..........", "..PPPPPP..", "..PBBBBP..",
        "..PBBBBP..", "..PBBBBP..", "..PBBBBP..", "..PPPPPP..", "..........",
    };
    EXPECT_EQ(Picture(*b, clBlack, clRed), expected);
}

TEST(Canvas, WithoutAPenAFigureFillsOnePixelLessRightAndBottom)
{
    auto b = Blank(10, 10);
    TCanvas* c = b->Canvas();
    c->Pen.Style = psClear;
    c->Brush.Color = clRed;
    c->Rectangle(2, 3, 8, 9);
    const std::vector<std::string> expected = {
        "..........", "..........", "..........", "..BBBBB...", "..BBBBB...",
        "..BBBBB...", "..BBBBB...", "..BBBBB...", "..........", "..........",
    };
    EXPECT_EQ(Picture(*b, clBlack, clRed), expected);
}

TEST(Canvas, AClearBrushLeavesTheInsideAlone)
{
    auto b = Blank(6, 6);
    TCanvas* c = b->Canvas();
    c->Pen.Color = clBlue;
    c->Brush.Style = bsClear;
    c->Rectangle(0, 0, 6, 6);
    const std::vector<std::string> expected = {"PPPPPP", "P....P", "P....P", "P....P", "P....P", "PPPPPP"};
    EXPECT_EQ(Picture(*b, clBlue, clRed), expected);
}

TEST(Canvas, EllipsesAndRoundRectanglesAreSymmetricInsideTheirBoxes)
{
    struct Case {
        const char* name;
        bool pen;
        TRect box;
        std::function<void(TCanvas&, const TRect&)> draw;
    };
    auto ellipse = [](TCanvas& c, const TRect& r) { c.Ellipse(r.Left, r.Top, r.Right, r.Bottom); };
    auto round = [](TCanvas& c, const TRect& r) { c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 6, 6); };
    const Case cases[] = {
        {"ellipse, even box, pen", true, Rect(1, 2, 13, 10), ellipse},
        {"ellipse, odd box, pen", true, Rect(2, 1, 15, 12), ellipse},
        {"ellipse, no pen", false, Rect(1, 2, 13, 10), ellipse},
        {"round rectangle, pen", true, Rect(1, 1, 15, 11), round},
        {"round rectangle, no pen", false, Rect(1, 1, 15, 11), round},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto b = Blank(17, 14);
        TCanvas* canvas = b->Canvas();
        canvas->Pen.Color = clBlack;
        canvas->Pen.Style = c.pen ? psSolid : psClear;
        canvas->Brush.Color = clRed;
        c.draw(*canvas, c.box);
        const auto pic = Picture(*b, clBlack, clRed);
        // Without a pen the figure lives in the box made one pixel smaller right and bottom.
        TRect box = c.pen ? c.box : Rect(c.box.Left, c.box.Top, c.box.Right - 1, c.box.Bottom - 1);
        TRect extent = CoverageIn(pic, box);
        // It touches all four sides of its box, but not the corners.
        EXPECT_EQ(extent, Rect(box.Left, box.Top, box.Right - 1, box.Bottom - 1));
        EXPECT_FALSE(Covered(pic, box.Left, box.Top));
        EXPECT_FALSE(Covered(pic, box.Right - 1, box.Bottom - 1));
        // The outline is drawn with the pen and the inside with the brush.
        const int cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
        EXPECT_EQ(pic[size_t(cy)][size_t(cx)], 'B');
        EXPECT_EQ(pic[size_t(cy)][size_t(box.Left)], c.pen ? 'P' : 'B');
    }
}

TEST(Canvas, FiguresAreClippedToTheSurface)
{
    auto b = Blank(4, 4);
    TCanvas* c = b->Canvas();
    c->Pen.Color = clBlack;
    c->Brush.Color = clRed;
    c->Rectangle(-3, -3, 2, 2);
    c->Ellipse(2, 2, 9, 9);
    c->SetPixel(-1, 0, clBlue);
    c->SetPixel(4, 0, clBlue);
    EXPECT_EQ(c->Pixel(-1, 0), clNone);
    // Of the rectangle only its inside corner and rim show; of the ellipse one rim pixel.
    const std::vector<std::string> expected = {"BP..", "PP..", "....", "...P"};
    EXPECT_EQ(Picture(*b, clBlack, clRed), expected);
}

TEST(Bitmap, RowsHoldBlueGreenRedAndAReservedByte)
{
    auto b = Blank(5, 3);
    b->Canvas()->SetPixel(3, 1, RGB(10, 20, 30));
    const uint8_t* row = b->ScanLine(1);
    EXPECT_EQ(row[12], 30);
    EXPECT_EQ(row[13], 20);
    EXPECT_EQ(row[14], 10);

    uint8_t* w = b->ScanLine(2);
    w[0] = 1;
    w[1] = 2;
    w[2] = 3;
    EXPECT_EQ(b->Canvas()->Pixel(0, 2), RGB(3, 2, 1));
    // Rows follow each other top to bottom.
    EXPECT_EQ(b->Canvas()->Pixel(0, 1), kGround);
}

TEST(Bitmap, SettingTheSameSizeKeepsThePixelsAndTheRows)
{
    auto b = Blank(8, 6);
    b->Canvas()->SetPixel(2, 2, clRed);
    uint8_t* before = b->ScanLine(0);
    b->SetSize(8, 6);
    b->SetWidth(8);
    b->SetHeight(6);
    EXPECT_EQ(b->ScanLine(0), before);
    EXPECT_EQ(b->Canvas()->Pixel(2, 2), clRed);

    // A new size keeps what overlaps.
    b->SetSize(10, 4);
    EXPECT_EQ(b->Width(), 10);
    EXPECT_EQ(b->Height(), 4);
    EXPECT_EQ(b->Canvas()->Pixel(2, 2), clRed);
    EXPECT_EQ(b->Canvas()->Pixel(1, 1), kGround);
}

TEST(Bitmap, ANegativeOrZeroSizeMakesAnEmptyBitmap)
{
    TBitmap b;
    EXPECT_TRUE(b.Empty());
    b.SetSize(-3, 5);
    EXPECT_EQ(b.Width(), 0);
    EXPECT_TRUE(b.Empty());
    // Drawing an empty bitmap or on it does nothing.
    auto target = Blank(3, 3);
    target->Canvas()->Draw(0, 0, &b);
    b.Canvas()->Rectangle(0, 0, 3, 3);
    EXPECT_EQ(target->Canvas()->Pixel(1, 1), kGround);
}

namespace {

// A source whose pixel (x, y) has red x and green y.
std::unique_ptr<TBitmap> Gradient(int w, int h)
{
    auto b = Blank(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b->Canvas()->SetPixel(x, y, RGB(uint8_t(x), uint8_t(y), 7));
    return b;
}

} // namespace

TEST(CopyRect, BlockCopiesAreClippedToBothSurfaces)
{
    struct Case {
        const char* name;
        TRect dest, src;
    };
    const Case cases[] = {
        {"inside", Bounds(1, 1, 3, 3), Bounds(2, 2, 3, 3)},
        {"source sticks out top left", Bounds(0, 0, 4, 4), Bounds(-2, -1, 4, 4)},
        {"source sticks out bottom right", Bounds(2, 2, 4, 4), Bounds(5, 5, 4, 4)},
        {"destination sticks out", Bounds(-2, 4, 5, 5), Bounds(0, 0, 5, 5)},
        {"wholly outside", Bounds(10, 10, 2, 2), Bounds(0, 0, 2, 2)},
    };
    for (const Case& c : cases) {
        auto src = Gradient(8, 8);
        auto dst = Blank(6, 6);
        dst->Canvas()->CopyRect(c.dest, *src->Canvas(), c.src);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x) {
                int sx = x - c.dest.Left + c.src.Left, sy = y - c.dest.Top + c.src.Top;
                bool inDest = PtInRect(c.dest, TPoint{x, y});
                bool inSource = sx >= 0 && sy >= 0 && sx < 8 && sy < 8;
                TColor expected = inDest && inSource ? RGB(uint8_t(sx), uint8_t(sy), 7) : kGround;
                EXPECT_EQ(dst->Canvas()->Pixel(x, y), expected) << c.name << " at " << x << "," << y;
            }
    }
}

TEST(CopyRect, ACanvasWindowOnASurfaceWritesOnlyInsideItsClip)
{
    // The way a windowless control sees its parent's surface: offset and clipped.
    auto surface = Blank(10, 10);
    auto src = Gradient(8, 8);
    TCanvas window;
    window.Attach(&surface->Image(), 3, 2, Bounds(4, 3, 3, 2));
    BitBlt(window, 0, 0, 8, 8, *src->Canvas(), 0, 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            bool inClip = x >= 4 && x < 7 && y >= 3 && y < 5;
            TColor expected = inClip ? RGB(uint8_t(x - 3), uint8_t(y - 2), 7) : kGround;
            EXPECT_EQ(surface->Canvas()->Pixel(x, y), expected) << x << "," << y;
        }
    EXPECT_EQ(window.ClipRect(), Bounds(1, 1, 3, 2));
}

TEST(CopyRect, OverlappingCopiesWithinOneSurfaceActAsIfThroughACopy)
{
    struct Case {
        const char* name;
        int dx, dy;
    };
    for (const Case& c : {Case{"down", 0, 2}, Case{"up", 0, -2}, Case{"right", 2, 0}, Case{"left", -2, 0},
                          Case{"down right", 1, 1}}) {
        auto b = Gradient(10, 10);
        auto original = Gradient(10, 10);
        TCanvas* canvas = b->Canvas();
        canvas->CopyRect(Bounds(3 + c.dx, 3 + c.dy, 4, 4), *canvas, Bounds(3, 3, 4, 4));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(canvas->Pixel(3 + c.dx + x, 3 + c.dy + y), original->Canvas()->Pixel(3 + x, 3 + y))
                    << c.name << " at " << x << "," << y;
    }
}

TEST(CopyRect, DifferentSizesStretchTheSourceToTheNearestPixel)
{
    auto src = Blank(2, 2);
    src->Canvas()->SetPixel(0, 0, clRed);
    src->Canvas()->SetPixel(1, 0, clGreen);
    src->Canvas()->SetPixel(0, 1, clBlue);
    src->Canvas()->SetPixel(1, 1, clYellow);
    auto dst = Blank(6, 6);
    dst->Canvas()->CopyRect(Bounds(1, 1, 4, 4), *src->Canvas(), Bounds(0, 0, 2, 2));
    const TColor expected[4] = {clRed, clGreen, clBlue, clYellow};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(dst->Canvas()->Pixel(1 + x, 1 + y), expected[(y / 2) * 2 + x / 2]) << x << "," << y;
    EXPECT_EQ(dst->Canvas()->Pixel(0, 0), kGround);
    EXPECT_EQ(dst->Canvas()->Pixel(5, 5), kGround);
}

TEST(CopyRect, PicturesDrawnAtAnotherSizeAreFilteredAndAtTheirOwnSizeCopied)
{
    // Black and white columns: enlarged smoothly, the pixels between them are grey.
    auto src = Blank(2, 1);
    src->Canvas()->SetPixel(0, 0, clBlack);
    src->Canvas()->SetPixel(1, 0, clWhite);
    auto dst = Blank(8, 1);
    dst->Canvas()->StretchDraw(Bounds(0, 0, 8, 1), src.get());
    const TColor middle = dst->Canvas()->Pixel(4, 0);
    EXPECT_GT(GetRValue(middle), 0);
    EXPECT_LT(GetRValue(middle), 255);
    EXPECT_EQ(dst->Canvas()->Pixel(0, 0), clBlack);
    EXPECT_EQ(dst->Canvas()->Pixel(7, 0), clWhite);

    auto same = Blank(2, 1);
    same->Canvas()->StretchDraw(Bounds(0, 0, 2, 1), src.get());
    EXPECT_EQ(same->Canvas()->Pixel(0, 0), clBlack);
    EXPECT_EQ(same->Canvas()->Pixel(1, 0), clWhite);
}

// ---- Dense screens: canvases on images with a device pixel ratio ------------

namespace {
std::unique_ptr<TBitmap> DenseBlank(double ratio, int w, int h)
{
    auto b = std::make_unique<TBitmap>();
    b->SetPixelRatio(ratio);
    b->SetSize(w, h);
    TCanvas* c = b->Canvas();
    c->Brush.Color = kGround;
    c->FillRect(Rect(0, 0, w, h));
    return b;
}

uint32_t DevicePixel(const TBitmap& b, int x, int y)
{
    return reinterpret_cast<const uint32_t*>(b.ScanLine(y))[x] & 0xFFFFFFu;
}
} // namespace

TEST(DenseCanvas, LogicalSizesCoverTheirDevicePixels)
{
    struct Case {
        double ratio;
        int logical, pixels;
    };
    for (const Case& c : {Case{1.0, 31, 31}, Case{2.0, 31, 62}, Case{1.5, 31, 47}, Case{1.25, 31, 39}, Case{1.5, 32, 48}}) {
        auto b = DenseBlank(c.ratio, c.logical, 3);
        EXPECT_EQ(b->Width(), c.logical) << c.ratio;
        EXPECT_EQ(b->PixelWidth(), c.pixels) << c.ratio;
        EXPECT_EQ(b->Canvas()->PixelRatio(), c.ratio);
        // FillRect reaches every device pixel of the logical rectangle.
        b->Canvas()->Brush.Color = clRed;
        b->Canvas()->FillRect(Rect(0, 0, c.logical, 3));
        for (int x = 0; x < b->PixelWidth(); ++x)
            ASSERT_EQ(DevicePixel(*b, x, b->PixelHeight() - 1), 0xFF0000u) << c.ratio << " column " << x;
    }
}

TEST(DenseCanvas, FiguresAreDrawnPerDevicePixelNotEnlarged)
{
    auto doubled = DenseBlank(2.0, 20, 20);
    TCanvas* c = doubled->Canvas();
    c->Pen.Style = psClear;
    c->Brush.Color = clBlue;
    c->Ellipse(0, 0, 21, 21);
    // An enlarged figure would be made of uniform 2 x 2 blocks; along the curve
    // a device-resolution one has blocks that are partly inside.
    int mixed = 0;
    for (int y = 0; y < 40; y += 2)
        for (int x = 0; x < 40; x += 2) {
            uint32_t a = DevicePixel(*doubled, x, y), b = DevicePixel(*doubled, x + 1, y), d = DevicePixel(*doubled, x, y + 1),
                     e = DevicePixel(*doubled, x + 1, y + 1);
            if (!(a == b && b == d && d == e))
                ++mixed;
        }
    EXPECT_GT(mixed, 8);
    // The pen is one logical pixel wide: two device pixels.
    auto framed = DenseBlank(2.0, 10, 10);
    framed->Canvas()->Pen.Color = clBlack;
    framed->Canvas()->Brush.Color = clYellow;
    framed->Canvas()->Rectangle(0, 0, 10, 10);
    EXPECT_EQ(DevicePixel(*framed, 0, 10), 0x000000u);
    EXPECT_EQ(DevicePixel(*framed, 1, 10), 0x000000u);
    EXPECT_EQ(DevicePixel(*framed, 2, 10), 0xFFFF00u);
    EXPECT_EQ(framed->Canvas()->Pixel(5, 5), clYellow);
    EXPECT_EQ(framed->Canvas()->Pixel(9, 5), clBlack);
}

TEST(DenseCanvas, AControlAndABitmapOfOneSizeCopyExactlyAtAnyRatioAndPlace)
{
    for (double ratio : {2.0, 1.5, 1.25}) {
        auto surface = DenseBlank(ratio, 60, 40);
        // A gradient, so a shifted copy would show.
        for (int y = 0; y < surface->PixelHeight(); ++y)
            for (int x = 0; x < surface->PixelWidth(); ++x)
                reinterpret_cast<uint32_t*>(surface->ScanLine(y))[x] = 0xFF000000u | uint32_t(x << 8) | uint32_t(y);
        for (TPoint at : {TPoint{0, 0}, TPoint{7, 3}, TPoint{13, 11}}) {
            TCanvas window;
            window.Attach(&surface->Image(), at.X, at.Y, Bounds(at.X, at.Y, 31, 17));
            TBitmap look;
            look.SetPixelRatio(ratio);
            look.SetSize(31, 17);
            look.Canvas()->CopyRect(Rect(0, 0, 31, 17), window, Rect(0, 0, 31, 17));
            const TRect d = window.DeviceRect(Rect(0, 0, 31, 17));
            ASSERT_EQ(d.Width(), look.PixelWidth());
            for (int y = 0; y < look.PixelHeight(); ++y)
                for (int x = 0; x < look.PixelWidth(); ++x)
                    ASSERT_EQ(DevicePixel(look, x, y), DevicePixel(*surface, d.Left + x, d.Top + y)) << ratio << " " << x << "," << y;
        }
    }
}
