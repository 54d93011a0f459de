#include "SetupCtrls/board/BoardImage.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardLayout.h"
#include "toolkit/Canvas.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/Picture.h"

TBoardImage::TBoardImage(TComponent* AOwner) : TCustomPanel(AOwner), FPicture(std::make_unique<TPicture>())
{
    FPicture->OnChange = [this](TObject* sender) { PictureChanged(sender); };
    SetHeight(105);
    SetWidth(105);
    // Tab reaches the board, whose keyboard cursor then walks its rings.
    SetTabStop(true);
}

void TBoardImage::GetAccessibleInfo(TAccessibleInfo& info) const
{
    TCustomPanel::GetAccessibleInfo(info);
    info.Role = arImage;
    info.Name = Hint();
    info.Description.clear();
}

TBoardImage::~TBoardImage()
{
    FPicture->OnChange = nullptr;
}

void TBoardImage::SetPicture(const TPicture* picture)
{
    FPicture->Assign(picture);
}

void TBoardImage::SetCenter(bool value)
{
    if (value == FCenter)
        return;
    FCenter = value;
    PictureChanged(this);
}

void TBoardImage::SetStretch(bool value)
{
    if (value == FStretch)
        return;
    FStretch = value;
    PictureChanged(this);
}

void TBoardImage::SetScale(bool value)
{
    if (value == FScale)
        return;
    FScale = value;
    PictureChanged(this);
}

void TBoardImage::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    PictureChanged(this);
}

void TBoardImage::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    if (value) {
        int w = Width(), h = Height();
        if (CanAutoSize(w, h))
            SetBounds(Left(), Top(), w, h);
    }
}

void TBoardImage::PictureChanged(TObject*)
{
    FPictureKept = false;
    const int pw = FPicture->Width(), ph = FPicture->Height();
    if (pw > 0 && ph > 0) {
        FAspect = double(ph) / double(pw);
        if (!std::isfinite(FAspect))
            FAspect = 1.0;
    }
    if (FAutoSize && pw > 0 && ph > 0)
        SetBounds(Left(), Top(), pw, ph);
    if (TGraphic* g = FPicture->Graphic()) {
        g->SetTransparent(FTransparent);
        // A picture that covers the whole control spares the erase before each paint.
        bool covers = FStretch || (g->Width() >= Width() && g->Height() >= Height());
        if (!g->Transparent() && covers)
            SetControlStyle(ControlStyle() | csOpaque);
        else
            SetControlStyle(ControlStyle() & ~unsigned(csOpaque));
        if (DoPaletteChange() && FDrawing)
            Update();
    } else {
        SetControlStyle(ControlStyle() & ~unsigned(csOpaque));
    }
    if (!FDrawing)
        Invalidate();
}

TRect TBoardImage::DestRect() const
{
    if (FStretch)
        return Rect(0, 0, ClientWidth(), ClientHeight());
    const int pw = FPicture->Width(), ph = FPicture->Height();
    if (FCenter)
        return Bounds((Width() - pw) / 2, (Height() - ph) / 2, pw, ph);
    return Rect(0, 0, pw, ph);
}

bool TBoardImage::CanAutoSize(int& newWidth, int& newHeight) const
{
    const int pw = FPicture->Width(), ph = FPicture->Height();
    if (IsDesigning() && (pw <= 0 || ph <= 0))
        return true;
    if (Align() == alNone || Align() == alLeft || Align() == alRight)
        newWidth = pw;
    if (Align() == alNone || Align() == alTop || Align() == alBottom)
        newHeight = ph;
    return true;
}

bool TBoardImage::DoPaletteChange()
{
    TGraphic* g = FPicture->Graphic();
    if (!Visible() || IsLoading() || !g || !g->PaletteModified())
        return false;
    // True-colour displays realise no palettes: a picture without one only
    // needs its flag cleared.
    if (g->Palette() == 0) {
        g->SetPaletteModified(false);
        return false;
    }
    TControl* root = this;
    while (root->Parent())
        root = root->Parent();
    auto* form = dynamic_cast<TForm*>(root);
    if (!form || !form->Active())
        return false;
    g->SetPaletteModified(false);
    return true;
}

uintptr_t TBoardImage::GetPalette() const
{
    TGraphic* g = FPicture->Graphic();
    return g ? g->Palette() : 0;
}

void TBoardImage::Paint()
{
    if (!FDesignPosSaved) {
        FDesignLeft = Left();
        FDesignTop = Top();
        FDesignPosSaved = true;
    }
    if (FCenterOnForm && !IsDesigning() && Parent())
        PlaceOnParent();
    if (!IsDesigning())
        EnterRingsInMenu();
    TCanvas& canvas = *Canvas();
    if (IsDesigning()) {
        if (FScale)
            SetHeight(int(std::nearbyint(Width() * FAspect)));
        canvas.Pen.Style = psDash;
        canvas.Pen.Color = clBlack;
        canvas.Brush.Style = bsClear;
        canvas.Rectangle(0, 0, Width(), Height());
        canvas.Pen.Style = psSolid;
        canvas.Brush.Style = bsSolid;
    }
    const bool wasDrawing = FDrawing;
    FDrawing = true;
    struct Restore {
        bool& flag;
        bool value;
        ~Restore() { flag = value; }
    } restore{FDrawing, wasDrawing};
    const TRect dest = DestRect();
    if (!IsDesigning() && PictureStillOnSurface(canvas, dest))
        return;
    canvas.StretchDraw(dest, FPicture->Graphic());
    RememberPictureOnSurface(canvas, dest);
}

namespace {
// The windowless children as they lie now, in child order.
std::vector<std::pair<const TControl*, TRect>> ChildrenOnSurface(const TWinControl& board)
{
    std::vector<std::pair<const TControl*, TRect>> children;
    for (int i = 0; i < board.ControlCount(); ++i) {
        const TControl* c = board.Controls(i);
        if (!c->IsWindowed() && c->Visible())
            children.emplace_back(c, c->BoundsRect());
    }
    return children;
}
} // namespace

bool TBoardImage::PictureStillOnSurface(const TCanvas& canvas, const TRect& dest) const
{
    // Without the opaque mark the surface is erased before every paint.
    if (!(ControlStyle() & csOpaque))
        return false;
    if (!FPictureKept || FKeptPicture.Serial != canvas.SurfaceSerial() || !(FKeptPicture.Dest == dest)
        || FKeptPicture.Graphic != FPicture->Graphic() || FKeptPicture.Ratio != canvas.PixelRatio())
        return false;
    // Children that moved, came or went left their old place uncovered; a
    // child that reads what lies beneath it needs the picture there fresh.
    if (ChildrenOnSurface(*this) != FKeptPicture.Children)
        return false;
    for (const auto& [child, bounds] : FKeptPicture.Children)
        if (!static_cast<const TGraphicControl*>(child)->CoversItself())
            return false;
    return true;
}

void TBoardImage::RememberPictureOnSurface(const TCanvas& canvas, const TRect& dest)
{
    // Only a drawing of all of the picture that shows can be kept.
    const TRect shows = IntersectRect(dest, Rect(0, 0, ClientWidth(), ClientHeight()));
    const TRect clip = canvas.ClipRect();
    const bool whole = clip.Left <= shows.Left && clip.Top <= shows.Top && clip.Right >= shows.Right
        && clip.Bottom >= shows.Bottom;
    if (!whole || !FPicture->Graphic())
        return;
    ++FPictureDrawCount;
    FKeptPicture = TPictureOnSurface{canvas.SurfaceSerial(), dest, FPicture->Graphic(), canvas.PixelRatio(),
                                     ChildrenOnSurface(*this)};
    FPictureKept = true;
}

bool TBoardImage::FitsToWindow() const
{
    return FCenterOnForm && !IsDesigning() && dynamic_cast<TForm*>(Parent()) != nullptr;
}

void TBoardImage::PlaceOnParent()
{
    TWinControl* parent = Parent();
    if (!FitsToWindow()) {
        // The parent's whole size, halved toward zero.
        const int left = (parent->Width() - Width()) / 2;
        const int top = (parent->Height() - Height()) / 2;
        if (left != Left() || top != Top())
            SetBounds(left, top, Width(), Height());
        return;
    }
    // On a window: centred on its whole size (frame and caption included) as
    // long as the whole picture then shows below the header; where it would
    // not, zoomed down with its rings until it does.
    const TRect natural = BoundsAtZoom(1.0);
    const TBoardFit fit = FitBoard(natural.Width(), natural.Height(), parent->Width(), parent->Height(), parent->FreeClientRect());
    SetZoom(fit.Zoom);
    if (fit.Bounds.Left != Left() || fit.Bounds.Top != Top())
        SetBounds(fit.Bounds.Left, fit.Bounds.Top, Width(), Height());
}

void TBoardImage::ParentRealigned()
{
    // The window changed size or its header came. Where the board still
    // shows whole at its zoom it moves at its next paint, as ever; otherwise
    // (part of it may lie where no paint comes) it is placed at once.
    if (!FitsToWindow() || !FDesignPosSaved)
        return;
    const TRect room = Parent()->FreeClientRect();
    const TRect b = BoundsRect();
    const bool whole = b.Left >= room.Left && b.Top >= room.Top && b.Right <= room.Right && b.Bottom <= room.Bottom;
    const TRect natural = BoundsAtZoom(1.0);
    const TBoardFit fit = FitBoard(natural.Width(), natural.Height(), Parent()->Width(), Parent()->Height(), room);
    if (!whole || fit.Zoom != Zoom())
        PlaceOnParent();
    Invalidate();
}

void TBoardImage::EnterRingsInMenu()
{
    // Every ring shown on the board has its menu entry once the board has
    // painted, in child order as their own first paints would make them,
    // also a ring that lies where no paint reaches.
    std::vector<TGuard<TBoardHighlight>> rings;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Visible() && std::strcmp(c->ClassName(), "TBoardHighlight") == 0)
            rings.emplace_back(static_cast<TBoardHighlight*>(c));
    }
    for (const TGuard<TBoardHighlight>& g : rings)
        if (TBoardHighlight* ring = g.Get(); ring && !ring->Prepared() && ring->Parent() == this)
            ring->JoinMenu();
}

void TBoardImage::WndProc(TMessage& message)
{
    if (message.Msg != WM_SETUP_START) {
        TCustomPanel::WndProc(message);
        return;
    }
    if (!FFirst)
        return;
    // The very reactions that pointer tracking and a click trigger, in order:
    // the first ring's group lights, its popup opens and is pinned, and stays.
    TGuard<TBoardHighlight> first(FFirst);
    FFirst->Perform(CM_MOUSEENTER, message.WParam, message.LParam);
    if (TBoardHighlight* h = first.Get())
        h->Click();
    if (TBoardHighlight* h = first.Get())
        h->Perform(CM_MOUSELEAVE, message.WParam, message.LParam);
}
