#include "toolkit/Control.h"

#include <cmath>

#include "toolkit/Accessible.h"
#include "toolkit/WinControl.h"

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {}

TControl::~TControl()
{
    TkAccessible::ControlDestroyed(this);
    if (FParent)
        FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == FParent)
        return;
    if (parent == this)
        return;
    if (FParent)
        FParent->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
    if (FParentFont && FParent)
        ParentFontChanged(FParent->Font());
    // Where it is now is where it was placed in its new parent.
    RecordZoomOrigin(true, true);
    RecordAnchorOrigin();
    if (FParent && FAlign != alNone)
        FParent->Realign();
    Invalidate();
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    // Only what changes is taken as given: re-placing a zoomed control at its
    // own size keeps the size it was given, so zooming back restores it
    // without rounding drift.
    const bool position = left != FLeft || top != FTop;
    const bool size = std::max(0, width) != FWidth || std::max(0, height) != FHeight;
    ApplyBounds(left, top, width, height);
    RecordZoomOrigin(position, size);
    RecordAnchorOrigin();
}

void TControl::RecordZoomOrigin(bool position, bool size)
{
    if (position) {
        FZoomOrigin = Bounds(FLeft, FTop, FZoomOrigin.Width(), FZoomOrigin.Height());
        FZoomOriginPosition = FParent ? FParent->TotalZoom() : 1.0;
    }
    if (size) {
        FZoomOrigin = Bounds(FZoomOrigin.Left, FZoomOrigin.Top, FWidth, FHeight);
        FZoomOriginSize = TotalZoom();
    }
}

double TControl::TotalZoom() const
{
    return FParent ? FParent->TotalZoom() * FZoom : FZoom;
}

namespace {
int Zoomed(int value, double to, double from)
{
    return to == from ? value : int(std::lround(value * to / from));
}
} // namespace

TRect TControl::BoundsAtZoom(double zoom) const
{
    const double total = (FParent ? FParent->TotalZoom() : 1.0) * zoom;
    return Bounds(FLeft, FTop, Zoomed(FZoomOrigin.Width(), total, FZoomOriginSize),
                  Zoomed(FZoomOrigin.Height(), total, FZoomOriginSize));
}

void TControl::SetZoom(double value)
{
    if (!(value > 0.0) || value == FZoom)
        return;
    FZoom = value;
    const TRect r = BoundsAtZoom(value);
    ApplyBounds(FLeft, FTop, r.Width(), r.Height());
    RecordAnchorOrigin();
    if (IsWindowed()) {
        auto* self = static_cast<TWinControl*>(this);
        for (int i = 0; i < self->ControlCount(); ++i)
            self->Controls(i)->FollowZoom();
    }
}

void TControl::FollowZoom()
{
    const double position = FParent ? FParent->TotalZoom() : 1.0;
    const double size = TotalZoom();
    ApplyBounds(Zoomed(FZoomOrigin.Left, position, FZoomOriginPosition), Zoomed(FZoomOrigin.Top, position, FZoomOriginPosition),
                Zoomed(FZoomOrigin.Width(), size, FZoomOriginSize), Zoomed(FZoomOrigin.Height(), size, FZoomOriginSize));
    RecordAnchorOrigin();
    if (IsWindowed()) {
        auto* self = static_cast<TWinControl*>(this);
        for (int i = 0; i < self->ControlCount(); ++i)
            self->Controls(i)->FollowZoom();
    }
}

void TControl::PlaceBy(int left, int top, int width, int height)
{
    ApplyBounds(left, top, width, height);
}

void TControl::ApplyBounds(int left, int top, int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    TRect old = BoundsRect();
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    BoundsChanged(old);
    if (FParent && FAlign != alNone)
        FParent->Realign();
}

void TControl::BoundsChanged(const TRect& oldBounds)
{
    if (FParent && FVisible) {
        FParent->InvalidateArea(oldBounds);
        FParent->InvalidateArea(BoundsRect());
    }
}

void TControl::RecordAnchorOrigin()
{
    FAnchorOrigin = BoundsRect();
    if (FParent) {
        FAnchorParentWidth = FParent->ClientWidth();
        FAnchorParentHeight = FParent->ClientHeight();
    } else {
        FAnchorParentWidth = FAnchorParentHeight = -1;
    }
}

namespace {
// Rounds half away from zero, as a multiply-then-divide of integers does.
int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return a;
    return int(std::lround(double(a) * b / c));
}

// One axis of anchoring: both edges stretch, one edge keeps its distance, neither
// keeps the centre at the same fraction of the parent's extent.
void AnchorAxis(bool nearEdge, bool farEdge, int originPos, int originSize, int originParent, int parent, int& pos, int& size)
{
    size = originSize;
    if (nearEdge && farEdge) {
        pos = originPos;
        size = originSize + (parent - originParent);
    } else if (nearEdge) {
        pos = originPos;
    } else if (farEdge) {
        pos = originPos + (parent - originParent);
    } else {
        pos = MulDiv(originPos + originSize / 2, parent, originParent) - originSize / 2;
    }
}
} // namespace

void TControl::ApplyAnchors(int parentWidth, int parentHeight)
{
    if (FAlign != alNone || FAnchorParentWidth < 0)
        return;
    int left, width, top, height;
    AnchorAxis(FAnchors & akLeft, FAnchors & akRight, FAnchorOrigin.Left, FAnchorOrigin.Width(), FAnchorParentWidth, parentWidth, left, width);
    AnchorAxis(FAnchors & akTop, FAnchors & akBottom, FAnchorOrigin.Top, FAnchorOrigin.Height(), FAnchorParentHeight, parentHeight, top, height);
    ApplyBounds(left, top, width, height);
}

void TControl::SetVisible(bool value)
{
    if (value == FVisible)
        return;
    FVisible = value;
    VisibleChanged();
    if (FParent) {
        FParent->InvalidateArea(BoundsRect());
        if (FAlign != alNone)
            FParent->Realign();
    }
}

void TControl::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    Invalidate();
}

void TControl::SetAlign(TAlign value)
{
    if (value == FAlign)
        return;
    FAlign = value;
    if (FParent)
        FParent->Realign();
    RecordAnchorOrigin();
}

void TControl::SetAnchors(TAnchors value)
{
    FAnchors = value;
    RecordAnchorOrigin();
}

void TControl::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    Invalidate();
}

void TControl::SetCaption(const std::string& value)
{
    if (value == FCaption)
        return;
    FCaption = value;
    CaptionChanged();
    Invalidate();
}

void TControl::SetFont(const TFont& font)
{
    FParentFont = false;
    if (font == FFont)
        return;
    FFont = font;
    FontChanged();
    Invalidate();
}

void TControl::SetParentFont(bool value)
{
    FParentFont = value;
    if (value && FParent)
        ParentFontChanged(FParent->Font());
}

void TControl::ParentFontChanged(const TFont& font)
{
    if (!FParentFont || font == FFont)
        return;
    FFont = font;
    FontChanged();
    Invalidate();
}

void TControl::Invalidate()
{
    if (FParent && FVisible)
        FParent->InvalidateControl(this);
}

void TControl::Update()
{
    if (FParent)
        FParent->UpdateArea(BoundsRect());
}

void TControl::BringToFront()
{
    if (FParent)
        FParent->MoveToFront(this);
}

intptr_t TControl::Perform(unsigned msg, intptr_t wparam, intptr_t lparam)
{
    TMessage m{msg, wparam, lparam, 0};
    WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& message)
{
    // The pointer leaving or entering a control is news for its parent too.
    if ((message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) && FParent)
        FParent->Perform(message.Msg, 0, reinterpret_cast<intptr_t>(this));
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, int x, int y, bool doubleClick)
{
    TGuard<TControl> self(this);
    if (button == mbLeft)
        FPressed = !doubleClick;
    if (doubleClick && button == mbLeft)
        DblClick();
    if (self.Alive() && OnMouseDown)
        OnMouseDown(this, button, x, y);
}

void TControl::MouseUp(TMouseButton button, int x, int y)
{
    TGuard<TControl> self(this);
    bool click = button == mbLeft && FPressed && PtInRect(ClientRect(), TPoint{x, y});
    if (button == mbLeft)
        FPressed = false;
    if (OnMouseUp)
        OnMouseUp(this, button, x, y);
    if (click && self.Alive())
        Click();
}

void TControl::MouseMove(int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, x, y);
}

TPoint TControl::ClientOrigin() const
{
    if (!FParent)
        return TPoint{FLeft, FTop};
    TPoint p = FParent->ClientOrigin();
    return TPoint{p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    TPoint o = ClientOrigin();
    return TPoint{p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    TPoint o = ClientOrigin();
    return TPoint{p.X - o.X, p.Y - o.Y};
}
