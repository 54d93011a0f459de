#include "WindowManager.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <cstring>
#include <xcb/xcb.h>

#include "common/Wait.h"

namespace {
xcb_connection_t* Connection()
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    auto* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(r);
    return a;
}

bool ReadExtents(xcb_connection_t* c, xcb_window_t w, QMargins* out)
{
    auto* r = xcb_get_property_reply(c, xcb_get_property(c, 0, w, Atom(c, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 0, 4), nullptr);
    bool ok = r && xcb_get_property_value_length(r) >= 16;
    if (ok && out) {
        const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(r));
        *out = QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
    }
    free(r);
    return ok;
}
} // namespace

namespace desktop_test {

bool WindowManagerBarrier(int timeoutMs)
{
    xcb_connection_t* c = Connection();
    if (!c)
        return false;
    static QWidget* probe = new QWidget(nullptr, Qt::Tool);
    const auto id = xcb_window_t(probe->winId());
    const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
    xcb_delete_property(c, id, extents);
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_client_message_event_t ev;
    std::memset(&ev, 0, sizeof ev);
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = id;
    ev.type = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&ev));
    xcb_flush(c);
    bool answered = WaitFor([&] { return ReadExtents(c, id, nullptr); }, timeoutMs);
    DrainEvents(50);
    return answered;
}

QMargins FrameExtents(const QWidget* topLevel)
{
    QMargins m;
    if (xcb_connection_t* c = Connection())
        ReadExtents(c, xcb_window_t(topLevel->winId()), &m);
    return m;
}

} // namespace desktop_test
