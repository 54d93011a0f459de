// Settings: shows the board and guides its owner through jumpers, connectors
// and indicators.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "template/Assets.h"
#include "template/MainForm.h"
#include "toolkit/Application.h"

namespace {

// The popups must stand where the board says; Wayland lets no program place
// its own windows, so under Wayland the program runs through XWayland unless
// the user chose a platform.
bool PrepareDisplay()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (display && *display) {
        if (wayland && *wayland)
            setenv("QT_QPA_PLATFORM", "xcb", 1);
        return true;
    }
    if (wayland && *wayland) {
        std::fprintf(stderr, "Settings: this Wayland session offers no X11 display (XWayland), which Settings needs "
                             "to place its popups. Start XWayland, or set QT_QPA_PLATFORM=wayland to run anyway.\n");
        return false;
    }
    std::fprintf(stderr, "Settings needs a graphical desktop, but no display was found (DISPLAY is not set).\n"
                         "Start it from a desktop session, or over SSH with X forwarding (ssh -X).\n");
    return false;
}

void PrepareRuntimeDir()
{
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    if (dir && *dir)
        return;
    std::string path = "/tmp/runtime-settings-" + std::to_string(getuid());
    mkdir(path.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", path.c_str(), 1);
}

} // namespace

int main(int argc, char** argv)
{
    if (!PrepareDisplay())
        return 1;
    PrepareRuntimeDir();
    TApplication::Initialize(argc, argv);
    Application->SetIcon(AppIconPng, AppIconPng_size);
    MainForm = Application->CreateForm<TMainForm>();
    // For the start-up measurement only (bench/desktop): the first idle
    // moment comes once the board and its rings are on screen; end there
    // instead of building the help windows. Nothing before it changes.
    if (std::getenv("SETTINGS_EXIT_AT_FIRST_IDLE"))
        Application->OnIdle = [](TObject*, bool&) { Application->Terminate(); };
    int code = Application->Run();
    delete Application;
    return code;
}
