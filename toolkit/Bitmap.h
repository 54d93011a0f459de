#pragma once
// A 32-bit bitmap whose rows are read and written directly: each pixel is the
// bytes blue, green, red, reserved.
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
    std::unique_ptr<QImage> FImage;
    std::unique_ptr<TCanvas> FCanvas;
};
