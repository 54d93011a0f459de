#include "toolkit/Bitmap.h"

#include <QImage>
#include <QPainter>

#include "toolkit/Canvas.h"
#include "toolkit/QtBridge.h"

TBitmap::TBitmap() : FImage(std::make_unique<QImage>()), FCanvas(std::make_unique<TCanvas>()) {}

TBitmap::~TBitmap() = default;

int TBitmap::Width() const { return FImage->width(); }
int TBitmap::Height() const { return FImage->height(); }
void TBitmap::SetWidth(int width) { SetSize(width, Height()); }
void TBitmap::SetHeight(int height) { SetSize(Width(), height); }

void TBitmap::SetSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height())
        return;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(0xFF000000u);
    if (!FImage->isNull()) {
        // Keep what overlaps, as resizing a bitmap does not clear it.
        QPainter p(&image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, *FImage);
    }
    *FImage = std::move(image);
    if (FCanvas->HasSurface())
        FCanvas->Attach(FImage.get());
    Changed();
}

uint8_t* TBitmap::ScanLine(int y) { return FImage->scanLine(y); }
const uint8_t* TBitmap::ScanLine(int y) const { return FImage->constScanLine(y); }

TCanvas* TBitmap::Canvas()
{
    if (FCanvas->Surface() != FImage.get() || FCanvas->ClipRect() != Bounds(0, 0, Width(), Height()))
        FCanvas->Attach(FImage.get());
    return FCanvas.get();
}

void TBitmap::Draw(TCanvas& canvas, const TRect& dest)
{
    if (Empty())
        return;
    TCanvas& self = *Canvas();
    canvas.CopyRect(dest, self, Bounds(0, 0, Width(), Height()));
}

std::unique_ptr<TGraphic> TBitmap::Clone() const
{
    auto copy = std::make_unique<TBitmap>();
    *copy->FImage = FImage->copy();
    copy->SetTransparent(Transparent());
    return copy;
}

bool TBitmap::LoadFromMemory(const unsigned char* data, size_t size)
{
    QImage loaded;
    if (!loaded.loadFromData(data, int(size)))
        return false;
    *FImage = loaded.convertToFormat(QImage::Format_RGB32);
    FCanvas->Detach();
    SetPaletteModified(true);
    Changed();
    return true;
}
