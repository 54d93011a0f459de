#include "toolkit/Canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "toolkit/Graphic.h"
#include "toolkit/QtBridge.h"

int TCanvas::Device(int v) const
{
    if (FRatio == 1.0)
        return v;
    return int(std::floor(v * FRatio + 0.5));
}

void TCanvas::Attach(QImage* image, int originX, int originY, const TRect& clip)
{
    FImage = image;
    FOrigin = TPoint{originX, originY};
    FRatio = image ? image->devicePixelRatio() : 1.0;
    if (!(FRatio > 0.0))
        FRatio = 1.0;
    FDeviceOrigin = TPoint{Device(originX), Device(originY)};
    if (!image) {
        FClip = TRect{};
        return;
    }
    // Every device pixel the logical clip touches.
    TRect device = clip;
    if (FRatio != 1.0)
        device = Rect(int(std::floor(clip.Left * FRatio)), int(std::floor(clip.Top * FRatio)), int(std::ceil(clip.Right * FRatio)),
                      int(std::ceil(clip.Bottom * FRatio)));
    FClip = IntersectRect(device, Bounds(0, 0, image->width(), image->height()));
}

void TCanvas::Attach(QImage* image)
{
    if (!image) {
        Attach(nullptr, 0, 0, TRect{});
        return;
    }
    const double r = image->devicePixelRatio() > 0.0 ? image->devicePixelRatio() : 1.0;
    Attach(image, 0, 0, Bounds(0, 0, int(std::ceil(image->width() / r)), int(std::ceil(image->height() / r))));
}

uint64_t TCanvas::SurfaceSerial() const
{
    // A QImage's cache key carries the serial number of its pixel store in the
    // high half and a count of writes in the low half.
    return FImage ? uint64_t(FImage->cacheKey()) >> 32 : 0;
}

void TCanvas::Detach()
{
    FImage = nullptr;
    FClip = TRect{};
}

TRect TCanvas::ClipRect() const
{
    if (FRatio == 1.0)
        return TRect{FClip.Left - FOrigin.X, FClip.Top - FOrigin.Y, FClip.Right - FOrigin.X, FClip.Bottom - FOrigin.Y};
    // The logical pixels whose device pixels the clip touches.
    auto down = [this](int d, int o) { return int(std::floor((d - o) / FRatio)); };
    auto up = [this](int d, int o) { return int(std::ceil((d - o) / FRatio)); };
    return TRect{down(FClip.Left, FDeviceOrigin.X), down(FClip.Top, FDeviceOrigin.Y), up(FClip.Right, FDeviceOrigin.X),
                 up(FClip.Bottom, FDeviceOrigin.Y)};
}

QRectF TCanvas::LogicalClip() const
{
    return QRectF(FClip.Left / FRatio, FClip.Top / FRatio, FClip.Width() / FRatio, FClip.Height() / FRatio);
}

TRect TCanvas::DeviceRect(const TRect& r) const
{
    return TRect{FDeviceOrigin.X + Device(r.Left), FDeviceOrigin.Y + Device(r.Top), FDeviceOrigin.X + Device(r.Right),
                 FDeviceOrigin.Y + Device(r.Bottom)};
}

void TCanvas::PutPixel(int x, int y, uint32_t rgb)
{
    const TRect t = IntersectRect(DeviceRect(Rect(x, y, x + 1, y + 1)), FClip);
    for (int iy = t.Top; iy < t.Bottom; ++iy) {
        uint32_t* row = reinterpret_cast<uint32_t*>(FImage->scanLine(iy));
        std::fill(row + t.Left, row + t.Right, rgb);
    }
}

// Fills the device pixels of box that `inside` accepts, judged at each device
// pixel's centre in logical coordinates: the rim (pixels less than a pen width
// from the outside, along a row or a column) in the pen colour, the rest with
// the brush. Without a pen the shape shrinks by one pixel on the right and at
// the bottom.
template <class Inside>
void TCanvas::FillShape(const TRect& box, Inside inside)
{
    if (!FImage)
        return;
    const bool pen = Pen.Style != psClear;
    const bool brush = Brush.Style != bsClear;
    TRect shape = box;
    if (!pen) {
        shape.Right -= 1;
        shape.Bottom -= 1;
    }
    if (shape.IsEmpty())
        return;
    const uint32_t penRgb = ToQRgb(Pen.Color), brushRgb = ToQRgb(Brush.Color);
    const TRect area = DeviceRect(shape);
    // One logical pixel of pen, in whole device pixels.
    const int penWidth = std::max(1, int(std::lround(FRatio)));
    auto in = [&](int dx, int dy) {
        if (dx < area.Left || dx >= area.Right || dy < area.Top || dy >= area.Bottom)
            return false;
        return inside(shape, (dx - FDeviceOrigin.X + 0.5) / FRatio, (dy - FDeviceOrigin.Y + 0.5) / FRatio);
    };
    const TRect t = IntersectRect(area, FClip);
    for (int dy = t.Top; dy < t.Bottom; ++dy) {
        uint32_t* row = reinterpret_cast<uint32_t*>(FImage->scanLine(dy));
        for (int dx = t.Left; dx < t.Right; ++dx) {
            if (!in(dx, dy))
                continue;
            bool rim = false;
            for (int k = 1; pen && !rim && k <= penWidth; ++k)
                rim = !in(dx - k, dy) || !in(dx + k, dy) || !in(dx, dy - k) || !in(dx, dy + k);
            if (rim) {
                // A dashed pen draws three pixels on, two off along each rim row and column.
                if (Pen.Style == psDash && (((dx + dy) / penWidth) % 5) >= 3)
                    continue;
                row[dx] = penRgb;
            } else if (brush) {
                row[dx] = brushRgb;
            }
        }
    }
}

namespace {
// A point (a pixel's centre, in logical coordinates) inside the ellipse inscribed in r.
bool InEllipse(const TRect& r, double x, double y)
{
    double rx = r.Width() / 2.0, ry = r.Height() / 2.0;
    double dx = (x - (r.Left + rx)) / rx, dy = (y - (r.Top + ry)) / ry;
    return dx * dx + dy * dy <= 1.0;
}
} // namespace

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    FillShape(Rect(x1, y1, x2, y2), [](const TRect&, double, double) { return true; });
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    FillShape(Rect(x1, y1, x2, y2), [](const TRect& r, double x, double y) { return InEllipse(r, x, y); });
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    FillShape(Rect(x1, y1, x2, y2), [cornerWidth, cornerHeight](const TRect& r, double px, double py) {
        int cw = std::min(cornerWidth, r.Width()), ch = std::min(cornerHeight, r.Height());
        if (cw <= 0 || ch <= 0)
            return true;
        // Corners are quarter ellipses of cw x ch; only pixels in a corner square are tested.
        const int x = int(std::floor(px)), y = int(std::floor(py));
        int left = r.Left + cw / 2, right = r.Right - cw / 2, top = r.Top + ch / 2, bottom = r.Bottom - ch / 2;
        int cx = x < left ? r.Left : (x >= right ? r.Right - cw : -1);
        int cy = y < top ? r.Top : (y >= bottom ? r.Bottom - ch : -1);
        if (cx < 0 || cy < 0)
            return true;
        return InEllipse(Bounds(cx, cy, cw, ch), px, py);
    });
}

void TCanvas::FillRect(const TRect& r)
{
    if (!FImage || Brush.Style == bsClear)
        return;
    TRect t = IntersectRect(DeviceRect(r), FClip);
    const uint32_t rgb = ToQRgb(Brush.Color);
    for (int y = t.Top; y < t.Bottom; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(FImage->scanLine(y));
        std::fill(row + t.Left, row + t.Right, rgb);
    }
}

void TCanvas::Frame3D(const TRect& r, bool raised)
{
    const TColor topLeft = raised ? clBtnHighlight : clBtnShadow;
    const TColor bottomRight = raised ? clBtnShadow : clBtnHighlight;
    for (int x = r.Left; x < r.Right; ++x) {
        SetPixel(x, r.Top, topLeft);
        SetPixel(x, r.Bottom - 1, bottomRight);
    }
    for (int y = r.Top; y < r.Bottom; ++y) {
        SetPixel(r.Left, y, topLeft);
        SetPixel(r.Right - 1, y, bottomRight);
    }
}

TColor TCanvas::Pixel(int x, int y) const
{
    if (!FImage)
        return clNone;
    int ix = FDeviceOrigin.X + Device(x), iy = FDeviceOrigin.Y + Device(y);
    if (ix < 0 || iy < 0 || ix >= FImage->width() || iy >= FImage->height())
        return clNone;
    return FromQRgb(reinterpret_cast<const uint32_t*>(FImage->constScanLine(iy))[ix]);
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (FImage)
        PutPixel(x, y, ToQRgb(color));
}

namespace {
// The image's pixels without its device pixel ratio: a painter on it works in
// device pixels. Shares the pixels, copies nothing.
QImage DeviceView(QImage& image)
{
    return QImage(image.bits(), image.width(), image.height(), image.bytesPerLine(), image.format());
}
} // namespace

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& srcRect)
{
    if (!FImage || !source.FImage || dest.IsEmpty() || srcRect.IsEmpty())
        return;
    const TRect d = DeviceRect(dest), s = source.DeviceRect(srcRect);
    if (d.Width() == s.Width() && d.Height() == s.Height()) {
        // Block copy, clipped to both the destination clip and the source image.
        const QImage& src = *source.FImage;
        // Within one image a copy downwards goes bottom row first, so that no
        // row is overwritten before it has been read.
        const bool bottomUp = source.FImage == FImage && d.Top > s.Top;
        for (int i = 0; i < d.Height(); ++i) {
            const int row = bottomUp ? d.Height() - 1 - i : i;
            int dy = d.Top + row, sy = s.Top + row;
            if (dy < FClip.Top || dy >= FClip.Bottom || sy < 0 || sy >= src.height())
                continue;
            int dx0 = d.Left, sx0 = s.Left;
            int from = std::max({0, FClip.Left - dx0, -sx0});
            int to = std::min({d.Width(), FClip.Right - dx0, src.width() - sx0});
            if (to <= from)
                continue;
            const uint32_t* sp = reinterpret_cast<const uint32_t*>(src.constScanLine(sy)) + sx0 + from;
            uint32_t* dp = reinterpret_cast<uint32_t*>(FImage->scanLine(dy)) + dx0 + from;
            std::memmove(dp, sp, size_t(to - from) * 4);
        }
        return;
    }
    QImage target = DeviceView(*FImage);
    QPainter p(&target);
    p.setClipRect(ToQRect(FClip));
    const QImage from = DeviceView(*source.FImage);
    p.drawImage(ToQRect(d), from, ToQRect(s));
}

void TCanvas::StretchDraw(const TRect& dest, TGraphic* graphic)
{
    if (graphic && FImage)
        graphic->Draw(*this, dest);
}

void TCanvas::Draw(int x, int y, TGraphic* graphic)
{
    if (graphic)
        StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    if (!FImage)
        return;
    QPainter p(FImage);
    p.setClipRect(LogicalClip());
    QFont f = ToQFont(Font);
    p.setFont(f);
    QFontMetrics fm(f);
    if (Brush.Style != bsClear)
        p.fillRect(QRect(x + FOrigin.X, y + FOrigin.Y, fm.horizontalAdvance(ToQString(text)), fm.height()), ToQColor(Brush.Color));
    p.setPen(ToQColor(Font.Color()));
    p.drawText(x + FOrigin.X, y + FOrigin.Y + fm.ascent(), ToQString(text));
}

void TCanvas::TextRect(const TRect& r, const std::string& text, TAlignment alignment, bool wordWrap)
{
    if (!FImage)
        return;
    QPainter p(FImage);
    p.setClipRect(LogicalClip().intersected(QRectF(r.Left + FOrigin.X, r.Top + FOrigin.Y, r.Width(), r.Height())));
    p.setFont(ToQFont(Font));
    p.setPen(ToQColor(Font.Color()));
    int flags = Qt::AlignTop | (alignment == taCenter ? Qt::AlignHCenter : alignment == taRightJustify ? Qt::AlignRight : Qt::AlignLeft);
    if (wordWrap)
        flags |= Qt::TextWordWrap;
    p.drawText(QRect(r.Left + FOrigin.X, r.Top + FOrigin.Y, r.Width(), r.Height()), flags, ToQString(text));
}

TPoint TCanvas::TextExtent(const std::string& text, int wrapWidth) const
{
    QFontMetrics fm(ToQFont(Font));
    if (wrapWidth > 0) {
        QRect b = fm.boundingRect(QRect(0, 0, wrapWidth, 100000), Qt::TextWordWrap, ToQString(text));
        return TPoint{b.width(), b.height()};
    }
    return TPoint{fm.horizontalAdvance(ToQString(text)), fm.height()};
}

int TCanvas::TextWidth(const std::string& text) const { return TextExtent(text).X; }
int TCanvas::TextHeight(const std::string& text) const { return TextExtent(text).Y; }
