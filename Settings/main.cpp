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
#include "toolkit/DisplayChoice.h"

namespace {

// The popups must stand where the board says, which only X11 allows a
// program: on a Wayland session the program runs through XWayland, and on
// native Wayland only when there is no X server. A desktop that cannot be used
// is explained here, before Qt would abort over it.
bool PrepareDisplay()
{
    TDisplayChoice choice = TDisplayChoice::Choose(TDisplayFacts::FromEnvironment());
    if (!choice.Message.empty())
        std::fprintf(stderr, "%s: %s\n", SETTINGS_PROGRAM, choice.Message.c_str());
    if (!choice.Ok)
        return false;
    if (!choice.Platform.empty())
        setenv("QT_QPA_PLATFORM", choice.Platform.c_str(), 1);
    return true;
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
    TApplication::SetIdentity(SETTINGS_PROGRAM, SETTINGS_VERSION, SETTINGS_APP_ID);
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
