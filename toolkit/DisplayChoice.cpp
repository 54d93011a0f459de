#include "toolkit/DisplayChoice.h"

namespace {

const char* const kNativeWaylandNote =
    "running on native Wayland, where the compositor, not the program, places the popups "
    "(they may not open beside their rings; XWayland avoids this).";
const char* const kNoWaylandPlugin = "Qt's Wayland plugin cannot be loaded (install the package qt6-wayland)";

TDisplayChoice Run(std::string platform, std::string note = {})
{
    return {true, std::move(platform), std::move(note)};
}

TDisplayChoice Refuse(std::string why)
{
    return {false, {}, std::move(why)};
}

std::string X11Unreachable(const std::string& display)
{
    return "the display " + display +
           " cannot be reached: no X server answers there, or it refused the connection (DISPLAY=" + display + ")";
}

std::string WaylandUnreachable(const std::string& display)
{
    return "the Wayland display " + display + " cannot be reached: no compositor answers there (WAYLAND_DISPLAY=" +
           display + ")";
}

// The platform the user named: checked where a clear reason can be given,
// otherwise left to Qt (the toolkit turns its failure into a message too).
TDisplayChoice Chosen(const TDisplayFacts& f)
{
    if (f.Platform == "xcb") {
        if (f.X11Display.empty())
            return Refuse("QT_QPA_PLATFORM=xcb asks for an X11 display, but DISPLAY is not set.");
        if (!f.X11Answers())
            return Refuse(X11Unreachable(f.X11Display) + ".");
        return Run({});
    }
    if (f.Platform == "wayland") {
        if (f.WaylandDisplay.empty())
            return Refuse("QT_QPA_PLATFORM=wayland asks for a Wayland display, but WAYLAND_DISPLAY is not set.");
        if (!f.WaylandAnswers())
            return Refuse(WaylandUnreachable(f.WaylandDisplay) + ".");
        if (!f.WaylandPluginLoads())
            return Refuse(std::string("QT_QPA_PLATFORM=wayland, but ") + kNoWaylandPlugin + ".");
        return Run({}, kNativeWaylandNote);
    }
    return Run({});
}

} // namespace

TDisplayChoice TDisplayChoice::Choose(const TDisplayFacts& f)
{
    if (!f.Platform.empty())
        return Chosen(f);
    // Named outright, so that a Wayland session's XDG_SESSION_TYPE does not
    // steer Qt to native Wayland behind our back.
    if (!f.X11Display.empty() && f.X11Answers())
        return Run("xcb");
    if (!f.WaylandDisplay.empty()) {
        if (!f.WaylandAnswers()) {
            if (f.X11Display.empty())
                return Refuse(WaylandUnreachable(f.WaylandDisplay) + ".");
            return Refuse(X11Unreachable(f.X11Display) + ", and " + WaylandUnreachable(f.WaylandDisplay) + ".");
        }
        if (!f.WaylandPluginLoads()) {
            if (f.X11Display.empty())
                return Refuse(std::string("this Wayland session offers no X11 display (XWayland), and ") +
                              kNoWaylandPlugin + ". Start XWayland, or install qt6-wayland.");
            return Refuse(X11Unreachable(f.X11Display) + ", and " + kNoWaylandPlugin + ".");
        }
        return Run("wayland", kNativeWaylandNote);
    }
    if (!f.X11Display.empty())
        return Refuse(X11Unreachable(f.X11Display) +
                      ". Start the program from a running desktop session, or set DISPLAY to a display that is up.");
    return Refuse("a graphical desktop is needed, but no display was found (neither DISPLAY nor WAYLAND_DISPLAY "
                  "is set). Start the program from a desktop session, or over SSH with X forwarding (ssh -X).");
}
