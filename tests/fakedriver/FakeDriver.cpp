// Stand-in for the KELDRV driver library, built in several variants so the
// binding can be exercised against a real shared library on any machine.
//
//   FAKE_CARD_COUNT           what GetNumCards reports
//   FAKE_WITHOUT_EMERGENCY_REBOOT  leave that one export out, as an older or
//                             damaged driver would
//   FAKE_GET_NUM_CARDS_RAISES GetNumCards raises instead of answering, as a
//                             driver that faults while reading the bus does
//
// Everything else just answers plausibly; nothing touches hardware.

#include <cstdint>
#include <stdexcept>

#ifndef FAKE_CARD_COUNT
#error "FAKE_CARD_COUNT must be defined by the build"
#endif

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

FAKE_EXPORT int32_t GetNumCards(void)
{
#ifdef FAKE_GET_NUM_CARDS_RAISES
    throw std::runtime_error("fake driver: the card bus could not be read");
#else
    return FAKE_CARD_COUNT;
#endif
}
FAKE_EXPORT int32_t QueryCardInfo(int32_t, void*) { return -1; }
FAKE_EXPORT int32_t QueryBARBase(int32_t, int32_t, uint32_t* base)
{
    if (base)
        *base = 0;
    return -1;
}
FAKE_EXPORT int32_t WaitForIRQ(int32_t, uint32_t) { return -1; }
FAKE_EXPORT int32_t COSWaitForIRQ(int32_t, uint32_t, void*) { return -1; }
FAKE_EXPORT int32_t WDGHandleIRQ(int32_t) { return -1; }
FAKE_EXPORT int32_t AbortRequest(int32_t) { return 0; }
FAKE_EXPORT int32_t CloseCard(int32_t) { return 0; }
FAKE_EXPORT int32_t WDGInit(int32_t) { return -1; }
FAKE_EXPORT int32_t WDGSetTimeout(int32_t, uint32_t) { return -1; }
FAKE_EXPORT int32_t WDGSetResetDuration(int32_t, uint32_t) { return -1; }
FAKE_EXPORT int32_t WDGPet(int32_t) { return -1; }
FAKE_EXPORT int32_t WDGReadTemp(int32_t) { return -1; }
FAKE_EXPORT int32_t WDGReadStatus(int32_t) { return -1; }
FAKE_EXPORT int32_t WDGStart(int32_t) { return -1; }
FAKE_EXPORT int32_t WDGStop(int32_t) { return -1; }
#ifndef FAKE_WITHOUT_EMERGENCY_REBOOT
// Never reboots the test machine: reports failure, which the real call only
// ever does.
FAKE_EXPORT int32_t EmergencyReboot(void) { return -1; }
#endif
// Reads see a floating bus, writes go nowhere.
FAKE_EXPORT uint8_t InPortB(uint32_t) { return 0xFF; }
FAKE_EXPORT void OutPortB(uint32_t, uint8_t) {}
FAKE_EXPORT uint16_t InPort(uint32_t) { return 0xFFFF; }
FAKE_EXPORT void OutPort(uint32_t, uint16_t) {}
FAKE_EXPORT uint32_t InPortL(uint32_t) { return 0xFFFFFFFFu; }
FAKE_EXPORT void OutPortL(uint32_t, uint32_t) {}
FAKE_EXPORT uint32_t InPortDWord(uint32_t) { return 0xFFFFFFFFu; }
FAKE_EXPORT void OutPortDWord(uint32_t, uint32_t) {}
FAKE_EXPORT uint8_t RelInPortB(int32_t, uint32_t) { return 0xFF; }
FAKE_EXPORT void RelOutPortB(int32_t, uint32_t, uint8_t) {}
FAKE_EXPORT uint16_t RelInPort(int32_t, uint32_t) { return 0xFFFF; }
FAKE_EXPORT void RelOutPort(int32_t, uint32_t, uint16_t) {}
FAKE_EXPORT uint32_t RelInPortL(int32_t, uint32_t) { return 0xFFFFFFFFu; }
FAKE_EXPORT void RelOutPortL(int32_t, uint32_t, uint32_t) {}
FAKE_EXPORT uint32_t RelInPortDWord(int32_t, uint32_t) { return 0xFFFFFFFFu; }
FAKE_EXPORT void RelOutPortDWord(int32_t, uint32_t, uint32_t) {}
