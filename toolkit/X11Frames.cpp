#include "toolkit/X11Frames.h"

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QMoveEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <chrono>
#include <cstring>
#include <thread>
#include <xcb/xcb.h>

#include "toolkit/Application.h"
#include "toolkit/Pointer.h"

namespace {
// How long the first question about a frame may wait for the window
// manager's answer; openbox answers within a millisecond.
constexpr int kAnswerWaitMs = 100;
// How long showing a window again may wait for its withdrawal to end.
constexpr int kWithdrawalWaitMs = 500;

xcb_connection_t* Connection()
{
    if (!qApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    xcb_atom_t atom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(r);
    return atom;
}

xcb_window_t RootOf(xcb_connection_t* c, xcb_window_t w, xcb_window_t* topAncestor = nullptr)
{
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_window_t current = w;
    for (;;) {
        xcb_query_tree_reply_t* t = xcb_query_tree_reply(c, xcb_query_tree(c, current), nullptr);
        if (!t)
            break;
        root = t->root;
        const xcb_window_t parent = t->parent;
        free(t);
        if (parent == root || parent == XCB_WINDOW_NONE)
            break;
        current = parent;
    }
    if (topAncestor)
        *topAncestor = current;
    return root;
}

// Two unmapped windows, one of each kind, that the window manager is asked about.
struct Probe {
    QWidget* widget = nullptr;
    bool asked = false;
    std::optional<QMargins> answer;
};
Probe gProbes[2];
xcb_window_t gRoot = XCB_WINDOW_NONE;

bool WindowManagerRuns(xcb_connection_t* c)
{
    xcb_atom_t check = Atom(c, "_NET_SUPPORTING_WM_CHECK");
    xcb_get_property_reply_t* r = xcb_get_property_reply(c, xcb_get_property(c, 0, gRoot, check, XCB_ATOM_WINDOW, 0, 1), nullptr);
    bool runs = r && xcb_get_property_value_length(r) >= 4;
    free(r);
    return runs;
}

xcb_atom_t ExtentsAtom(xcb_connection_t* c)
{
    static const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
    return extents;
}

bool ReadExtents(xcb_connection_t* c, xcb_window_t w, QMargins& out)
{
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, ExtentsAtom(c), XCB_ATOM_CARDINAL, 0, 4), nullptr);
    bool ok = r && xcb_get_property_value_length(r) >= 16;
    if (ok) {
        const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(r));
        out = QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
    }
    free(r);
    return ok;
}

// Hears the window manager's frames being left.
class FrameFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        auto* ev = static_cast<xcb_generic_event_t*>(message);
        if ((ev->response_type & 0x7f) == XCB_PROPERTY_NOTIFY)
            return FrameAnnounced(reinterpret_cast<xcb_property_notify_event_t*>(ev));
        if ((ev->response_type & 0x7f) != XCB_LEAVE_NOTIFY)
            return false;
        auto* e = reinterpret_cast<xcb_leave_notify_event_t*>(ev);
        // Into the window inside the frame is not leaving it.
        if (e->detail == XCB_NOTIFY_DETAIL_INFERIOR)
            return false;
        QWidget* w = Frames.value(e->event).data();
        if (w && TkPointer::Instance())
            Application->Guard(Application, [w] { TkPointer::Instance()->FrameLeft(w); });
        return false;
    }
    QHash<xcb_window_t, QPointer<QWidget>> Frames;
    xcb_atom_t Extents = XCB_ATOM_NONE;
    // The frames the window manager has announced, per window, as last read;
    // an announcement makes the next question read it again.
    QHash<xcb_window_t, QMargins> Announced;

private:
    // Qt measures a window's frame again only when the window moves: when the
    // window manager announces the frame after the last move of a window it
    // has just mapped, Qt would go on without it until the window next moved.
    bool FrameAnnounced(const xcb_property_notify_event_t* e)
    {
        if (e->atom != Extents)
            return false;
        Announced.remove(e->window);
        for (QWindow* w : QGuiApplication::topLevelWindows()) {
            if (w->winId() != e->window)
                continue;
            // Once Qt has taken in the new property: a move to where the
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
};
FrameFilter* gFilter = nullptr;
} // namespace

void TkX11Frames::Start()
{
    xcb_connection_t* c = Connection();
    if (!c || gFilter)
        return;
    gFilter = new FrameFilter;
    gFilter->Extents = ExtentsAtom(c);
    qApp->installNativeEventFilter(gFilter);
    const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    for (int tool = 0; tool < 2; ++tool) {
        Probe& p = gProbes[tool];
        p.widget = new QWidget(nullptr, tool ? Qt::Tool : Qt::Window);
        const auto id = xcb_window_t(p.widget->winId());
        if (gRoot == XCB_WINDOW_NONE)
            gRoot = RootOf(c, id);
        xcb_client_message_event_t ev;
        std::memset(&ev, 0, sizeof ev);
        ev.response_type = XCB_CLIENT_MESSAGE;
        ev.format = 32;
        ev.window = id;
        ev.type = request;
        xcb_send_event(c, 0, gRoot, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&ev));
    }
    xcb_flush(c);
}

std::optional<QMargins> TkX11Frames::Extents(bool toolWindow)
{
    xcb_connection_t* c = Connection();
    Probe& p = gProbes[toolWindow ? 1 : 0];
    if (!c || !p.widget)
        return std::nullopt;
    if (p.asked)
        return p.answer;
    p.asked = true;
    if (!WindowManagerRuns(c)) {
        // Nobody frames windows: they have no frame.
        p.answer = QMargins();
        return p.answer;
    }
    const auto id = xcb_window_t(p.widget->winId());
    QElapsedTimer waited;
    waited.start();
    QMargins m;
    for (;;) {
        if (ReadExtents(c, id, m)) {
            p.answer = m;
            break;
        }
        // A window manager that does not answer: the first framed window tells.
        if (waited.elapsed() > kAnswerWaitMs)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return p.answer;
}

void TkX11Frames::WatchFrame(QWidget* topLevel)
{
    xcb_connection_t* c = Connection();
    if (!c || !gFilter || !topLevel)
        return;
    const auto id = xcb_window_t(topLevel->winId());
    for (auto it = gFilter->Frames.cbegin(); it != gFilter->Frames.cend(); ++it)
        if (it.value() == topLevel)
            return;
    xcb_window_t frame = id;
    RootOf(c, id, &frame);
    if (frame == id)
        return; // not reparented: no frame of its own to leave
    const uint32_t mask = XCB_EVENT_MASK_LEAVE_WINDOW;
    xcb_change_window_attributes(c, frame, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    gFilter->Frames.insert(frame, QPointer<QWidget>(topLevel));
}

void TkX11Frames::AwaitWithdrawal(QWidget* topLevel)
{
    xcb_connection_t* c = Connection();
    if (!c || !topLevel || !topLevel->testAttribute(Qt::WA_WState_Created))
        return;
    static const xcb_atom_t wmState = Atom(c, "WM_STATE");
    const auto id = xcb_window_t(topLevel->winId());
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        xcb_get_property_reply_t* r =
            xcb_get_property_reply(c, xcb_get_property(c, 0, id, wmState, XCB_GET_PROPERTY_TYPE_ANY, 0, 1), nullptr);
        // No WM_STATE, or WithdrawnState (0): the window manager is done with it.
        const bool withdrawn = !r || xcb_get_property_value_length(r) < 4 ||
                               *static_cast<const uint32_t*>(xcb_get_property_value(r)) == 0;
        free(r);
        if (withdrawn || waited.elapsed() > kWithdrawalWaitMs)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::optional<QMargins> TkX11Frames::FrameOf(const QWidget* topLevel)
{
    xcb_connection_t* c = Connection();
    if (!c || !gFilter || !topLevel || !topLevel->testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    // Asked at every move and resize of a shown form: a round trip to the
    // server only when the window manager has announced something new.
    const auto id = xcb_window_t(topLevel->winId());
    if (auto it = gFilter->Announced.constFind(id); it != gFilter->Announced.cend())
        return *it;
    QMargins m;
    if (!ReadExtents(c, id, m))
        return std::nullopt;
    gFilter->Announced.insert(id, m);
    return m;
}
