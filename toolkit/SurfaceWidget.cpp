#include "toolkit/SurfaceWidget.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

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
    // The buffer holds device pixels: on a dense screen every control paints
    // at the screen's own resolution instead of being enlarged afterwards.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    if (FBuffer.size() != pixels || FBuffer.devicePixelRatio() != ratio) {
        FBuffer = QImage(pixels, QImage::Format_RGB32);
        FBuffer.setDevicePixelRatio(ratio);
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
    if (ratio == 1.0) {
        p.drawImage(r, FBuffer, r);
    } else {
        // Whole device pixels, unfiltered: the buffer's grid is the screen's.
        p.setClipRect(r);
        p.drawImage(QPointF(0, 0), FBuffer);
    }
    if (!FPainted) {
        FPainted = true;
        Application->SurfacePainted(FControl);
    }
}
