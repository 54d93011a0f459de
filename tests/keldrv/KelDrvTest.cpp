// The driver binding's own bookkeeping: the entry-point table, the pointers
// behind it, and the card count wrapper. None of this needs a driver library.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "KELDRV/KelDrv.h"

namespace {

class KelDrvBinding : public testing::Test {
protected:
    void SetUp() override { ResetDriverLibraryForTesting(); }
    void TearDown() override { ResetDriverLibraryForTesting(); }
};

// Distinct, recognisable non-null addresses to plant in the pointers.
char Markers[DriverEntryPointCount];

void* Marker(int i)
{
    return &Markers[i];
}

// Assigns to each pointer variable by its own name, independently of the
// binding's table, so the table can be checked against the variables.
struct NamedSlot {
    const char* name;
    void (*assign)(void* address);
};
#define KELDRV_TEST_SLOT(name) {#name, [](void* a) { name = reinterpret_cast<decltype(name)>(a); }}
const NamedSlot NamedSlots[] = {
    KELDRV_TEST_SLOT(GetNumCards),     KELDRV_TEST_SLOT(QueryCardInfo),
    KELDRV_TEST_SLOT(QueryBARBase),    KELDRV_TEST_SLOT(WaitForIRQ),
    KELDRV_TEST_SLOT(COSWaitForIRQ),   KELDRV_TEST_SLOT(WDGHandleIRQ),
    KELDRV_TEST_SLOT(AbortRequest),    KELDRV_TEST_SLOT(CloseCard),
    KELDRV_TEST_SLOT(WDGInit),         KELDRV_TEST_SLOT(WDGSetTimeout),
    KELDRV_TEST_SLOT(WDGSetResetDuration), KELDRV_TEST_SLOT(WDGPet),
    KELDRV_TEST_SLOT(WDGReadTemp),     KELDRV_TEST_SLOT(WDGReadStatus),
    KELDRV_TEST_SLOT(WDGStart),        KELDRV_TEST_SLOT(WDGStop),
    KELDRV_TEST_SLOT(EmergencyReboot), KELDRV_TEST_SLOT(InPortB),
    KELDRV_TEST_SLOT(OutPortB),        KELDRV_TEST_SLOT(InPort),
    KELDRV_TEST_SLOT(OutPort),         KELDRV_TEST_SLOT(InPortL),
    KELDRV_TEST_SLOT(OutPortL),        KELDRV_TEST_SLOT(InPortDWord),
    KELDRV_TEST_SLOT(OutPortDWord),    KELDRV_TEST_SLOT(RelInPortB),
    KELDRV_TEST_SLOT(RelOutPortB),     KELDRV_TEST_SLOT(RelInPort),
    KELDRV_TEST_SLOT(RelOutPort),      KELDRV_TEST_SLOT(RelInPortL),
    KELDRV_TEST_SLOT(RelOutPortL),     KELDRV_TEST_SLOT(RelInPortDWord),
    KELDRV_TEST_SLOT(RelOutPortDWord),
};
#undef KELDRV_TEST_SLOT

int IndexOf(const char* name)
{
    for (int i = 0; i < DriverEntryPointCount; ++i)
        if (std::strcmp(DriverEntryPointNames[i], name) == 0)
            return i;
    return -1;
}

void FillEverySlot()
{
    for (const NamedSlot& slot : NamedSlots)
        slot.assign(Marker(IndexOf(slot.name)));
}

TEST_F(KelDrvBinding, EntryPointsAreLookedUpInDriverOrder)
{
    const std::vector<std::string> expected = {
        "GetNumCards", "QueryCardInfo", "QueryBARBase", "WaitForIRQ",
        "COSWaitForIRQ", "WDGHandleIRQ", "AbortRequest", "CloseCard",
        "WDGInit", "WDGSetTimeout", "WDGSetResetDuration", "WDGPet",
        "WDGReadTemp", "WDGReadStatus", "WDGStart", "WDGStop",
        "EmergencyReboot", "InPortB", "OutPortB", "InPort",
        "OutPort", "InPortL", "OutPortL", "InPortDWord",
        "OutPortDWord", "RelInPortB", "RelOutPortB", "RelInPort",
        "RelOutPort", "RelInPortL", "RelOutPortL", "RelInPortDWord",
        "RelOutPortDWord",
    };
    const std::vector<std::string> actual(DriverEntryPointNames,
                                          DriverEntryPointNames + DriverEntryPointCount);
    EXPECT_EQ(actual, expected);
}

TEST_F(KelDrvBinding, EachTableEntryReadsThePointerOfThatName)
{
    ASSERT_EQ(std::size(NamedSlots), static_cast<size_t>(DriverEntryPointCount));
    for (const NamedSlot& slot : NamedSlots) {
        const int index = IndexOf(slot.name);
        ASSERT_GE(index, 0) << slot.name << " missing from the table";
        ResetDriverLibraryForTesting();
        slot.assign(Marker(index));
        for (int i = 0; i < DriverEntryPointCount; ++i)
            EXPECT_EQ(DriverEntryPointSlot(i), i == index ? Marker(index) : nullptr)
                << "after setting " << slot.name << ", entry " << DriverEntryPointNames[i];
    }
}

TEST_F(KelDrvBinding, OutOfRangeIndexesReadAsEmpty)
{
    FillEverySlot();
    for (int index : {-1, DriverEntryPointCount, DriverEntryPointCount + 1, INT_MIN, INT_MAX})
        EXPECT_EQ(DriverEntryPointSlot(index), nullptr) << index;
    // The neighbours of the bad indexes are really filled.
    EXPECT_EQ(DriverEntryPointSlot(0), Marker(0));
    EXPECT_EQ(DriverEntryPointSlot(DriverEntryPointCount - 1), Marker(DriverEntryPointCount - 1));
}

TEST_F(KelDrvBinding, ResetEmptiesEveryPointerAndTheFlag)
{
    FillEverySlot();
    DriverLibraryAvailable = true;
    ResetDriverLibraryForTesting();
    EXPECT_FALSE(DriverLibraryAvailable);
    for (int i = 0; i < DriverEntryPointCount; ++i)
        EXPECT_EQ(DriverEntryPointSlot(i), nullptr) << DriverEntryPointNames[i];
    EXPECT_EQ(GetNumCards, nullptr);
    EXPECT_EQ(RelOutPortDWord, nullptr);
}

TEST_F(KelDrvBinding, CardCountIsZeroWithoutGetNumCards)
{
    // Everything else present must not matter: only GetNumCards is called.
    FillEverySlot();
    GetNumCards = nullptr;
    DriverLibraryAvailable = true;
    EXPECT_EQ(DriverCardCount(), 0);
}

TEST_F(KelDrvBinding, CardCountPassesTheDriverAnswerThrough)
{
    const TGetNumCards drivers[] = {
        [] { return int32_t{0}; },
        [] { return int32_t{3}; },
        [] { return int32_t{-5}; }, // driver error codes are not hidden
        [] { return INT32_MAX; },
    };
    for (TGetNumCards driver : drivers) {
        GetNumCards = driver;
        EXPECT_EQ(DriverCardCount(), driver());
    }
}

} // namespace
