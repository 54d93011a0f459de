// The loader stand-ins: naming, loading by search and by path, lookups, and
// quiet failure.
#include <gtest/gtest.h>

#include <cmath>
#include <dlfcn.h>
#include <filesystem>
#include <string>

#include "KELDRV/KelDrv.h"
#include "toolkit/Library.h"

namespace {

TEST(LibraryLoader, SharedLibraryFileNameFollowsPlatformConvention)
{
    struct Case {
        const char* base;
        const char* linuxName;
        const char* windowsName;
    };
    const Case cases[] = {
        {"KELDRV", "libKELDRV.so", "KELDRV.dll"},
        {"m", "libm.so", "m.dll"},
        {"Qt6Widgets", "libQt6Widgets.so", "Qt6Widgets.dll"},
    };
    for (const Case& c : cases) {
#ifdef _WIN32
        EXPECT_EQ(SharedLibraryFileName(c.base), c.windowsName);
#else
        EXPECT_EQ(SharedLibraryFileName(c.base), c.linuxName);
#endif
    }
}

TEST(LibraryLoader, MissingLibrariesGiveNullQuietly)
{
    const std::string missing[] = {
        "",
        "libSettingsNoSuchLibrary.so",
        "/nonexistent-settings-dir/libKELDRV.so",
        std::filesystem::temp_directory_path().string(), // a directory, not a library
    };
    for (const std::string& name : missing) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        HMODULE module = LoadLibrary(name);
        std::string out = testing::internal::GetCapturedStdout();
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(module, nullptr) << '"' << name << '"';
        EXPECT_EQ(out, "") << name;
        EXPECT_EQ(err, "") << name;
        // The failure leaves no pending loader message behind either.
        EXPECT_EQ(dlerror(), nullptr) << name;
    }
}

TEST(LibraryLoader, LoadsByPathAndResolvesExports)
{
    HMODULE module = LoadLibrary(KELDRV_FAKE_LIBRARY_PATH);
    ASSERT_NE(module, nullptr);

    auto count = reinterpret_cast<TGetNumCards>(GetProcAddress(module, "GetNumCards"));
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count(), KELDRV_FAKE_LIBRARY_CARDS);

    // Every resolved address lies in that library under the name asked for.
    for (const char* name : {"GetNumCards", "WDGPet", "RelOutPortDWord"}) {
        void* address = GetProcAddress(module, name);
        ASSERT_NE(address, nullptr) << name;
        Dl_info info{};
        ASSERT_NE(dladdr(address, &info), 0) << name;
        EXPECT_STREQ(info.dli_sname, name);
        EXPECT_TRUE(std::filesystem::equivalent(info.dli_fname, KELDRV_FAKE_LIBRARY_PATH)) << name;
    }
}

TEST(LibraryLoader, LookupFailuresGiveNull)
{
    HMODULE module = LoadLibrary(KELDRV_FAKE_LIBRARY_PATH);
    ASSERT_NE(module, nullptr);
    struct Case {
        HMODULE module;
        const char* name;
    };
    const Case cases[] = {
        {module, "NoSuchExport"},
        {module, ""},
        {module, "getnumcards"}, // names are case sensitive
        {nullptr, "GetNumCards"}, // a null handle does not search the whole process
        {nullptr, "malloc"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetProcAddress(c.module, c.name), nullptr) << c.name;
        EXPECT_EQ(dlerror(), nullptr) << c.name;
    }
}

TEST(LibraryLoader, LoadedSymbolsStayOutOfTheGlobalScope)
{
    HMODULE module = LoadLibrary(KELDRV_FAKE_LIBRARY_PATH);
    ASSERT_NE(module, nullptr);
    ASSERT_NE(GetProcAddress(module, "RelOutPortDWord"), nullptr);
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "RelOutPortDWord"), nullptr);
}

TEST(LibraryLoader, LoadingTwiceGivesTheSameLibrary)
{
    HMODULE first = LoadLibrary(KELDRV_FAKE_LIBRARY_PATH);
    HMODULE second = LoadLibrary(KELDRV_FAKE_LIBRARY_PATH);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(GetProcAddress(first, "GetNumCards"), GetProcAddress(second, "GetNumCards"));
}

TEST(LibraryLoader, BindsEverySymbolAtLoadTime)
{
    // The file is there and well formed; only its missing dependency symbol
    // can make the load fail.
    ASSERT_TRUE(std::filesystem::is_regular_file(KELDRV_UNRESOLVED_LIBRARY_PATH));
    EXPECT_EQ(LoadLibrary(KELDRV_UNRESOLVED_LIBRARY_PATH), nullptr);
}

TEST(LibraryLoader, BareNameUsesTheSystemSearch)
{
    // The maths library is found without a path, as the driver is.
    HMODULE module = LoadLibrary("libm.so.6");
    ASSERT_NE(module, nullptr);
    using TCos = double (*)(double);
    auto libCos = reinterpret_cast<TCos>(GetProcAddress(module, "cos"));
    ASSERT_NE(libCos, nullptr);
    for (double x : {0.0, 0.5, 2.0}) {
        volatile double arg = x; // keep the compiler from folding the reference value
        EXPECT_DOUBLE_EQ(libCos(arg), std::cos(arg));
    }
}

} // namespace
