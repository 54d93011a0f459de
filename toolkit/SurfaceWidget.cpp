#include "toolkit/SurfaceWidget.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>

#include "toolkit/Application.h"
#include "toolkit/QtBridge.h"
#include "toolkit/WinControl.h"

TkSurfaceWidget::TkSurfaceWidget(TWinControl* control, bool retained) : FRetained(retained), FControl(control)
{
    // Every pixel comes from the buffer: nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void TkSurfaceWidget::MarkDirty(const QRect& r)
{
    FDirty += r.intersected(rect());
}

void TkSurfaceWidget::MarkControlDirty(TControl* child)
{
    for (const TGuard<TControl>& g : FDirtyControls)
        if (g.Get() == child)
            return;
    FDirtyControls.emplace_back(child);
}

void TkSurfaceWidget::changeEvent(QEvent* event)
{
    // Colours, fonts and the enabled look are read while composing.
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::EnabledChange:
        MarkDirty(rect());
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

bool TkSurfaceWidget::EnsureBuffer()
{
    // The buffer holds device pixels: on a dense screen every control paints
    // at the screen's own resolution instead of being enlarged afterwards.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    if (FBuffer.size() == pixels && FBuffer.devicePixelRatio() == ratio)
        return false;
    FBuffer = QImage(pixels, QImage::Format_RGB32);
    FBuffer.setDevicePixelRatio(ratio);
    FBuffer.fill(Qt::white);
    return true;
}

bool TkSurfaceWidget::ComposeIntoBackingStore(QPaintEvent* event)
{
    QPainter probe(this);
    QPaintEngine* engine = probe.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    const QTransform toDevice = probe.deviceTransform();
    probe.end();
    if (!device || device->devType() != QInternal::Image || toDevice.type() > QTransform::TxTranslate)
        return false;
    QImage* store = static_cast<QImage*>(device);
    const QPoint origin = toDevice.map(QPoint(0, 0));
    // Opaque pixels (every pixel a composition sets is opaque) read the same
    // in both formats.
    const bool plain = store->format() == QImage::Format_RGB32 || store->format() == QImage::Format_ARGB32_Premultiplied;
    if (!plain || store->devicePixelRatio() != 1.0 || !store->rect().contains(QRect(origin, size())))
        return false;
    // This widget's place in the backing store, as an image of its own (no copy).
    QImage place(store->bits() + origin.y() * store->bytesPerLine() + origin.x() * 4, width(), height(),
                 store->bytesPerLine(), store->format());
    FBuffer = QImage();
    FDirtyControls.clear();
    FDirty = QRegion();
    // Only the region Qt asks for: opaque child widgets are already left out
    // of it, and what lies beneath them must stay as they painted it.
    for (const QRect& r : event->region())
        Application->Guard(FControl, [&] { FControl->PaintSurface(place, FromQRect(r)); }, true);
    ++FCompositions;
    return true;
}

void TkSurfaceWidget::paintEvent(QPaintEvent* event)
{
    if (!FRetained) {
        const QRect before = geometry();
        if (ComposeIntoBackingStore(event)) {
            if (geometry() != before)
                QMetaObject::invokeMethod(this, [this] { update(); }, Qt::QueuedConnection);
            Composed();
            return;
        }
    }
    if (EnsureBuffer()) {
        FDirty = QRegion(rect());
        FDirtyControls.clear();
    }
    const QRect shown = event->rect();
    const QRect before = geometry();

    // Whatever is stale where Qt asks for pixels is composed again, in one
    // pass over its bounding rectangle; the rest of the buffer stays.
    const QRect stale = (FDirty & shown).boundingRect();
    const std::vector<TGuard<TControl>> looks = std::move(FDirtyControls);
    FDirtyControls.clear();
    bool composed = false;
    if (!stale.isEmpty()) {
        FDirty -= stale;
        composed = true;
        Application->Guard(FControl, [&] { FControl->PaintSurface(FBuffer, FromQRect(stale)); }, true);
    }
    for (const TGuard<TControl>& g : looks) {
        TControl* child = g.Get();
        if (!child || child->Parent() != FControl || !child->Visible())
            continue;
        const QRect area = ToQRect(child->BoundsRect()).intersected(rect());
        if (stale.contains(area))
            continue;  // composed above already
        if (!shown.contains(area)) {
            // Not asked for now: composed whole when it is.
            MarkDirty(area);
            continue;
        }
        composed = true;
        Application->Guard(FControl, [&] { FControl->PaintControlLook(FBuffer, child); }, true);
    }
    if (composed)
        ++FCompositions;
    else
        ++FPlainShows;

    if (geometry() != before) {
        // The control moved itself while painting (the board image centres
        // itself then): the buffer is right, but this paint showed it where
        // the control was; show it again where it is (nothing is composed).
        QMetaObject::invokeMethod(this, [this] { update(); }, Qt::QueuedConnection);
    }
    QPainter p(this);
    if (FBuffer.devicePixelRatio() == 1.0) {
        p.drawImage(shown, FBuffer, shown);
    } else {
        // Whole device pixels, unfiltered: the buffer's grid is the screen's.
        p.setClipRect(shown);
        p.drawImage(QPointF(0, 0), FBuffer);
    }
    Composed();
}

void TkSurfaceWidget::Composed()
{
    if (!FPainted) {
        FPainted = true;
        Application->SurfacePainted(FControl);
    }
}
