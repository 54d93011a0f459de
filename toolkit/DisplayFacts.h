#pragma once
// What the environment offers to show windows on: the variables that name a
// display or a platform, and probes that ask whether an X server or a Wayland
// compositor answers and whether Qt's Wayland plugin loads. The probes are
// functions so that a decision can skip the ones it does not need (and tests
// can give answers of their own).
#include <functional>
#include <string>

struct TDisplayFacts {
    std::string Platform;       // QT_QPA_PLATFORM
    std::string X11Display;     // DISPLAY
    std::string WaylandDisplay; // WAYLAND_DISPLAY
    std::function<bool()> X11Answers;
    std::function<bool()> WaylandAnswers;
    std::function<bool()> WaylandPluginLoads;

    // The real environment of this process, with real probes.
    static TDisplayFacts FromEnvironment();
};
