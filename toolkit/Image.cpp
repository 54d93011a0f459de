#include "toolkit/Image.h"

#include "toolkit/Canvas.h"
#include "toolkit/Picture.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>())
{
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage()
{
    FPicture->OnChange = nullptr;
}

void TImage::SetPicture(const TPicture* picture)
{
    FPicture->Assign(picture);
}

void TImage::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    PictureChanged();
}

void TImage::SetCenter(bool value)
{
    if (value == FCenter)
        return;
    FCenter = value;
    Invalidate();
}

void TImage::SetStretch(bool value)
{
    if (value == FStretch)
        return;
    FStretch = value;
    Invalidate();
}

void TImage::PictureChanged()
{
    if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0)
        SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
    Invalidate();
}

void TImage::Paint()
{
    TGraphic* g = FPicture->Graphic();
    if (!g || g->Empty())
        return;
    TRect r = Bounds(0, 0, g->Width(), g->Height());
    if (FStretch)
        r = ClientRect();
    else if (FCenter)
        r = Bounds((Width() - g->Width()) / 2, (Height() - g->Height()) / 2, g->Width(), g->Height());
    Canvas()->StretchDraw(r, g);
}
