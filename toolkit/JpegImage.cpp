#include "toolkit/JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/Exceptions.h"

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    longjmp(err->jump, 1);
}

// Warnings (a truncated file, say) are not worth a word on stderr: the decoder
// fills what is missing and the picture still shows.
void OnMessage(j_common_ptr, int) {}

// Runs one libjpeg session over the data; `body` gets the started decompressor.
// The session lives in its own frame so that longjmp skips no destructors.
template <class Body>
bool WithDecompressor(const std::vector<unsigned char>& data, char* message, Body body)
{
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    if (setjmp(err.jump)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    body(cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromMemory(const unsigned char* data, size_t size)
{
    auto bytes = std::make_shared<std::vector<unsigned char>>(data, data + size);
    char message[JMSG_LENGTH_MAX] = "";
    int w = 0, h = 0, comps = 0;
    bool progressive = false;
    if (size == 0 || !WithDecompressor(*bytes, message, [&](jpeg_decompress_struct& c) {
            w = int(c.image_width);
            h = int(c.image_height);
            comps = c.num_components;
            progressive = jpeg_has_multiple_scans(&c);
        }))
        throw Exception(std::string("JPEG error: ") + (message[0] ? message : "no data"));
    FData = std::move(bytes);
    FWidth = w;
    FHeight = h;
    FComponents = comps;
    FProgressive = progressive;
    FBitmap.reset();
    FDecodeFailed = false;
    SetPaletteModified(true);
    Changed();
}

void TJPEGImage::Decode()
{
    auto bitmap = std::make_unique<TBitmap>();
    char message[JMSG_LENGTH_MAX] = "";
    TBitmap* target = bitmap.get();
    bool ok = FData && WithDecompressor(*FData, message, [target](jpeg_decompress_struct& c) {
        // Straight into the bitmap's rows: BGRA is the byte order of a 32-bit row.
        c.out_color_space = JCS_EXT_BGRA;
        jpeg_start_decompress(&c);
        target->SetSize(int(c.output_width), int(c.output_height));
        while (c.output_scanline < c.output_height) {
            JSAMPROW row = target->ScanLine(int(c.output_scanline));
            jpeg_read_scanlines(&c, &row, 1);
        }
        jpeg_finish_decompress(&c);
    });
    ++FDecodeCount;
    FDecodeFailed = !ok;
    if (!ok)
        throw Exception(std::string("JPEG error: ") + message);
    FBitmap = std::move(bitmap);
}

TBitmap* TJPEGImage::Bitmap()
{
    if (!FBitmap && FData && !FDecodeFailed)
        Decode();
    return FBitmap.get();
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& dest)
{
    if (TBitmap* b = Bitmap())
        b->Draw(canvas, dest);
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const
{
    auto copy = std::make_unique<TJPEGImage>();
    copy->FData = FData;
    copy->FWidth = FWidth;
    copy->FHeight = FHeight;
    copy->FComponents = FComponents;
    copy->FProgressive = FProgressive;
    copy->SetTransparent(Transparent());
    copy->SetPaletteModified(PaletteModified());
    return copy;
}
