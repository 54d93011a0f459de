#pragma once
// A JPEG picture. Only the header is read when the data arrives; the pixels are
// decoded by libjpeg the first time the picture is drawn and kept from then on,
// so later paints are plain copies. The decoder that read the header stays
// open until that first draw and goes on from there, so the header is read
// once. Data compiled into the program is read where it lies, never copied.
#include <memory>
#include <vector>

#include "toolkit/Graphic.h"

class TBitmap;

class TJPEGImage : public TGraphic {
public:
    TK_CLASS_NAME(TJPEGImage)
    TJPEGImage();
    ~TJPEGImage() override;

    // Throws Exception when the data is no readable JPEG. The picture keeps a
    // copy: the caller's buffer may go away.
    void LoadFromMemory(const unsigned char* data, size_t size);
    // The same for bytes that outlive the picture (compiled into the
    // program): they are read in place.
    void LoadFromEmbedded(const unsigned char* data, size_t size);

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void Draw(TCanvas& canvas, const TRect& dest) override;
    // Shares the compressed bytes; the copy reads its own header when it decodes.
    std::unique_ptr<TGraphic> Clone() const override;

    // The decoded pixels (decoding now if needed), and how often this picture was decoded.
    TBitmap* Bitmap();
    int DecodeCount() const { return FDecodeCount; }
    // How often this picture's header was read: once per load, once more
    // only for a copy that decodes.
    int HeaderReadCount() const { return FHeaderReadCount; }
    bool Progressive() const { return FProgressive; }
    int Components() const { return FComponents; }
    // Where the compressed bytes are read from.
    const unsigned char* DataBytes() const;

    struct TSource;
    struct TSession;

private:
    void Load(std::shared_ptr<const TSource> source);
    void Decode();

    std::shared_ptr<const TSource> FSource;
    // The decoder that read the header, waiting for the first draw.
    std::unique_ptr<TSession> FSession;
    std::unique_ptr<TBitmap> FBitmap;
    int FWidth = 0;
    int FHeight = 0;
    int FComponents = 0;
    bool FProgressive = false;
    int FDecodeCount = 0;
    int FHeaderReadCount = 0;
    // The data could not be decoded: drawing shows nothing rather than trying
    // (and failing) again at every paint.
    bool FDecodeFailed = false;
};
