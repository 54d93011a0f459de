#pragma once
// What the X11 window manager knows about our windows' frames, asked of it
// directly: the frame thickness of a normal and of a tool window before the
// first of its kind is shown, Qt kept in step with the frames it announces,
// the pointer leaving a window's frame (which
// the window itself never hears of), and the end of a window's withdrawal
// before it is shown again. Elsewhere (offscreen, Wayland) every
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
    // The frame the window manager has put around this shown window, as it
    // announces it; nothing when it has not (yet) or elsewhere than X11.
    static std::optional<QMargins> FrameOf(const QWidget* topLevel);
    // Reports to the pointer owner when the pointer leaves this window's frame.
    static void WatchFrame(QWidget* topLevel);
    // Before a hidden window is shown again: waits (briefly) until the window
    // manager has finished withdrawing it. A window mapped again while the
    // window manager is still taking its frame away is left on the screen
    // unmanaged, without frame or stacking.
    static void AwaitWithdrawal(QWidget* topLevel);
};
