#include "toolkit/X11FrameRefresh.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMoveEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {
class TkFrameExtentsFilter : public QAbstractNativeEventFilter {
public:
    explicit TkFrameExtentsFilter(xcb_atom_t extents) : FExtents(extents) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        auto* ev = static_cast<xcb_generic_event_t*>(message);
        if ((ev->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        auto* e = reinterpret_cast<xcb_property_notify_event_t*>(ev);
        if (e->atom != FExtents)
            return false;
        for (QWindow* w : QGuiApplication::topLevelWindows()) {
            if (w->winId() != e->window)
                continue;
            // After Qt has taken in the new property: a move to where the
            // window is makes it measure the frame again and tell the widget.
            QPointer<QWindow> window(w);
            QTimer::singleShot(0, [window] {
                if (!window || !window->isVisible())
                    return;
                QMoveEvent move(window->position(), window->position());
                QCoreApplication::sendEvent(window, &move);
            });
            break;
        }
        return false;
    }

private:
    xcb_atom_t FExtents;
};
} // namespace

void TkX11FrameRefresh::Install()
{
    if (!qApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return;
    const char* name = "_NET_FRAME_EXTENTS";
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(r);
    if (atom == XCB_ATOM_NONE)
        return;
    static TkFrameExtentsFilter filter(atom);
    qApp->installNativeEventFilter(&filter);
}
