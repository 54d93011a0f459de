#include "toolkit/Picture.h"

#include "toolkit/Bitmap.h"
#include "toolkit/Exceptions.h"
#include "toolkit/JpegImage.h"

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    FGraphic = std::move(graphic);
    if (FGraphic)
        FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::Assign(const TPicture* source)
{
    SetGraphic(source && source->FGraphic ? source->FGraphic->Clone() : nullptr);
}

void TPicture::LoadFromMemory(const unsigned char* data, size_t size)
{
    Load(data, size, false);
}

void TPicture::LoadFromEmbedded(const unsigned char* data, size_t size)
{
    Load(data, size, true);
}

void TPicture::Load(const unsigned char* data, size_t size, bool embedded)
{
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8) {
        auto jpeg = std::make_unique<TJPEGImage>();
        if (embedded)
            jpeg->LoadFromEmbedded(data, size);
        else
            jpeg->LoadFromMemory(data, size);
        SetGraphic(std::move(jpeg));
        return;
    }
    auto bitmap = std::make_unique<TBitmap>();
    if (!bitmap->LoadFromMemory(data, size))
        throw Exception("Unknown picture format");
    SetGraphic(std::move(bitmap));
}

void TPicture::Changed()
{
    if (OnChange)
        OnChange(this);
}
