#include "toolkit/Bitmap.h"

#include <QImage>
#include <QPainter>
#include <cmath>

#include "toolkit/Canvas.h"
#include "toolkit/QtBridge.h"

TBitmap::TBitmap() : FImage(std::make_unique<QImage>()), FCanvas(std::make_unique<TCanvas>()) {}

TBitmap::~TBitmap() = default;

int TBitmap::Width() const { return FWidth; }
int TBitmap::Height() const { return FHeight; }
int TBitmap::PixelWidth() const { return FImage->width(); }
int TBitmap::PixelHeight() const { return FImage->height(); }
void TBitmap::SetWidth(int width) { SetSize(width, Height()); }
void TBitmap::SetHeight(int height) { SetSize(Width(), height); }

void TBitmap::SetSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height())
        return;
    Allocate(width, height, true);
}

void TBitmap::SetPixelRatio(double ratio)
{
    if (!(ratio > 0.0) || ratio == FRatio)
        return;
    FRatio = ratio;
    Allocate(FWidth, FHeight, false);
}

void TBitmap::Allocate(int width, int height, bool keep)
{
    // As many device pixels as a canvas of this ratio gives the logical size.
    auto device = [this](int v) { return FRatio == 1.0 ? v : int(std::floor(v * FRatio + 0.5)); };
    QImage image(device(width), device(height), QImage::Format_RGB32);
    image.fill(0xFF000000u);
    if (keep && !FImage->isNull()) {
        // Keep what overlaps, as resizing a bitmap does not clear it.
        QPainter p(&image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, *FImage);
    }
    image.setDevicePixelRatio(FRatio);
    *FImage = std::move(image);
    FScaled.reset();
    FWidth = width;
    FHeight = height;
    if (FCanvas->HasSurface())
        FCanvas->Attach(FImage.get());
    Changed();
}

uint8_t* TBitmap::ScanLine(int y)
{
    FScaled.reset(); // the pixels may change
    return FImage->scanLine(y);
}
const uint8_t* TBitmap::ScanLine(int y) const { return FImage->constScanLine(y); }

TCanvas* TBitmap::Canvas()
{
    FScaled.reset(); // the pixels may change
    if (FCanvas->Surface() != FImage.get() || FCanvas->ClipRect() != Bounds(0, 0, Width(), Height()))
        FCanvas->Attach(FImage.get(), 0, 0, Bounds(0, 0, Width(), Height()));
    return FCanvas.get();
}

void TBitmap::Draw(TCanvas& canvas, const TRect& dest)
{
    if (Empty())
        return;
    const TRect d = canvas.DeviceRect(dest);
    if (d.Width() == PixelWidth() && d.Height() == PixelHeight()) {
        canvas.CopyRect(dest, *Canvas(), Bounds(0, 0, Width(), Height()));
        return;
    }
    if (d.IsEmpty())
        return;
    // Drawn at another size (a zoomed board, a dense screen): filtered
    // smoothly once per size and kept, so that later paints are block copies
    // and a partial repaint shows exactly the pixels of a whole one.
    const QSize size(d.Width(), d.Height());
    if (!FScaled || FScaled->size() != size)
        FScaled = std::make_unique<QImage>(FImage->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    FScaled->setDevicePixelRatio(canvas.PixelRatio());
    TCanvas scaled;
    scaled.Attach(FScaled.get(), 0, 0, Bounds(0, 0, dest.Width(), dest.Height()));
    canvas.CopyRect(dest, scaled, Bounds(0, 0, dest.Width(), dest.Height()));
}

std::unique_ptr<TGraphic> TBitmap::Clone() const
{
    auto copy = std::make_unique<TBitmap>();
    *copy->FImage = FImage->copy();
    copy->FWidth = FWidth;
    copy->FHeight = FHeight;
    copy->FRatio = FRatio;
    copy->SetTransparent(Transparent());
    return copy;
}

bool TBitmap::LoadFromMemory(const unsigned char* data, size_t size)
{
    QImage loaded;
    if (!loaded.loadFromData(data, int(size)))
        return false;
    *FImage = loaded.convertToFormat(QImage::Format_RGB32);
    FImage->setDevicePixelRatio(1.0);
    FScaled.reset();
    FRatio = 1.0;
    FWidth = FImage->width();
    FHeight = FImage->height();
    FCanvas->Detach();
    SetPaletteModified(true);
    Changed();
    return true;
}
