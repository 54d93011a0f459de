#include "toolkit/SurfaceWidget.h"

#include <QPaintEvent>
#include <QPainter>

#include "toolkit/Application.h"
#include "toolkit/QtBridge.h"
#include "toolkit/WinControl.h"

TkSurfaceWidget::TkSurfaceWidget(TWinControl* control) : FControl(control)
{
    // Every pixel comes from the buffer: nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void TkSurfaceWidget::paintEvent(QPaintEvent* event)
{
    if (FBuffer.size() != size()) {
        FBuffer = QImage(size(), QImage::Format_RGB32);
        FBuffer.fill(Qt::white);
    }
    const QRect r = event->rect();
    const QRect before = geometry();
    Application->Guard(FControl, [&] { FControl->PaintSurface(FBuffer, FromQRect(r)); }, true);
    if (geometry() != before) {
        // The control moved itself while painting (the board image centres
        // itself then): this paint lands where it was, so paint it anew where it is.
        QMetaObject::invokeMethod(this, [this] { update(); }, Qt::QueuedConnection);
    }
    QPainter p(this);
    p.drawImage(r, FBuffer, r);
    if (!FPainted) {
        FPainted = true;
        Application->SurfacePainted(FControl);
    }
}
