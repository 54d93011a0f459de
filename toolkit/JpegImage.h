#pragma once
// A JPEG picture. Only the header is read when the data arrives; the pixels are
// decoded by libjpeg the first time the picture is drawn and kept from then on,
// so later paints are plain copies.
#include <memory>
#include <vector>

#include "toolkit/Graphic.h"

class TBitmap;

class TJPEGImage : public TGraphic {
public:
    TK_CLASS_NAME(TJPEGImage)
    TJPEGImage();
    ~TJPEGImage() override;

    // Throws Exception when the data is no readable JPEG.
    void LoadFromMemory(const unsigned char* data, size_t size);

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void Draw(TCanvas& canvas, const TRect& dest) override;
    std::unique_ptr<TGraphic> Clone() const override;

    // The decoded pixels (decoding now if needed), and how often this picture was decoded.
    TBitmap* Bitmap();
    int DecodeCount() const { return FDecodeCount; }
    bool Progressive() const { return FProgressive; }
    int Components() const { return FComponents; }

private:
    void Decode();

    std::shared_ptr<const std::vector<unsigned char>> FData;
    std::unique_ptr<TBitmap> FBitmap;
    int FWidth = 0;
    int FHeight = 0;
    int FComponents = 0;
    bool FProgressive = false;
    int FDecodeCount = 0;
    // The data could not be decoded: drawing shows nothing rather than trying
    // (and failing) again at every paint.
    bool FDecodeFailed = false;
};
