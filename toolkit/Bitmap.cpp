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
    FWidth = width;
    FHeight = height;
    if (FCanvas->HasSurface())
        FCanvas->Attach(FImage.get());
    Changed();
}

uint8_t* TBitmap::ScanLine(int y) { return FImage->scanLine(y); }
const uint8_t* TBitmap::ScanLine(int y) const { return FImage->constScanLine(y); }

TCanvas* TBitmap::Canvas()
{
    if (FCanvas->Surface() != FImage.get() || FCanvas->ClipRect() != Bounds(0, 0, Width(), Height()))
        FCanvas->Attach(FImage.get(), 0, 0, Bounds(0, 0, Width(), Height()));
    return FCanvas.get();
}

void TBitmap::Draw(TCanvas& canvas, const TRect& dest)
{
    if (Empty())
        return;
    TCanvas& self = *Canvas();
    // A picture drawn at another size (a scaled board, a dense screen) is
    // filtered; at its own size it is a block copy.
    canvas.CopyRect(dest, self, Bounds(0, 0, Width(), Height()), true);
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
    FRatio = 1.0;
    FWidth = FImage->width();
    FHeight = FImage->height();
    FCanvas->Detach();
    SetPaletteModified(true);
    Changed();
    return true;
}
