#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <cstdlib>
#include <memory>
#include <string>

#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/Exceptions.h"
#include "toolkit/JpegImage.h"
#include "toolkit/Picture.h"

namespace {

// A 40 x 30 picture: left half red, right half blue, with a green band at the bottom.
QImage Sample()
{
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, y >= 22 ? qRgb(0, 200, 0) : x < 20 ? qRgb(220, 0, 0) : qRgb(0, 0, 220));
    return image;
}

QByteArray Encode(const QImage& image, const char* format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

const unsigned char* Data(const QByteArray& b) { return reinterpret_cast<const unsigned char*>(b.constData()); }

// Close enough for a lossy codec.
bool Near(TColor a, TColor b, int tolerance = 16)
{
    return std::abs(int(GetRValue(a)) - int(GetRValue(b))) <= tolerance &&
           std::abs(int(GetGValue(a)) - int(GetGValue(b))) <= tolerance &&
           std::abs(int(GetBValue(a)) - int(GetBValue(b))) <= tolerance;
}

std::unique_ptr<TBitmap> Target(int w, int h)
{
    auto b = std::make_unique<TBitmap>();
    b->SetSize(w, h);
    return b;
}

} // namespace

TEST(Jpeg, TheHeaderGivesSizeAndKindBeforeAnythingIsDecoded)
{
    for (bool progressive : {false, true}) {
        QByteArray bytes = Encode(Sample(), "jpeg", progressive);
        TJPEGImage jpeg;
        jpeg.LoadFromMemory(Data(bytes), size_t(bytes.size()));
        EXPECT_EQ(jpeg.Width(), 40) << progressive;
        EXPECT_EQ(jpeg.Height(), 30) << progressive;
        EXPECT_EQ(jpeg.Progressive(), progressive);
        EXPECT_EQ(jpeg.Components(), 3);
        EXPECT_EQ(jpeg.DecodeCount(), 0);
        EXPECT_FALSE(jpeg.Empty());
    }
}

TEST(Jpeg, DecodesOnceHoweverOftenItIsDrawn)
{
    QByteArray bytes = Encode(Sample(), "jpeg", true);
    TJPEGImage jpeg;
    jpeg.LoadFromMemory(Data(bytes), size_t(bytes.size()));
    auto target = Target(40, 30);
    for (int i = 0; i < 5; ++i)
        target->Canvas()->Draw(0, 0, &jpeg);
    target->Canvas()->StretchDraw(Rect(0, 0, 20, 15), &jpeg);
    EXPECT_EQ(jpeg.DecodeCount(), 1);
    ASSERT_NE(jpeg.Bitmap(), nullptr);
    EXPECT_EQ(jpeg.DecodeCount(), 1);
    EXPECT_EQ(jpeg.Bitmap()->Width(), 40);
    // The decoder that read the header at load time went on to decode.
    EXPECT_EQ(jpeg.HeaderReadCount(), 1);

    auto fresh = Target(40, 30);
    fresh->Canvas()->Draw(0, 0, &jpeg);
    EXPECT_TRUE(Near(fresh->Canvas()->Pixel(5, 5), RGB(220, 0, 0)));
    EXPECT_TRUE(Near(fresh->Canvas()->Pixel(35, 5), RGB(0, 0, 220)));
    EXPECT_TRUE(Near(fresh->Canvas()->Pixel(20, 27), RGB(0, 200, 0)));
}

TEST(Jpeg, EmbeddedBytesAreReadInPlaceOtherBytesAreCopied)
{
    const QByteArray bytes = Encode(Sample(), "jpeg", true);
    TJPEGImage embedded, copied;
    embedded.LoadFromEmbedded(Data(bytes), size_t(bytes.size()));
    copied.LoadFromMemory(Data(bytes), size_t(bytes.size()));
    EXPECT_EQ(embedded.DataBytes(), Data(bytes));
    EXPECT_NE(copied.DataBytes(), Data(bytes));
    for (TJPEGImage* jpeg : {&embedded, &copied}) {
        EXPECT_EQ(jpeg->Width(), 40);
        EXPECT_TRUE(jpeg->Progressive());
        auto target = Target(40, 30);
        target->Canvas()->Draw(0, 0, jpeg);
        EXPECT_TRUE(Near(target->Canvas()->Pixel(35, 5), RGB(0, 0, 220)));
        EXPECT_EQ(jpeg->HeaderReadCount(), 1);
        EXPECT_EQ(jpeg->DecodeCount(), 1);
    }
    // Garbage is refused the same way in place.
    const std::string junk = std::string("\xFF\xD8") + " not much of a picture";
    EXPECT_THROW(embedded.LoadFromEmbedded(reinterpret_cast<const unsigned char*>(junk.data()), junk.size()),
                 Exception);
    EXPECT_EQ(embedded.DataBytes(), Data(bytes));

    TPicture picture;
    picture.LoadFromEmbedded(Data(bytes), size_t(bytes.size()));
    ASSERT_STREQ(picture.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(static_cast<TJPEGImage*>(picture.Graphic())->DataBytes(), Data(bytes));
}

TEST(Jpeg, ACopyReadsItsOwnHeaderOnlyWhenItDecodes)
{
    const QByteArray bytes = Encode(Sample(), "jpeg");
    TJPEGImage jpeg;
    jpeg.LoadFromEmbedded(Data(bytes), size_t(bytes.size()));
    std::unique_ptr<TGraphic> clone = jpeg.Clone();
    auto* copy = static_cast<TJPEGImage*>(clone.get());
    EXPECT_EQ(copy->HeaderReadCount(), 0);
    EXPECT_EQ(copy->DataBytes(), Data(bytes));
    ASSERT_NE(copy->Bitmap(), nullptr);
    EXPECT_EQ(copy->HeaderReadCount(), 1);
    ASSERT_NE(jpeg.Bitmap(), nullptr);
    EXPECT_EQ(jpeg.HeaderReadCount(), 1);
    EXPECT_EQ(copy->Bitmap()->Image(), jpeg.Bitmap()->Image());
}

TEST(Jpeg, DataThatIsNoJpegIsRefusedAndTheOldPictureStays)
{
    QByteArray good = Encode(Sample(), "jpeg");
    TJPEGImage jpeg;
    jpeg.LoadFromMemory(Data(good), size_t(good.size()));

    const std::string garbage[] = {
        std::string(),
        std::string("not a picture at all"),
        std::string("\xFF\xD8\xFF\xE0 garbage after the marker", 30),
        std::string(good.constData(), 12),
    };
    for (const std::string& g : garbage) {
        EXPECT_THROW(jpeg.LoadFromMemory(reinterpret_cast<const unsigned char*>(g.data()), g.size()), Exception)
            << g.size() << " bytes";
        EXPECT_EQ(jpeg.Width(), 40);
    }
    auto target = Target(40, 30);
    target->Canvas()->Draw(0, 0, &jpeg);
    EXPECT_TRUE(Near(target->Canvas()->Pixel(5, 5), RGB(220, 0, 0)));
}

TEST(Jpeg, ATruncatedFileStillShowsWhatItHas)
{
    QByteArray bytes = Encode(Sample(), "jpeg");
    QByteArray cut = bytes.left(bytes.size() * 3 / 4);
    TJPEGImage jpeg;
    ASSERT_NO_THROW(jpeg.LoadFromMemory(Data(cut), size_t(cut.size())));
    auto target = Target(40, 30);
    EXPECT_NO_THROW(target->Canvas()->Draw(0, 0, &jpeg));
    EXPECT_EQ(jpeg.DecodeCount(), 1);
    EXPECT_TRUE(Near(target->Canvas()->Pixel(5, 2), RGB(220, 0, 0)));
}

TEST(Jpeg, APictureThatFailsToDecodeIsReportedOnceAndNotDecodedAtEveryPaint)
{
    // A progressive file whose second scan names a component that does not
    // exist: the header reads fine, the decoder gives up on the scans.
    QByteArray bytes = Encode(Sample(), "jpeg", true);
    const QByteArray sos("\xFF\xDA", 2);
    qsizetype second = bytes.indexOf(sos, bytes.indexOf(sos) + 2);
    ASSERT_GT(second, 0);
    bytes[second + 5] = char(0x7F);
    TJPEGImage jpeg;
    ASSERT_NO_THROW(jpeg.LoadFromMemory(Data(bytes), size_t(bytes.size())));
    EXPECT_EQ(jpeg.Width(), 40);

    auto target = Target(40, 30);
    EXPECT_THROW(target->Canvas()->Draw(0, 0, &jpeg), Exception);
    for (int i = 0; i < 3; ++i)
        EXPECT_NO_THROW(target->Canvas()->Draw(0, 0, &jpeg));
    EXPECT_EQ(jpeg.DecodeCount(), 1);
    EXPECT_EQ(jpeg.Bitmap(), nullptr);

    // New data decodes again.
    QByteArray good = Encode(Sample(), "jpeg");
    jpeg.LoadFromMemory(Data(good), size_t(good.size()));
    target->Canvas()->Draw(0, 0, &jpeg);
    EXPECT_EQ(jpeg.DecodeCount(), 2);
    EXPECT_TRUE(Near(target->Canvas()->Pixel(5, 5), RGB(220, 0, 0)));
}

TEST(Picture, LoadFromMemoryRecognisesJpegBmpAndPng)
{
    struct Case {
        const char* format;
        const char* graphic;
        bool exact;
    };
    for (const Case& c : {Case{"jpeg", "TJPEGImage", false}, Case{"bmp", "TBitmap", true}, Case{"png", "TBitmap", true}}) {
        QByteArray bytes = Encode(Sample(), c.format);
        TPicture picture;
        int changes = 0;
        picture.OnChange = [&](TObject* sender) {
            EXPECT_EQ(sender, &picture);
            ++changes;
        };
        picture.LoadFromMemory(Data(bytes), size_t(bytes.size()));
        ASSERT_NE(picture.Graphic(), nullptr) << c.format;
        EXPECT_STREQ(picture.Graphic()->ClassName(), c.graphic);
        EXPECT_EQ(picture.Width(), 40) << c.format;
        EXPECT_EQ(picture.Height(), 30) << c.format;
        EXPECT_EQ(changes, 1) << c.format;
        auto target = Target(40, 30);
        target->Canvas()->Draw(0, 0, picture.Graphic());
        TColor seen = target->Canvas()->Pixel(35, 5);
        if (c.exact) {
            EXPECT_EQ(seen, RGB(0, 0, 220)) << c.format;
        } else {
            EXPECT_TRUE(Near(seen, RGB(0, 0, 220))) << c.format;
        }
    }
}

TEST(Picture, UnknownDataIsRefusedWithAnException)
{
    TPicture picture;
    const std::string junk = "GIF89a? no, just words";
    EXPECT_THROW(picture.LoadFromMemory(reinterpret_cast<const unsigned char*>(junk.data()), junk.size()), Exception);
    EXPECT_EQ(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Width(), 0);
}

TEST(Picture, AssignSharesTheGraphicAndNotifies)
{
    QByteArray bytes = Encode(Sample(), "jpeg", true);
    TPicture source;
    source.LoadFromMemory(Data(bytes), size_t(bytes.size()));
    auto* sourceJpeg = static_cast<TJPEGImage*>(source.Graphic());
    auto target = Target(40, 30);
    target->Canvas()->Draw(0, 0, sourceJpeg);
    ASSERT_EQ(sourceJpeg->DecodeCount(), 1);

    TPicture copy;
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&source);
    EXPECT_EQ(changes, 1);
    ASSERT_NE(copy.Graphic(), nullptr);
    EXPECT_NE(copy.Graphic(), source.Graphic());
    EXPECT_STREQ(copy.Graphic()->ClassName(), "TJPEGImage");
    auto* copyJpeg = static_cast<TJPEGImage*>(copy.Graphic());
    EXPECT_EQ(copyJpeg->Width(), 40);
    EXPECT_TRUE(copyJpeg->Progressive());
    EXPECT_EQ(sourceJpeg->DecodeCount(), 1);

    // The copy shows the same pixels.
    auto a = Target(40, 30), b = Target(40, 30);
    a->Canvas()->Draw(0, 0, sourceJpeg);
    b->Canvas()->Draw(0, 0, copyJpeg);
    for (TPoint p : {TPoint{3, 3}, TPoint{30, 10}, TPoint{20, 25}})
        EXPECT_EQ(a->Canvas()->Pixel(p.X, p.Y), b->Canvas()->Pixel(p.X, p.Y));

    // Changes of the graphic reach the picture's owner; an empty source empties it.
    copy.Graphic()->SetTransparent(true);
    EXPECT_EQ(changes, 2);
    copy.Graphic()->SetTransparent(true);
    EXPECT_EQ(changes, 2);
    TPicture empty;
    copy.Assign(&empty);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(copy.Graphic(), nullptr);
    EXPECT_EQ(copy.Width(), 0);
}

TEST(Picture, ANewGraphicMarksItsPaletteAsModified)
{
    QByteArray bytes = Encode(Sample(), "jpeg");
    TPicture picture;
    picture.LoadFromMemory(Data(bytes), size_t(bytes.size()));
    EXPECT_TRUE(picture.Graphic()->PaletteModified());
    EXPECT_EQ(picture.Graphic()->Palette(), 0u);
    picture.Graphic()->SetPaletteModified(false);
    EXPECT_FALSE(picture.Graphic()->PaletteModified());
}
