#pragma once
// A 32-bit bitmap whose rows are read and written directly: each pixel is the
// bytes blue, green, red, reserved. Its size is in logical pixels; with a
// pixel ratio above 1 (made for a dense screen) it holds that many device
// pixels per logical pixel, and its rows are rows of device pixels.
#include <cstdint>
#include <memory>

#include "toolkit/Graphic.h"

class QImage;

class TBitmap : public TGraphic {
public:
    TK_CLASS_NAME(TBitmap)
    TBitmap();
    ~TBitmap() override;

    int Width() const override;
    int Height() const override;
    void SetWidth(int width);
    void SetHeight(int height);
    // Keeps the pixels when the size does not change (no allocation).
    void SetSize(int width, int height);
    // Device pixels per logical pixel; 1 unless set. Changing it resizes the
    // pixels (they are not kept).
    double PixelRatio() const { return FRatio; }
    void SetPixelRatio(double ratio);
    // The size in pixels, the extent of ScanLine.
    int PixelWidth() const;
    int PixelHeight() const;

    uint8_t* ScanLine(int y);
    const uint8_t* ScanLine(int y) const;
    TCanvas* Canvas();

    void Draw(TCanvas& canvas, const TRect& dest) override;
    std::unique_ptr<TGraphic> Clone() const override;
    // Takes any image format Qt reads (BMP, PNG); false when it cannot.
    bool LoadFromMemory(const unsigned char* data, size_t size);

    QImage& Image() { return *FImage; }
    const QImage& Image() const { return *FImage; }

private:
    void Allocate(int width, int height, bool keep);

    std::unique_ptr<QImage> FImage;
    std::unique_ptr<TCanvas> FCanvas;
    // The pixels filtered to the size they were last drawn at.
    std::unique_ptr<QImage> FScaled;
    int FWidth = 0, FHeight = 0;
    double FRatio = 1.0;
};
