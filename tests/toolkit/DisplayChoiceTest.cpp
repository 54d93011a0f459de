// Choosing the window system before Qt starts: X11 wherever an X server
// answers, native Wayland only as the fallback, and a reason in every case
// where the program cannot start.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "toolkit/DisplayChoice.h"

namespace {

struct Case {
    const char* what;
    // environment
    const char* platform;
    const char* display;
    const char* wayland;
    bool xAnswers, waylandAnswers, pluginLoads;
    // decision
    bool ok;
    const char* chosen;  // QT_QPA_PLATFORM to set ("" leaves it)
    const char* message; // part of the message; "" means no message at all
};

const Case kCases[] = {
    {"X11 desktop", "", ":0", "", true, false, false, true, "xcb", ""},
    {"Wayland session with XWayland", "", ":0", "wayland-0", true, true, true, true, "xcb", ""},
    {"Wayland session without XWayland", "", "", "wayland-0", false, true, true, true, "wayland",
     "compositor, not the program, places the popups"},
    {"XWayland gone, compositor there", "", ":0", "wayland-0", false, true, true, true, "wayland",
     "compositor, not the program, places the popups"},
    {"no XWayland, no Wayland plugin", "", "", "wayland-0", false, true, false, false, "",
     "install the package qt6-wayland"},
    {"dead X display, no Wayland plugin", "", ":0", "wayland-0", false, true, false, false, "",
     "the display :0 cannot be reached"},
    {"no display at all", "", "", "", false, false, false, false, "", "no display was found"},
    {"X display that does not answer", "", ":99", "", false, false, false, false, "",
     "the display :99 cannot be reached"},
    {"Wayland display that does not answer", "", "", "wayland-9", false, false, true, false, "",
     "the Wayland display wayland-9 cannot be reached"},
    {"neither answers", "", ":99", "wayland-9", false, false, true, false, "",
     "the display :99 cannot be reached: no X server answers there, or it refused the connection (DISPLAY=:99), "
     "and the Wayland display wayland-9 cannot be reached"},
    {"user's xcb", "xcb", ":0", "wayland-0", true, true, true, true, "", ""},
    {"user's xcb, dead display", "xcb", ":99", "wayland-0", false, true, true, false, "",
     "the display :99 cannot be reached"},
    {"user's xcb, no DISPLAY", "xcb", "", "wayland-0", false, true, true, false, "", "DISPLAY is not set"},
    {"user's wayland", "wayland", ":0", "wayland-0", true, true, true, true, "",
     "compositor, not the program, places the popups"},
    {"user's wayland, no plugin", "wayland", ":0", "wayland-0", true, true, false, false, "",
     "QT_QPA_PLATFORM=wayland, but Qt's Wayland plugin cannot be loaded"},
    {"user's wayland, dead compositor", "wayland", "", "wayland-9", false, false, true, false, "",
     "the Wayland display wayland-9 cannot be reached"},
    {"user's wayland, no WAYLAND_DISPLAY", "wayland", ":0", "", true, false, true, false, "",
     "WAYLAND_DISPLAY is not set"},
    {"user's other platform goes to Qt unchecked", "offscreen", "", "", false, false, false, true, "", ""},
};

struct Probes {
    int x = 0, wayland = 0, plugin = 0;
};

TDisplayFacts Facts(const Case& c, Probes& asked)
{
    TDisplayFacts f;
    f.Platform = c.platform;
    f.X11Display = c.display;
    f.WaylandDisplay = c.wayland;
    f.X11Answers = [&asked, c] { ++asked.x; return c.xAnswers; };
    f.WaylandAnswers = [&asked, c] { ++asked.wayland; return c.waylandAnswers; };
    f.WaylandPluginLoads = [&asked, c] { ++asked.plugin; return c.pluginLoads; };
    return f;
}

const Case& Named(const std::string& what)
{
    for (const Case& c : kCases)
        if (what == c.what)
            return c;
    throw std::logic_error("no case " + what);
}

} // namespace

TEST(DisplayChoice, EachEnvironmentGetsItsPlatformOrItsReason)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        Probes asked;
        TDisplayChoice choice = TDisplayChoice::Choose(Facts(c, asked));
        EXPECT_EQ(choice.Ok, c.ok);
        EXPECT_EQ(choice.Platform, c.chosen);
        if (*c.message)
            EXPECT_NE(choice.Message.find(c.message), std::string::npos) << choice.Message;
        else
            EXPECT_EQ(choice.Message, "");
        // The note and every reason are one line each on stderr.
        EXPECT_EQ(choice.Message.find('\n'), std::string::npos) << choice.Message;
    }
}

TEST(DisplayChoice, AnsweringX11SparesTheWaylandProbes)
{
    // Loading Qt's plugins to look for Wayland costs start-up time that an X11
    // desktop should not pay.
    Probes asked;
    TDisplayChoice choice = TDisplayChoice::Choose(Facts(Named("Wayland session with XWayland"), asked));
    EXPECT_TRUE(choice.Ok);
    EXPECT_EQ(asked.x, 1);
    EXPECT_EQ(asked.wayland, 0);
    EXPECT_EQ(asked.plugin, 0);
}

TEST(DisplayChoice, NoVariableMeansNoProbe)
{
    // An unset DISPLAY or WAYLAND_DISPLAY is not asked about (xcb would try a
    // default display).
    Probes asked;
    TDisplayChoice choice = TDisplayChoice::Choose(Facts(Named("no display at all"), asked));
    EXPECT_FALSE(choice.Ok);
    EXPECT_EQ(asked.x + asked.wayland + asked.plugin, 0);
}
