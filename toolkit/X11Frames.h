#pragma once
// What the X11 window manager knows about our windows' frames, asked of it
// directly: the frame thickness of a normal and of a tool window before the
// first of its kind is shown, and the pointer leaving a window's frame (which
// the window itself never hears of). Elsewhere (offscreen, Wayland) every
// call answers "unknown" or does nothing.
#include <QMargins>
#include <optional>

class QWidget;

class TkX11Frames {
public:
    // Asks the window manager, at start-up, how it will frame each kind of window.
    static void Start();
    // The frame the window manager announced for a tool or a normal window;
    // zero when no window manager runs; nothing when there is no answer.
    static std::optional<QMargins> Extents(bool toolWindow);
    // Reports to the pointer owner when the pointer leaves this window's frame.
    static void WatchFrame(QWidget* topLevel);
};
