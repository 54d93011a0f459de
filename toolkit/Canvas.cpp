#include "toolkit/Canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "toolkit/Graphic.h"
#include "toolkit/QtBridge.h"

void TCanvas::Attach(QImage* image, int originX, int originY, const TRect& clip)
{
    FImage = image;
    FOrigin = TPoint{originX, originY};
    FClip = image ? IntersectRect(clip, Bounds(0, 0, image->width(), image->height())) : TRect{};
}

void TCanvas::Attach(QImage* image)
{
    Attach(image, 0, 0, image ? Bounds(0, 0, image->width(), image->height()) : TRect{});
}

void TCanvas::Detach()
{
    FImage = nullptr;
    FClip = TRect{};
}

TRect TCanvas::ClipRect() const
{
    return TRect{FClip.Left - FOrigin.X, FClip.Top - FOrigin.Y, FClip.Right - FOrigin.X, FClip.Bottom - FOrigin.Y};
}

void TCanvas::PutPixel(int x, int y, uint32_t rgb)
{
    int ix = x + FOrigin.X, iy = y + FOrigin.Y;
    if (ix < FClip.Left || ix >= FClip.Right || iy < FClip.Top || iy >= FClip.Bottom)
        return;
    reinterpret_cast<uint32_t*>(FImage->scanLine(iy))[ix] = rgb;
}

// Fills the pixels of box that `inside` accepts: the rim (pixels with a
// 4-neighbour outside the shape) in the pen colour, the rest with the brush.
// Without a pen the shape shrinks by one pixel on the right and at the bottom.
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
    auto in = [&](int x, int y) {
        return x >= shape.Left && x < shape.Right && y >= shape.Top && y < shape.Bottom && inside(shape, x, y);
    };
    for (int y = shape.Top; y < shape.Bottom; ++y) {
        for (int x = shape.Left; x < shape.Right; ++x) {
            if (!in(x, y))
                continue;
            bool rim = pen && (!in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1));
            if (rim) {
                // A dashed pen draws three pixels on, two off along each rim row and column.
                if (Pen.Style == psDash && ((x + y) % 5) >= 3)
                    continue;
                PutPixel(x, y, penRgb);
            } else if (brush) {
                PutPixel(x, y, brushRgb);
            }
        }
    }
}

namespace {
// Pixel centre (x + 0.5, y + 0.5) inside the ellipse inscribed in r.
bool InEllipse(const TRect& r, int x, int y)
{
    double rx = r.Width() / 2.0, ry = r.Height() / 2.0;
    double dx = (x + 0.5 - (r.Left + rx)) / rx, dy = (y + 0.5 - (r.Top + ry)) / ry;
    return dx * dx + dy * dy <= 1.0;
}
} // namespace

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    FillShape(Rect(x1, y1, x2, y2), [](const TRect&, int, int) { return true; });
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    FillShape(Rect(x1, y1, x2, y2), [](const TRect& r, int x, int y) { return InEllipse(r, x, y); });
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    FillShape(Rect(x1, y1, x2, y2), [cornerWidth, cornerHeight](const TRect& r, int x, int y) {
        int cw = std::min(cornerWidth, r.Width()), ch = std::min(cornerHeight, r.Height());
        if (cw <= 0 || ch <= 0)
            return true;
        // Corners are quarter ellipses of cw x ch; only pixels in a corner square are tested.
        int left = r.Left + cw / 2, right = r.Right - cw / 2, top = r.Top + ch / 2, bottom = r.Bottom - ch / 2;
        int cx = x < left ? r.Left : (x >= right ? r.Right - cw : -1);
        int cy = y < top ? r.Top : (y >= bottom ? r.Bottom - ch : -1);
        if (cx < 0 || cy < 0)
            return true;
        return InEllipse(Bounds(cx, cy, cw, ch), x, y);
    });
}

void TCanvas::FillRect(const TRect& r)
{
    if (!FImage || Brush.Style == bsClear)
        return;
    TRect t = IntersectRect(Rect(r.Left + FOrigin.X, r.Top + FOrigin.Y, r.Right + FOrigin.X, r.Bottom + FOrigin.Y), FClip);
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
    int ix = x + FOrigin.X, iy = y + FOrigin.Y;
    if (ix < 0 || iy < 0 || ix >= FImage->width() || iy >= FImage->height())
        return clNone;
    return FromQRgb(reinterpret_cast<const uint32_t*>(FImage->constScanLine(iy))[ix]);
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (FImage)
        PutPixel(x, y, ToQRgb(color));
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& srcRect)
{
    if (!FImage || !source.FImage || dest.IsEmpty() || srcRect.IsEmpty())
        return;
    if (dest.Width() == srcRect.Width() && dest.Height() == srcRect.Height()) {
        // Block copy, clipped to both the destination clip and the source image.
        const QImage& src = *source.FImage;
        // Within one image a copy downwards goes bottom row first, so that no
        // row is overwritten before it has been read.
        const bool bottomUp = source.FImage == FImage && dest.Top + FOrigin.Y > srcRect.Top + source.FOrigin.Y;
        for (int i = 0; i < dest.Height(); ++i) {
            const int row = bottomUp ? dest.Height() - 1 - i : i;
            int dy = dest.Top + row + FOrigin.Y, sy = srcRect.Top + row + source.FOrigin.Y;
            if (dy < FClip.Top || dy >= FClip.Bottom || sy < 0 || sy >= src.height())
                continue;
            int dx0 = dest.Left + FOrigin.X, sx0 = srcRect.Left + source.FOrigin.X;
            int from = std::max({0, FClip.Left - dx0, -sx0});
            int to = std::min({dest.Width(), FClip.Right - dx0, src.width() - sx0});
            if (to <= from)
                continue;
            const uint32_t* s = reinterpret_cast<const uint32_t*>(src.constScanLine(sy)) + sx0 + from;
            uint32_t* d = reinterpret_cast<uint32_t*>(FImage->scanLine(dy)) + dx0 + from;
            std::memmove(d, s, size_t(to - from) * 4);
        }
        return;
    }
    QPainter p(FImage);
    p.setClipRect(ToQRect(FClip));
    p.drawImage(QRect(dest.Left + FOrigin.X, dest.Top + FOrigin.Y, dest.Width(), dest.Height()), *source.FImage,
                QRect(srcRect.Left + source.FOrigin.X, srcRect.Top + source.FOrigin.Y, srcRect.Width(), srcRect.Height()));
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
    p.setClipRect(ToQRect(FClip));
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
    p.setClipRect(ToQRect(IntersectRect(FClip, Rect(r.Left + FOrigin.X, r.Top + FOrigin.Y, r.Right + FOrigin.X, r.Bottom + FOrigin.Y))));
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
