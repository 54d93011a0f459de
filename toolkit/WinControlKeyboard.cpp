// The keyboard side of controls: tab stops, the keyboard cursor a windowed
// control keeps over its windowless children, the focus mark drawn around the
// child it rests on, and focus handed back once the current input is done.
#include <QTimer>
#include <QWidget>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/Form.h"
#include "toolkit/WinControl.h"

namespace {
// The mark lies this far outside the child, two lines wide (dark outside a
// light one), so that it reads on any picture and leaves the child's own
// pixels as they are.
constexpr int FocusMarkGap = 2;

bool IsCursorStop(const TControl* c)
{
    return c && !c->IsWindowed() && c->TabStop() && c->Visible() && c->Enabled();
}

// The widget that takes the keys of a control's cursor has the focus.
bool HostHasFocus(const TWinControl* control)
{
    return control->ClientHost() && control->ClientHost()->hasFocus();
}

TForm* FormOf(TControl* control)
{
    TControl* root = control;
    while (root->Parent())
        root = root->Parent();
    return dynamic_cast<TForm*>(root);
}
} // namespace

void TControl::SetTabStop(bool value)
{
    if (value == FTabStop)
        return;
    FTabStop = value;
    if (FParent && !IsWindowed())
        FParent->ApplyFocusPolicy();
}

bool TControl::KeyDown(int, TShiftState)
{
    return false;
}

bool TControl::KeyboardFocused() const
{
    return FParent && !IsWindowed() && FParent->FocusedChild() == this && FParent->FocusedChildShown() && HostHasFocus(FParent);
}

TRect TControl::FocusMarkRect() const
{
    const TRect r = BoundsRect();
    return Rect(r.Left - FocusMarkGap, r.Top - FocusMarkGap, r.Right + FocusMarkGap, r.Bottom + FocusMarkGap);
}

void TWinControl::SetTabStop(bool value)
{
    TControl::SetTabStop(value);
    ApplyFocusPolicy();
}

bool TWinControl::HasFocusableChildren() const
{
    for (TControl* c : FControls)
        if (!c->IsWindowed() && c->TabStop())
            return true;
    return false;
}

void TWinControl::ApplyFocusPolicy()
{
    // A control whose windowless children are tab stops is one itself: Tab
    // reaches it and its cursor takes over.
    if (QWidget* w = ClientHost())
        w->setFocusPolicy(TabStop() || HasFocusableChildren() ? Qt::StrongFocus : Qt::ClickFocus);
}

void TWinControl::SetFocusedChild(TControl* child, bool shown)
{
    if (child && child->Parent() != this)
        return;
    const bool changed = child != FFocusedChild.Get() || shown != FocusedChildShown();
    if (!changed)
        return;
    InvalidateFocusMark();
    FFocusedChild = TGuard<TControl>(child);
    FFocusedChildShown = shown && child;
    InvalidateFocusMark();
    if (child && FFocusedChildShown && HostHasFocus(this))
        child->AccessibleChanged(acFocus);
}

void TWinControl::InvalidateFocusMark()
{
    if (TControl* c = FFocusedChild.Get(); c && c->Visible())
        InvalidateArea(c->FocusMarkRect());
}

bool TWinControl::OtherTabTargetExists() const
{
    QWidget* self = ClientHost();
    if (!self)
        return false;
    QWidget* window = self->window();
    for (QWidget* w = self->nextInFocusChain(); w && w != self; w = w->nextInFocusChain())
        if (w->window() == window && w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            return true;
    return false;
}

bool TWinControl::MoveChildFocus(bool forward, bool leaveAtEnds)
{
    std::vector<TControl*> stops;
    for (TControl* c : FControls)
        if (IsCursorStop(c))
            stops.push_back(c);
    if (stops.empty())
        return false;
    int index = -1;
    for (size_t i = 0; i < stops.size(); ++i)
        if (stops[i] == FFocusedChild.Get())
            index = int(i);
    if (!FocusedChildShown() || index < 0) {
        // The first key shows the cursor where the keyboard expects it.
        SetFocusedChild(index >= 0 ? stops[size_t(index)] : (forward ? stops.front() : stops.back()), true);
        return true;
    }
    int next = forward ? index + 1 : index - 1;
    if (next < 0 || next >= int(stops.size())) {
        if (leaveAtEnds && OtherTabTargetExists())
            return false;
        next = forward ? 0 : int(stops.size()) - 1;
    }
    SetFocusedChild(stops[size_t(next)], true);
    return true;
}

bool TWinControl::KeyPressed(int key, TShiftState shift)
{
    TGuard<TWinControl> self(this);
    // A key that a focused child widget left unused comes here too: the
    // cursor only answers keys meant for this control itself.
    const bool own = HostHasFocus(this);
    if (TControl* child = FFocusedChild.Get(); own && child && FocusedChildShown() && IsCursorStop(child)) {
        if (child->KeyDown(key, shift))
            return true;
        if (!self.Alive())
            return true;
    }
    if (own && !(shift & (ssAlt | ssCtrl))) {
        if (key == VK_TAB)
            return MoveChildFocus(!(shift & ssShift), true);
        if (key == VK_RIGHT || key == VK_DOWN || key == VK_LEFT || key == VK_UP)
            if (MoveChildFocus(key == VK_RIGHT || key == VK_DOWN, false))
                return true;
    }
    return KeyDown(key, shift);
}

void TWinControl::FocusEntered(bool byTab, bool backwards, bool byPointer)
{
    if (byTab && HasFocusableChildren()) {
        // Arriving by Tab puts the cursor on the first stop, by Shift+Tab on the last.
        FFocusedChildShown = false;
        MoveChildFocus(!backwards, false);
        return;
    }
    if (byPointer)
        SetFocusedChild(FFocusedChild.Get(), false);
    InvalidateFocusMark();
    if (TControl* c = FFocusedChild.Get(); c && FocusedChildShown())
        c->AccessibleChanged(acFocus);
}

void TWinControl::FocusLeft()
{
    InvalidateFocusMark();
}

void TWinControl::PaintFocusMark(TCanvas& canvas, const TRect& clip)
{
    TControl* c = FFocusedChild.Get();
    if (!c || !c->KeyboardFocused())
        return;
    const TRect r = c->FocusMarkRect();
    if (IntersectRect(r, clip).IsEmpty())
        return;
    canvas.Brush.Style = bsClear;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = clBlack;
    canvas.Rectangle(r);
    canvas.Pen.Color = clWhite;
    canvas.Rectangle(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
    canvas.Brush.Style = bsSolid;
}

void TWinControl::FocusWhenIdle()
{
    TGuard<TWinControl> self(this);
    TGuard<TForm> form(FormOf(this));
    QTimer::singleShot(0, [self, form] {
        TWinControl* c = self.Get();
        if (!c || !c->Visible())
            return;
        TForm* active = Application->ActiveForm();
        if (active && active != form.Get() && active->Visible())
            return;
        Application->Guard(c, [c] { c->SetFocus(); });
    });
}
