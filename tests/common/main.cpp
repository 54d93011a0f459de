// Test entry: headless by default so that test discovery at build time and the
// offscreen suites need no display; desktop suites run under Xvfb with DISPLAY set.
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "toolkit/Application.h"

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) {
        std::string platform = std::string("offscreen:configfile=") + SETTINGS_OFFSCREEN_CONFIG;
        setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    }
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        std::string dir = "/tmp/settings-tests-runtime-" + std::to_string(getuid());
        mkdir(dir.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    }
    ::testing::InitGoogleTest(&argc, argv);
    TApplication::Initialize(argc, argv);
    return RUN_ALL_TESTS();
}
