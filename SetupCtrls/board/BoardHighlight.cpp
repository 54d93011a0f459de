#include "SetupCtrls/board/BoardHighlight.h"

#include "SetupCtrls/board/BoardImage.h"
#include "SetupCtrls/board/PopupForm.h"
#include "SetupCtrls/board/RingShading.h"
#include "toolkit/Bitmap.h"
#include "toolkit/WinControl.h"
#include "toolkit/WinApi.h"

namespace {
struct TPalette {
    TColor Ring;
    float Idle;
    float Lit;
    float LitActive;
};

TPalette PaletteOf(THighlightType type)
{
    switch (type) {
    case htOptions: return {0x00FF0000, 0.25f, 0.5f, 1.0f};     // blue
    case htCalibration: return {0x000000FF, 0.5f, 0.75f, 1.0f}; // red
    case htSettings:
    default: return {0x0000FFFF, 0.5f, 0.75f, 1.0f};            // yellow
    }
}
} // namespace

TBoardHighlight::TBoardHighlight(TComponent* AOwner)
    : TGraphicControl(AOwner),
      FIdleBitmap(std::make_unique<TBitmap>()),
      FLitActiveBitmap(std::make_unique<TBitmap>()),
      FLitBitmap(std::make_unique<TBitmap>())
{
    SetBounds(Left(), Top(), 65, 65);
    FPrepared = false;
    FLit = false;
    FMenu = nullptr;
    FCreatePopup = true;
    // The board's keyboard cursor visits every ring.
    SetTabStop(true);
    // The stored type starts at htOptions, so this always installs the palette.
    SetHighlightType(htSettings);
}

TBoardHighlight::~TBoardHighlight()
{
    // The popup goes first, while this ring is still whole: nothing it does on
    // its way out may reach a half-destroyed ring.
    if (TPopupForm* popup = FPopup.Get()) {
        popup->OnClose = nullptr;
        delete popup;
    }
}

void TBoardHighlight::SetHighlightType(THighlightType value)
{
    if (value == FHighlightType)
        return;
    FHighlightType = value;
    const TPalette p = PaletteOf(value);
    FRingColor = p.Ring;
    FIdleStrength = p.Idle;
    FLitStrength = p.Lit;
    FLitActiveStrength = p.LitActive;
    Invalidate();
}

void TBoardHighlight::BuildBitmaps()
{
    const int w = Width(), h = Height();
    // The looks hold as many pixels as the surface beneath: on a dense screen
    // the ring is shaded per device pixel, not enlarged afterwards.
    const double ratio = Canvas()->PixelRatio();
    for (TBitmap* b : {FIdleBitmap.get(), FLitActiveBitmap.get(), FLitBitmap.get()})
        b->SetPixelRatio(ratio);
    FIdleBitmap->SetSize(w, h);
    FLitActiveBitmap->SetSize(w, h);
    FLitBitmap->SetSize(w, h);
    struct Look {
        TBitmap* Bitmap;
        float Strength;
        bool WhiteCore;
    };
    const Look looks[] = {
        {FIdleBitmap.get(), FIdleStrength, false},
        {FLitActiveBitmap.get(), FLitActiveStrength, true},
        {FLitBitmap.get(), FLitStrength, false},
    };
    for (const Look& look : looks) {
        look.Bitmap->Canvas()->CopyRect(Rect(0, 0, w, h), *Canvas(), Rect(0, 0, w, h));
        ShadeRing(look.Bitmap, look.Bitmap->PixelWidth() - 1, look.Bitmap->PixelHeight() - 1, look.Strength, FRingColor,
                  look.WhiteCore);
    }
    FLooksBounds = BoundsRect();
    FLooksRatio = ratio;
    ++FRenderCount;
}

void TBoardHighlight::InitHighlight()
{
    BuildBitmaps();
    JoinMenu();
}

void TBoardHighlight::JoinMenu()
{
    if (OnBoardImage()) {
        FMenu = static_cast<TBoardImage*>(Parent())->Menu();
        AddMenuEntry();
    } else {
        FMenu = nullptr;
    }
}

bool TBoardHighlight::ClipCoversRing() const
{
    // The looks are copied from the parent's surface, which holds fresh pixels
    // only inside the area being painted now. What no paint can reach (beyond
    // the edge of an ancestor's client area) does not count.
    TRect visible = Rect(0, 0, Width(), Height());
    int offsetX = Left(), offsetY = Top();
    for (TWinControl* p = Parent(); p; p = p->Parent()) {
        visible = IntersectRect(visible, Rect(-offsetX, -offsetY, p->ClientWidth() - offsetX, p->ClientHeight() - offsetY));
        if (!p->Parent())
            break;
        offsetX += p->Left();
        offsetY += p->Top();
    }
    if (visible.IsEmpty())
        return true;
    const TRect clip = Canvas()->ClipRect();
    return clip.Left <= visible.Left && clip.Top <= visible.Top && clip.Right >= visible.Right && clip.Bottom >= visible.Bottom;
}

bool TBoardHighlight::LooksStale() const
{
    // Rendered for another place on the board or another pixel density: the
    // board was scaled, or the window went to a screen of another density.
    return BoundsRect() != FLooksBounds || Canvas()->PixelRatio() != FLooksRatio;
}

bool TBoardHighlight::CoversItself() const
{
    return !IsDesigning() && FPrepared && !FWholePaintRequested && BoundsRect() == FLooksBounds
        && FIdleBitmap->Width() == Width() && FIdleBitmap->Height() == Height();
}

void TBoardHighlight::Paint()
{
    if (IsDesigning() || !FPrepared || LooksStale()) {
        if (!FWholePaintRequested && !ClipCoversRing()) {
            // A partial paint would render from stale pixels: ask once for a
            // whole one and leave the picture showing until it comes.
            FWholePaintRequested = true;
            Invalidate();
            return;
        }
        FWholePaintRequested = false;
        if (IsDesigning() || FPrepared) {
            BuildBitmaps();
        } else {
            InitHighlight();
            FPrepared = true;
        }
    }
    TBitmap* look = FLit && FPopupActive ? FLitActiveBitmap.get() : (FLit || FPopupActive ? FLitBitmap.get() : FIdleBitmap.get());
    BitBlt(*Canvas(), 0, 0, Width(), Height(), *look->Canvas(), 0, 0);
}
