#include "toolkit/WinControl.h"

#include <QImage>
#include <QWidget>
#include <algorithm>

#include "toolkit/Canvas.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/KeyboardAdapter.h"
#include "toolkit/Pointer.h"
#include "toolkit/QtBridge.h"
#include "toolkit/SurfaceWidget.h"
#include "toolkit/WidgetAdapter.h"

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), FSurfaceCanvas(std::make_unique<TCanvas>()) {}

TWinControl::~TWinControl()
{
    // The controls it parents go first, so no widget outlives its host.
    while (!FControls.empty()) {
        TControl* c = FControls.back();
        RemoveControl(c);
        delete c;
    }
    TkPointer::Unregister(FWidget);
    TkPointer::Unregister(FEventWidget);
    delete FWidget;
    FWidget = nullptr;
}

void TWinControl::SetWidget(QWidget* widget, QWidget* eventSource, bool routeButtons)
{
    FWidget = widget;
    FEventWidget = eventSource;
    TkPointer::Register(widget, this);
    if (eventSource) {
        TkPointer::Register(eventSource, this);
        new TkWidgetAdapter(this, eventSource, routeButtons);
    }
    new TkKeyboardAdapter(this, eventSource ? eventSource : widget);
    FWidget->setGeometry(Left(), Top(), Width(), Height());
    ApplyWidgetFont();
}

int TWinControl::IndexOfControl(const TControl* control) const
{
    auto it = std::find(FControls.begin(), FControls.end(), control);
    return it == FControls.end() ? -1 : int(it - FControls.begin());
}

TControl* TWinControl::ControlAtPos(TPoint p) const
{
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (!c->IsWindowed() && c->Visible() && PtInRect(c->BoundsRect(), p))
            return c;
    }
    return nullptr;
}

void TWinControl::InsertControl(TControl* control)
{
    FControls.push_back(control);
    control->FParent = this;
    if (!control->IsWindowed() && control->TabStop())
        ApplyFocusPolicy();
    if (control->IsWindowed()) {
        auto* w = static_cast<TWinControl*>(control);
        if (w->FWidget && ClientHost()) {
            w->FWidget->setParent(ClientHost());
            w->FWidget->raise();
            w->ShowWidgetIfPlaced();
        }
    }
}

void TWinControl::RemoveControl(TControl* control)
{
    auto it = std::find(FControls.begin(), FControls.end(), control);
    if (it == FControls.end())
        return;
    if (!control->IsWindowed() && control->Visible())
        InvalidateArea(control->BoundsRect());
    FControls.erase(it);
    if (FCaptureControl.Get() == control)
        FCaptureControl = TGuard<TControl>();
    if (FFocusedChild.Get() == control)
        FFocusedChild = TGuard<TControl>();
    control->FParent = nullptr;
    if (!control->IsWindowed() && control->TabStop())
        ApplyFocusPolicy();
    if (control->IsWindowed()) {
        auto* w = static_cast<TWinControl*>(control);
        if (w->FWidget) {
            w->FWidget->hide();
            w->FWidget->setParent(nullptr);
        }
    }
}

void TWinControl::MoveToFront(TControl* control)
{
    auto it = std::find(FControls.begin(), FControls.end(), control);
    if (it == FControls.end())
        return;
    FControls.erase(it);
    FControls.push_back(control);
    if (control->IsWindowed()) {
        if (QWidget* w = static_cast<TWinControl*>(control)->FWidget)
            w->raise();
    } else {
        control->Invalidate();
    }
}

void TWinControl::ShowWidgetIfPlaced()
{
    if (!FWidget || !Parent())
        return;
    FWidget->setVisible(Visible());
}

int TWinControl::ClientWidth() const { return ClientHost() ? ClientHost()->width() : Width(); }
int TWinControl::ClientHeight() const { return ClientHost() ? ClientHost()->height() : Height(); }

TPoint TWinControl::ClientOrigin() const
{
    if (!ClientHost())
        return TControl::ClientOrigin();
    QPoint p = ClientHost()->mapToGlobal(QPoint(0, 0));
    return TPoint{p.x(), p.y()};
}

void TWinControl::VisibleChanged()
{
    ShowWidgetIfPlaced();
}

void TWinControl::SetEnabled(bool value)
{
    TControl::SetEnabled(value);
    if (FWidget)
        FWidget->setEnabled(value);
}

TkSurfaceWidget* TWinControl::Surface() const
{
    return dynamic_cast<TkSurfaceWidget*>(ClientHost());
}

void TWinControl::Invalidate()
{
    if (!ClientHost())
        return;
    if (TkSurfaceWidget* surface = Surface())
        surface->MarkDirty(surface->rect());
    ClientHost()->update();
}

void TWinControl::Update()
{
    if (ClientHost() && ClientHost()->isVisible())
        ClientHost()->repaint();
}

void TWinControl::InvalidateArea(const TRect& r)
{
    if (!ClientHost() || r.IsEmpty())
        return;
    if (TkSurfaceWidget* surface = Surface())
        surface->MarkDirty(ToQRect(r));
    ClientHost()->update(ToQRect(r));
}

void TWinControl::InvalidateControl(TControl* child)
{
    TkSurfaceWidget* surface = Surface();
    if (!surface || child->IsWindowed() || !static_cast<TGraphicControl*>(child)->CoversItself()) {
        InvalidateArea(child->BoundsRect());
        return;
    }
    const TRect r = child->BoundsRect();
    if (r.IsEmpty())
        return;
    surface->MarkControlDirty(child);
    surface->update(ToQRect(r));
}

void TWinControl::UpdateArea(const TRect& r)
{
    if (ClientHost() && ClientHost()->isVisible() && !r.IsEmpty())
        ClientHost()->repaint(ToQRect(r));
}

void TWinControl::SetFocus()
{
    TControl* root = this;
    while (root->Parent())
        root = root->Parent();
    if (auto* form = dynamic_cast<TForm*>(root); form && form != this && !form->Active())
        form->SetFocus();
    if (FWidget)
        FWidget->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const
{
    return FWidget && FWidget->hasFocus();
}

void TWinControl::BoundsChanged(const TRect&)
{
    // Also before the control has a parent: the widget keeps the size that
    // the client area of its children is measured by, and takes its place
    // as soon as it is parented.
    if (FWidget)
        FWidget->setGeometry(Left(), Top(), Width(), Height());
    ClientSizeChanged();
}

void TWinControl::ClientSizeChanged()
{
    int w = ClientWidth(), h = ClientHeight();
    if (w == FLastClientWidth && h == FLastClientHeight)
        return;
    bool first = FLastClientWidth < 0;
    FLastClientWidth = w;
    FLastClientHeight = h;
    if (!first)
        ClientResized();
    else
        Realign();
}

void TWinControl::ClientResized()
{
    Realign();
}

void TWinControl::Realign()
{
    if (FRealigning)
        return;
    FRealigning = true;
    struct Reset {
        bool& f;
        ~Reset() { f = false; }
    } reset{FRealigning};
    const int w = ClientWidth(), h = ClientHeight();
    int top = 0, bottom = h;
    std::vector<TControl*> controls = FControls;
    for (TControl* c : controls)
        if (c->Visible() && c->Align() == alTop) {
            c->PlaceBy(0, top, w, c->Height());
            top += c->Height();
        }
    for (TControl* c : controls)
        if (c->Visible() && c->Align() == alBottom) {
            bottom -= c->Height();
            c->PlaceBy(0, bottom, w, c->Height());
        }
    for (TControl* c : controls) {
        if (c->Align() == alClient && c->Visible())
            c->PlaceBy(0, top, w, bottom - top);
        else if (c->Align() == alNone)
            c->ApplyAnchors(w, h);
    }
    // Each hears of it in turn; one may remove or reorder the others.
    std::vector<TGuard<TControl>> told(FControls.begin(), FControls.end());
    for (const TGuard<TControl>& g : told)
        if (TControl* c = g.Get(); c && c->Parent() == this)
            c->ParentRealigned();
}

TRect TWinControl::FreeClientRect() const
{
    int top = 0, bottom = ClientHeight();
    for (TControl* c : FControls) {
        if (!c->Visible())
            continue;
        if (c->Align() == alTop)
            top += c->Height();
        else if (c->Align() == alBottom)
            bottom -= c->Height();
    }
    return Rect(0, top, ClientWidth(), std::max(top, bottom));
}

void TWinControl::FontChanged()
{
    ApplyWidgetFont();
    for (TControl* c : FControls)
        c->ParentFontChanged(Font());
}

void TWinControl::ApplyWidgetFont()
{
    if (FWidget)
        FWidget->setFont(ToQFont(Font()));
}

void TWinControl::PaintWindow(TCanvas& canvas)
{
    canvas.Brush.Color = Color();
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(canvas.ClipRect());
}

void TWinControl::PaintSurface(QImage& surface, const TRect& clip)
{
    TCanvas& canvas = *FSurfaceCanvas;
    struct Detach {
        TCanvas& c;
        ~Detach() { c.Detach(); }
    } detach{canvas};
    canvas.Attach(&surface, 0, 0, clip);
    if (!(ControlStyle() & csOpaque)) {
        canvas.Brush.Color = Color();
        canvas.Brush.Style = bsSolid;
        canvas.FillRect(clip);
    }
    PaintWindow(canvas);
    // By index: a child's paint may not reorder the list, but stay safe if it does.
    for (size_t i = 0; i < FControls.size(); ++i) {
        TControl* c = FControls[i];
        if (c->IsWindowed() || !c->Visible())
            continue;
        TRect r = IntersectRect(c->BoundsRect(), clip);
        if (r.IsEmpty())
            continue;
        static_cast<TGraphicControl*>(c)->PaintOn(surface, r);
    }
    PaintFocusMark(canvas, clip);
}

void TWinControl::PaintControlLook(QImage& surface, TControl* child)
{
    // The child and every later sibling over it: they lie above it.
    const TRect area = child->BoundsRect();
    bool reached = false;
    for (size_t i = 0; i < FControls.size(); ++i) {
        TControl* c = FControls[i];
        reached = reached || c == child;
        if (!reached || c->IsWindowed() || !c->Visible())
            continue;
        TRect r = IntersectRect(IntersectRect(c->BoundsRect(), area), Rect(0, 0, ClientWidth(), ClientHeight()));
        if (r.IsEmpty())
            continue;
        static_cast<TGraphicControl*>(c)->PaintOn(surface, r);
    }
    // The focus mark lies over every child.
    TCanvas& canvas = *FSurfaceCanvas;
    struct Detach {
        TCanvas& c;
        ~Detach() { c.Detach(); }
    } detach{canvas};
    canvas.Attach(&surface, 0, 0, area);
    PaintFocusMark(canvas, area);
}

void TWinControl::PointerMovedTo(TPoint p)
{
    // A pressed child keeps the moves until the button is released.
    TControl* mover = FCaptureControl.Get();
    if (!mover)
        mover = ControlAtPos(p);
    if (mover && mover->Parent() == this)
        mover->MouseMove(p.X - mover->Left(), p.Y - mover->Top());
    else
        MouseMove(p.X, p.Y);
}

void TWinControl::PointerButton(bool press, TMouseButton button, TPoint p, bool doubleClick)
{
    if (press) {
        TControl* target = ControlAtPos(p);
        FCaptureControl = TGuard<TControl>(target);
        if (target)
            target->MouseDown(button, p.X - target->Left(), p.Y - target->Top(), doubleClick);
        else
            MouseDown(button, p.X, p.Y, doubleClick);
        return;
    }
    bool captured = FCaptureControl.Alive();
    TControl* target = FCaptureControl.Get();
    FCaptureControl = TGuard<TControl>();
    if (target && target->Parent() == this)
        target->MouseUp(button, p.X - target->Left(), p.Y - target->Top());
    else if (!captured)
        MouseUp(button, p.X, p.Y);
}
