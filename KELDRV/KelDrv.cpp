#include "KELDRV/KelDrv.h"

#include "toolkit/Library.h"

bool DriverLibraryAvailable = false;

// The list every table below is generated from, in lookup order.
#define KELDRV_ENTRY_POINTS(X)                                                 \
    X(GetNumCards) X(QueryCardInfo) X(QueryBARBase) X(WaitForIRQ)              \
    X(COSWaitForIRQ) X(WDGHandleIRQ) X(AbortRequest) X(CloseCard) X(WDGInit)   \
    X(WDGSetTimeout) X(WDGSetResetDuration) X(WDGPet) X(WDGReadTemp)           \
    X(WDGReadStatus) X(WDGStart) X(WDGStop) X(EmergencyReboot) X(InPortB)      \
    X(OutPortB) X(InPort) X(OutPort) X(InPortL) X(OutPortL) X(InPortDWord)     \
    X(OutPortDWord) X(RelInPortB) X(RelOutPortB) X(RelInPort) X(RelOutPort)    \
    X(RelInPortL) X(RelOutPortL) X(RelInPortDWord) X(RelOutPortDWord)

#define KELDRV_DEFINE_SLOT(name) T##name name = nullptr;
KELDRV_ENTRY_POINTS(KELDRV_DEFINE_SLOT)
#undef KELDRV_DEFINE_SLOT

#define KELDRV_NAME(name) #name,
const char* const DriverEntryPointNames[DriverEntryPointCount] = {KELDRV_ENTRY_POINTS(KELDRV_NAME)};
#undef KELDRV_NAME

namespace {

// Each pointer has its own type, so the table reaches them through a pair of
// accessors that convert to and from the untyped address dlsym deals in.
struct TSlotAccess {
    void (*Store)(void* address);
    void* (*Read)();
};

#define KELDRV_ACCESS(name)                                                    \
    {[](void* address) { name = reinterpret_cast<decltype(name)>(address); },  \
     [] { return reinterpret_cast<void*>(name); }},
const TSlotAccess Slots[] = {KELDRV_ENTRY_POINTS(KELDRV_ACCESS)};
#undef KELDRV_ACCESS

static_assert(sizeof(Slots) / sizeof(Slots[0]) == DriverEntryPointCount,
              "one slot per entry point");

// Held only so the library visibly belongs to the process; it is never freed
// because the pointers above point into it.
HMODULE DriverLibrary = nullptr;
int LoadCount = 0;

} // namespace

void InitDriverLibrary()
{
    if (DriverLibraryAvailable)
        return;

    HMODULE library = LoadLibrary(SharedLibraryFileName("KELDRV"));
    if (!library)
        return; // no driver installed: the program runs without cards
    DriverLibrary = library;
    ++LoadCount;

    // Resolve every name even after a miss, so whatever the library does offer
    // is usable by callers that test their own pointer.
    bool complete = true;
    for (int i = 0; i < DriverEntryPointCount; ++i) {
        void* address = GetProcAddress(library, DriverEntryPointNames[i]);
        Slots[i].Store(address);
        if (!address)
            complete = false;
    }
    DriverLibraryAvailable = complete;
}

int32_t DriverCardCount()
{
    return GetNumCards ? GetNumCards() : 0;
}

void* DriverEntryPointSlot(int index)
{
    if (index < 0 || index >= DriverEntryPointCount)
        return nullptr;
    return Slots[index].Read();
}

int DriverLibraryLoadCount()
{
    return LoadCount;
}

void ResetDriverLibraryForTesting()
{
    DriverLibraryAvailable = false;
    for (const TSlotAccess& slot : Slots)
        slot.Store(nullptr);
}
