#include "toolkit/WidgetAdapter.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include "toolkit/Application.h"
#include "toolkit/WinControl.h"

TkWidgetAdapter::TkWidgetAdapter(TWinControl* control, QWidget* widget, bool routeButtons)
    : QObject(widget), FControl(control), FRouteButtons(routeButtons)
{
    widget->installEventFilter(this);
}

namespace {
TMouseButton ButtonOf(Qt::MouseButton b)
{
    return b == Qt::RightButton ? mbRight : b == Qt::MiddleButton ? mbMiddle : mbLeft;
}
TPoint PointOf(const QMouseEvent* e)
{
    QPoint p = e->position().toPoint();
    return TPoint{p.x(), p.y()};
}
} // namespace

bool TkWidgetAdapter::eventFilter(QObject*, QEvent* event)
{
    TWinControl* c = FControl;
    switch (event->type()) {
    case QEvent::MouseMove:
        Application->Guard(c, [&] { c->PointerMovedTo(PointOf(static_cast<QMouseEvent*>(event))); });
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        if (FRouteButtons) {
            auto* e = static_cast<QMouseEvent*>(event);
            bool press = event->type() != QEvent::MouseButtonRelease;
            bool dbl = event->type() == QEvent::MouseButtonDblClick;
            Application->Guard(c, [&] { c->PointerButton(press, ButtonOf(e->button()), PointOf(e), dbl); });
            return true;
        }
        break;
    case QEvent::Resize:
        Application->Guard(c, [&] { c->ClientSizeChanged(); });
        break;
    default:
        break;
    }
    return false;
}
