#pragma once
// The widget of a control that paints itself (panels, forms). It composes the
// control and its windowless children into a buffer of its own, so a
// windowless child can read what lies beneath it, and it keeps what it
// composed: a paint composes only what was marked stale since (MarkDirty: the
// control's content in an area; MarkControlDirty: only the look of a child
// that covers itself) and otherwise just hands the buffer to Qt's backing
// store. An exposure therefore costs one copy, a ring changing its look one
// ring-sized composition and one ring-sized copy.
//
// A surface made without retention (a form's client area: a fill and a few
// labels, cheap to compose, as large as the window) keeps no buffer where
// Qt's backing store is a plain 32-bit image (RGB32, or premultiplied ARGB32): it composes straight into the
// backing store at its place, so its pixels are never copied on their way to
// the screen and the window's size is not held twice. Elsewhere it falls back
// to a buffer of its own.
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <vector>

#include "toolkit/Component.h"

class TWinControl;
class TControl;

class TkSurfaceWidget : public QWidget {
public:
    explicit TkSurfaceWidget(TWinControl* control, bool retained = true);
    bool Painted() const { return FPainted; }
    TWinControl* Control() const { return FControl; }

    // The control's content in r (widget coordinates) must be composed again.
    void MarkDirty(const QRect& r);
    // Only this windowless child's look changed; it covers its whole rectangle
    // and reads nothing beneath, so nothing beneath it is composed again.
    void MarkControlDirty(TControl* child);

    // How many paints composed something, and how many only showed the buffer.
    int Compositions() const { return FCompositions; }
    int PlainShows() const { return FPlainShows; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // True when the buffer was (re)made, which makes all of it stale.
    bool EnsureBuffer();
    // Composes the paint's region straight into Qt's backing store; false
    // (nothing done) where the backing store is no plain 32-bit image.
    bool ComposeIntoBackingStore(QPaintEvent* event);
    void Composed();

    bool FRetained;

    TWinControl* FControl;
    QImage FBuffer;
    QRegion FDirty;
    std::vector<TGuard<TControl>> FDirtyControls;
    bool FPainted = false;
    int FCompositions = 0;
    int FPlainShows = 0;
};
