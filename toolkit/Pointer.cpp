#include "toolkit/Pointer.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"
#include "toolkit/WinControl.h"
#include "toolkit/X11Frames.h"

namespace {
TkPointer* gPointer = nullptr;

// The form a control lies in, or null for a control without a form.
TForm* RootForm(TControl* control)
{
    while (control && control->Parent())
        control = control->Parent();
    return dynamic_cast<TForm*>(control);
}
} // namespace

TkPointer::TkPointer() : QObject(qApp) {}

void TkPointer::Install()
{
    if (gPointer || !qApp)
        return;
    gPointer = new TkPointer();
    QObject::connect(gPointer, &QObject::destroyed, [] { gPointer = nullptr; });
    qApp->installEventFilter(gPointer);
}

TkPointer* TkPointer::Instance() { return gPointer; }

void TkPointer::Register(QWidget* widget, TWinControl* control)
{
    if (gPointer && widget)
        gPointer->FControls.insert(widget, control);
}

void TkPointer::Unregister(QWidget* widget)
{
    if (gPointer && widget)
        gPointer->FControls.remove(widget);
}

TControl* TkPointer::Hovered()
{
    return gPointer ? gPointer->FHovered.Get() : nullptr;
}

bool TkPointer::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::Enter && type != QEvent::Leave && type != QEvent::MouseMove) || !watched->isWindowType())
        return false;
    auto* window = static_cast<QWindow*>(watched);
    Application->Guard(Application, [&] {
        if (type == QEvent::Leave) {
            PointerLeftWindow(window);
        } else if (type == QEvent::Enter) {
            auto* e = static_cast<QEnterEvent*>(event);
            PointerAt(window, e->position(), e->globalPosition());
        } else {
            auto* e = static_cast<QMouseEvent*>(event);
            PointerAt(window, e->position(), e->globalPosition());
        }
    });
    return false;
}

TForm* TkPointer::FormOf(QWindow* window) const
{
    if (!window || !Screen)
        return nullptr;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TForm* f = Screen->Forms(i);
        if (f->Handle()->windowHandle() == window)
            return f;
    }
    return nullptr;
}

TControl* TkPointer::ControlAt(TForm* form, QPointF local, QPointF global) const
{
    if (!form || !form->Visible())
        return nullptr;
    QWidget* top = form->Handle();
    const QPoint at = local.toPoint();
    if (!top->rect().contains(at))
        return nullptr;
    QWidget* w = top->childAt(at);
    if (!w)
        w = top;
    // Inner widgets of a standard control (a memo's viewport, its scroll
    // bars) stand for the control itself.
    while (w && !FControls.contains(w))
        w = w->isWindow() ? nullptr : w->parentWidget();
    TWinControl* control = w ? FControls.value(w) : nullptr;
    if (!control || !control->Visible())
        return nullptr;
    const TPoint inside = control->ScreenToClient(TPoint{int(global.x()), int(global.y())});
    if (TControl* child = control->ControlAtPos(inside))
        return child;
    return control;
}

void TkPointer::PointerAt(QWindow* window, QPointF local, QPointF global)
{
    TForm* form = FormOf(window);
    // Any report from elsewhere means the pointer is off the frame it was on.
    if (FOnFrame.Get() && FOnFrame.Get() != form)
        LeaveFrame(form);
    else if (FOnFrame.Get())
        FOnFrame = TGuard<TForm>();
    // Asked again: the frame's leave may have closed or destroyed forms.
    MoveTo(ControlAt(FormOf(window), local, global), window, local, global);
}

void TkPointer::PointerLeftWindow(QWindow* window)
{
    TGuard<TForm> form(FormOf(window));
    TControl* hovered = FHovered.Get();
    // A late leave of a window the pointer is no longer over changes nothing.
    if (hovered && RootForm(hovered) != form.Get())
        return;
    MoveTo(nullptr, nullptr, {}, {});
    TForm* f = form.Get();
    if (!f || !f->Visible())
        return;
    // Left for its own frame or caption bar: still over the window, and the
    // window manager does not tell the window when the frame is left.
    QWidget* top = f->Handle();
    const QPoint p = QCursor::pos();
    if (top->frameGeometry().contains(p) && !top->geometry().contains(p)) {
        FOnFrame = form;
        TkX11Frames::WatchFrame(top);
    }
}

void TkPointer::FrameLeft(QWidget* topLevel)
{
    TForm* f = FOnFrame.Get();
    if (f && f->Handle() == topLevel)
        LeaveFrame(nullptr);
}

void TkPointer::LeaveFrame(TForm* except)
{
    TForm* f = FOnFrame.Get();
    FOnFrame = TGuard<TForm>();
    if (f && f != except && f->Visible())
        f->Perform(CM_MOUSELEAVE, 0, 0);
}

void TkPointer::MoveTo(TControl* target, QWindow* window, QPointF local, QPointF global)
{
    if (target == FHovered.Get())
        return;
    QPointer<QWindow> win(window);
    TGuard<TControl> old = FHovered;
    FHovered = TGuard<TControl>(target);
    const unsigned mark = ++FChanges;
    if (TControl* o = old.Get())
        o->Perform(CM_MOUSELEAVE, 0, 0);
    if (FChanges != mark)
        return;
    // The leave may have closed windows, destroyed or reordered controls:
    // the pointer belongs to what lies under it now.
    TControl* now = target ? ControlAt(FormOf(win.data()), local, global) : nullptr;
    FHovered = TGuard<TControl>(now);
    if (now)
        now->Perform(CM_MOUSEENTER, 0, 0);
}
