#pragma once
// The one owner of the pointer. It alone decides which control the pointer is
// over and sends CM_MOUSELEAVE / CM_MOUSEENTER when that changes.
//
// How it decides: every top-level window of the program reports the window
// system's enter, move and leave events here (an application-wide filter on
// the QWindow level, before any widget sees them), in the order the window
// system produced them. For an event with a position, the control under the
// pointer is the deepest visible windowed control at that point of the window
// (its widget, found through the registry below), then that control's
// frontmost windowless child at the point. A leave of a window puts the
// pointer over nothing. When the answer differs from the hovered control, the
// old one hears CM_MOUSELEAVE first; then, since a leave handler may close
// windows, destroy controls or reorder children, the point is looked at again
// and the control found there hears CM_MOUSEENTER. Each control passes both on
// to its parent (TControl::WndProc), which is how a popup hears that the
// pointer left any control inside it.
//
// A window's frame and caption bar belong to the window manager, so leaving
// them reports nothing to the program. When a window is left for its own frame
// it is remembered as "under the pointer's frame"; the next pointer event
// anywhere else, or the window manager's own report that the frame was left
// (TkX11Frames), gives the form one more CM_MOUSELEAVE. No timer polls the
// pointer.
#include <QHash>
#include <QObject>
#include <QPointF>

#include "toolkit/Component.h"

class QWidget;
class QWindow;
class TControl;
class TForm;
class TWinControl;

class TkPointer : public QObject {
public:
    // The owner of the running application (made by TApplication::Initialize).
    static TkPointer* Instance();
    static void Install();

    // The widgets through which a windowed control is found under the pointer.
    static void Register(QWidget* widget, TWinControl* control);
    static void Unregister(QWidget* widget);

    // The control the pointer is over, or null.
    static TControl* Hovered();

    // The window manager reports that the pointer left this top-level widget's frame.
    void FrameLeft(QWidget* topLevel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TkPointer();
    TForm* FormOf(QWindow* window) const;
    TControl* ControlAt(TForm* form, QPointF local, QPointF global) const;
    void PointerAt(QWindow* window, QPointF local, QPointF global);
    void PointerLeftWindow(QWindow* window);
    void MoveTo(TControl* target, QWindow* window, QPointF local, QPointF global);
    void LeaveFrame(TForm* except);

    QHash<QWidget*, TWinControl*> FControls;
    TGuard<TControl> FHovered;
    TGuard<TForm> FOnFrame;
    // Counts changes of the hovered control, so that a nested event loop
    // (a message box in a handler) that moved the pointer on is respected.
    unsigned FChanges = 0;
};
