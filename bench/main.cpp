// Benchmarks run headless on the offscreen platform (1024 x 768).
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "toolkit/Application.h"

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) {
        std::string platform = std::string("offscreen:configfile=") + SETTINGS_OFFSCREEN_CONFIG;
        setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    }
    std::string dir = "/tmp/settings-bench-runtime-" + std::to_string(getuid());
    mkdir(dir.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 0);
    TApplication::Initialize(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
