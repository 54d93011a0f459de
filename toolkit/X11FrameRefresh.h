#pragma once
// Keeps Qt's idea of a window's frame in step with the window manager's.
// Qt measures a window's frame again only when the window moves: when the
// window manager announces the frame (_NET_FRAME_EXTENTS) after the last move
// of a window it has just mapped, the window would go on without a frame
// (its outer position and size off by the frame) until it next moved.
class TkX11FrameRefresh {
public:
    // Starts listening on X11; does nothing elsewhere.
    static void Install();
};
