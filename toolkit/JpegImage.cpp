#include "toolkit/JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/Exceptions.h"

// The compressed bytes: borrowed for compiled-in data, owned otherwise.
struct TJPEGImage::TSource {
    const unsigned char* Bytes = nullptr;
    size_t Size = 0;
    std::vector<unsigned char> Owned;
};

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

} // namespace

// One libjpeg decompressor over a source, from its header on.
struct TJPEGImage::TSession {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    // Keeps the bytes alive for as long as the decoder reads them.
    std::shared_ptr<const TSource> source;

    ~TSession() { jpeg_destroy_decompress(&cinfo); }
};

namespace {

// The steps below longjmp back to their own frame on a libjpeg error; they
// hold nothing with a destructor between the setjmp and the libjpeg calls.

// Starts the decompressor and reads the header; false (with the reason in
// message) when the data is no JPEG.
bool ReadHeader(TJPEGImage::TSession& s, char* message)
{
    s.cinfo.err = jpeg_std_error(&s.err.pub);
    s.err.pub.error_exit = OnError;
    s.err.pub.emit_message = OnMessage;
    if (setjmp(s.err.jump)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", s.err.message);
        return false;
    }
    jpeg_create_decompress(&s.cinfo);
    jpeg_mem_src(&s.cinfo, s.source->Bytes, static_cast<unsigned long>(s.source->Size));
    jpeg_read_header(&s.cinfo, TRUE);
    return true;
}

// Decodes straight into the bitmap's rows: BGRA is the byte order of a 32-bit row.
bool DecodeInto(TJPEGImage::TSession& s, TBitmap& target, char* message)
{
    if (setjmp(s.err.jump)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", s.err.message);
        return false;
    }
    s.cinfo.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&s.cinfo);
    target.SetSize(int(s.cinfo.output_width), int(s.cinfo.output_height));
    while (s.cinfo.output_scanline < s.cinfo.output_height) {
        JSAMPROW row = target.ScanLine(int(s.cinfo.output_scanline));
        jpeg_read_scanlines(&s.cinfo, &row, 1);
    }
    jpeg_finish_decompress(&s.cinfo);
    return true;
}

std::unique_ptr<TJPEGImage::TSession> OpenSession(std::shared_ptr<const TJPEGImage::TSource> source, char* message)
{
    auto session = std::make_unique<TJPEGImage::TSession>();
    session->source = std::move(source);
    if (!ReadHeader(*session, message))
        return nullptr;
    return session;
}

} // namespace

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromMemory(const unsigned char* data, size_t size)
{
    auto source = std::make_shared<TSource>();
    source->Owned.assign(data, data + size);
    source->Bytes = source->Owned.data();
    source->Size = size;
    Load(std::move(source));
}

void TJPEGImage::LoadFromEmbedded(const unsigned char* data, size_t size)
{
    auto source = std::make_shared<TSource>();
    source->Bytes = data;
    source->Size = size;
    Load(std::move(source));
}

void TJPEGImage::Load(std::shared_ptr<const TSource> source)
{
    char message[JMSG_LENGTH_MAX] = "";
    std::unique_ptr<TSession> session = source->Size ? OpenSession(source, message) : nullptr;
    if (!session)
        throw Exception(std::string("JPEG error: ") + (message[0] ? message : "no data"));
    ++FHeaderReadCount;
    FWidth = int(session->cinfo.image_width);
    FHeight = int(session->cinfo.image_height);
    FComponents = session->cinfo.num_components;
    FProgressive = jpeg_has_multiple_scans(&session->cinfo);
    FSource = std::move(source);
    FSession = std::move(session);
    FBitmap.reset();
    FDecodeFailed = false;
    SetPaletteModified(true);
    Changed();
}

void TJPEGImage::Decode()
{
    char message[JMSG_LENGTH_MAX] = "";
    std::unique_ptr<TSession> session = std::move(FSession);
    if (!session && FSource) {
        // A copy, or a picture decoded again: its own header read.
        session = OpenSession(FSource, message);
        ++FHeaderReadCount;
    }
    auto bitmap = std::make_unique<TBitmap>();
    const bool ok = session && DecodeInto(*session, *bitmap, message);
    ++FDecodeCount;
    FDecodeFailed = !ok;
    if (!ok)
        throw Exception(std::string("JPEG error: ") + message);
    FBitmap = std::move(bitmap);
}

TBitmap* TJPEGImage::Bitmap()
{
    if (!FBitmap && FSource && !FDecodeFailed)
        Decode();
    return FBitmap.get();
}

const unsigned char* TJPEGImage::DataBytes() const
{
    return FSource ? FSource->Bytes : nullptr;
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& dest)
{
    if (TBitmap* b = Bitmap())
        b->Draw(canvas, dest);
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const
{
    auto copy = std::make_unique<TJPEGImage>();
    copy->FSource = FSource;
    copy->FWidth = FWidth;
    copy->FHeight = FHeight;
    copy->FComponents = FComponents;
    copy->FProgressive = FProgressive;
    copy->SetTransparent(Transparent());
    copy->SetPaletteModified(PaletteModified());
    return copy;
}
