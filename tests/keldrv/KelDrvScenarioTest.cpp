// InitDriverLibrary against real libKELDRV.so builds (tests/fakedriver).
//
// The driver is found through the normal library search, which the loader
// fixes when the process starts, so each group below runs in its own process
// started by CTest with the matching fake driver on LD_LIBRARY_PATH and
//   KELDRV_SCENARIO        complete | incomplete | none
//   KELDRV_FAKE_DIR        the directory holding that driver
//   KELDRV_EXPECTED_CARDS  what its GetNumCards was built to return
// Groups whose scenario is not set skip themselves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <vector>

#include "KELDRV/KelDrv.h"
#include "toolkit/Library.h"

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool ScenarioIs(const char* scenario)
{
    return Env("KELDRV_SCENARIO") == scenario;
}

std::vector<void*> AllSlots()
{
    std::vector<void*> slots;
    for (int i = 0; i < DriverEntryPointCount; ++i)
        slots.push_back(DriverEntryPointSlot(i));
    return slots;
}

// The slot must hold the driver's export of that very name, from the fake
// driver this scenario put on the search path.
void ExpectDriverExport(int index)
{
    const char* name = DriverEntryPointNames[index];
    void* address = DriverEntryPointSlot(index);
    ASSERT_NE(address, nullptr) << name;
    Dl_info info{};
    ASSERT_NE(dladdr(address, &info), 0) << name;
    ASSERT_NE(info.dli_sname, nullptr) << name;
    EXPECT_STREQ(info.dli_sname, name);
    const std::filesystem::path expected =
        std::filesystem::path(Env("KELDRV_FAKE_DIR")) / SharedLibraryFileName("KELDRV");
    EXPECT_TRUE(std::filesystem::equivalent(info.dli_fname, expected))
        << name << " came from " << info.dli_fname;
}

class DriverScenario : public testing::Test {
protected:
    void SetUp() override
    {
        ResetDriverLibraryForTesting();
        const std::string cards = Env("KELDRV_EXPECTED_CARDS");
        if (!cards.empty())
            ExpectedCards = std::stoi(cards);
    }
    void TearDown() override { ResetDriverLibraryForTesting(); }

    int32_t ExpectedCards = 0;
};

class KelDrvCompleteDriver : public DriverScenario {
protected:
    void SetUp() override
    {
        if (!ScenarioIs("complete"))
            GTEST_SKIP() << "runs with KELDRV_SCENARIO=complete and a complete fake driver";
        DriverScenario::SetUp();
    }
};

TEST_F(KelDrvCompleteDriver, FillsEveryEntryPointFromTheDriver)
{
    const int loads = DriverLibraryLoadCount();
    InitDriverLibrary();
    EXPECT_EQ(DriverLibraryLoadCount(), loads + 1);
    EXPECT_TRUE(DriverLibraryAvailable);
    for (int i = 0; i < DriverEntryPointCount; ++i)
        ExpectDriverExport(i);
}

TEST_F(KelDrvCompleteDriver, CardCountComesFromTheDriver)
{
    InitDriverLibrary();
    ASSERT_NE(GetNumCards, nullptr);
    EXPECT_EQ(GetNumCards(), ExpectedCards);
    EXPECT_EQ(DriverCardCount(), ExpectedCards);
}

TEST_F(KelDrvCompleteDriver, SecondCallLoadsNothing)
{
    const int loads = DriverLibraryLoadCount();
    InitDriverLibrary();
    ASSERT_TRUE(DriverLibraryAvailable);
    const std::vector<void*> before = AllSlots();

    InitDriverLibrary();
    EXPECT_EQ(DriverLibraryLoadCount(), loads + 1);
    EXPECT_TRUE(DriverLibraryAvailable);
    EXPECT_EQ(AllSlots(), before);
}

TEST_F(KelDrvCompleteDriver, AvailableFlagSkipsLoadingAndLookups)
{
    // The driver is right there on the search path, yet nothing is touched.
    DriverLibraryAvailable = true;
    const int loads = DriverLibraryLoadCount();
    InitDriverLibrary();
    EXPECT_EQ(DriverLibraryLoadCount(), loads);
    EXPECT_TRUE(DriverLibraryAvailable);
    EXPECT_EQ(AllSlots(), std::vector<void*>(DriverEntryPointCount, nullptr));
    EXPECT_EQ(DriverCardCount(), 0);
}

TEST_F(KelDrvCompleteDriver, ResetKeepsTheLibraryLoaded)
{
    const int loads = DriverLibraryLoadCount();
    InitDriverLibrary();
    const std::vector<void*> first = AllSlots();
    const TGetNumCards kept = GetNumCards;
    ASSERT_NE(kept, nullptr);

    ResetDriverLibraryForTesting();
    EXPECT_FALSE(DriverLibraryAvailable);
    EXPECT_EQ(AllSlots(), std::vector<void*>(DriverEntryPointCount, nullptr));
    // An address taken earlier still points into a mapped library.
    EXPECT_EQ(kept(), ExpectedCards);

    InitDriverLibrary();
    EXPECT_EQ(DriverLibraryLoadCount(), loads + 2);
    EXPECT_TRUE(DriverLibraryAvailable);
    EXPECT_EQ(AllSlots(), first);
}

class KelDrvIncompleteDriver : public DriverScenario {
protected:
    void SetUp() override
    {
        if (!ScenarioIs("incomplete"))
            GTEST_SKIP() << "runs with KELDRV_SCENARIO=incomplete and a driver lacking EmergencyReboot";
        DriverScenario::SetUp();
    }
};

TEST_F(KelDrvIncompleteDriver, FillsEveryEntryPointButTheMissingOne)
{
    const int loads = DriverLibraryLoadCount();
    InitDriverLibrary();
    EXPECT_EQ(DriverLibraryLoadCount(), loads + 1);
    EXPECT_FALSE(DriverLibraryAvailable);
    EXPECT_EQ(EmergencyReboot, nullptr);
    // Lookups carried on past the gap: the names after it are filled too.
    for (int i = 0; i < DriverEntryPointCount; ++i) {
        if (std::strcmp(DriverEntryPointNames[i], "EmergencyReboot") == 0)
            EXPECT_EQ(DriverEntryPointSlot(i), nullptr);
        else
            ExpectDriverExport(i);
    }
}

TEST_F(KelDrvIncompleteDriver, CardCountStillWorks)
{
    InitDriverLibrary();
    ASSERT_FALSE(DriverLibraryAvailable);
    ASSERT_NE(GetNumCards, nullptr);
    EXPECT_EQ(DriverCardCount(), ExpectedCards);
}

TEST_F(KelDrvIncompleteDriver, LaterCallLoadsAndLooksUpAgain)
{
    const int loads = DriverLibraryLoadCount();
    InitDriverLibrary();
    const std::vector<void*> first = AllSlots();

    // Empty one pointer the driver does provide: only a fresh lookup refills it.
    WDGPet = nullptr;
    InitDriverLibrary();
    EXPECT_EQ(DriverLibraryLoadCount(), loads + 2);
    EXPECT_FALSE(DriverLibraryAvailable);
    EXPECT_EQ(AllSlots(), first);
}

class KelDrvNoDriver : public DriverScenario {
protected:
    void SetUp() override
    {
        // The plain test run normally has no driver on the search path either,
        // so the group also runs there when none can be found.
        const bool plainRunWithoutDriver =
            Env("KELDRV_SCENARIO").empty() && LoadLibrary(SharedLibraryFileName("KELDRV")) == nullptr;
        if (!ScenarioIs("none") && !plainRunWithoutDriver)
            GTEST_SKIP() << "runs with KELDRV_SCENARIO=none, or without any driver installed";
        DriverScenario::SetUp();
    }
};

TEST_F(KelDrvNoDriver, InitReturnsQuietly)
{
    const int loads = DriverLibraryLoadCount();
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_NO_THROW(InitDriverLibrary());
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
    EXPECT_EQ(DriverLibraryLoadCount(), loads);
    EXPECT_FALSE(DriverLibraryAvailable);
    EXPECT_EQ(AllSlots(), std::vector<void*>(DriverEntryPointCount, nullptr));
    EXPECT_EQ(DriverCardCount(), 0);
}

int32_t PlantedCardCount()
{
    return 4;
}

int32_t PlantedReboot()
{
    return -2;
}

TEST_F(KelDrvNoDriver, FailedLoadLeavesEarlierStateAlone)
{
    GetNumCards = &PlantedCardCount;
    EmergencyReboot = &PlantedReboot;
    const std::vector<void*> before = AllSlots();

    InitDriverLibrary();
    EXPECT_FALSE(DriverLibraryAvailable);
    EXPECT_EQ(AllSlots(), before);
    EXPECT_EQ(GetNumCards, &PlantedCardCount);
    EXPECT_EQ(EmergencyReboot, &PlantedReboot);
    EXPECT_EQ(DriverCardCount(), PlantedCardCount());
}

TEST_F(KelDrvNoDriver, RepeatedCallsStayQuietAndEmpty)
{
    const int loads = DriverLibraryLoadCount();
    for (int attempt = 0; attempt < 3; ++attempt) {
        InitDriverLibrary();
        EXPECT_FALSE(DriverLibraryAvailable) << attempt;
        EXPECT_EQ(DriverLibraryLoadCount(), loads) << attempt;
        EXPECT_EQ(DriverCardCount(), 0) << attempt;
    }
}

} // namespace
