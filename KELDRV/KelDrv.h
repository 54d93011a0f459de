#pragma once
// Binding to the KELDRV board driver library, loaded at run time.
//
// The library is optional: on a machine without the driver the program still
// runs and simply sees no cards. InitDriverLibrary() loads it once and fills
// one pointer per entry point; a pointer stays empty when the library or that
// export is missing, so every caller tests the pointer before calling through
// it. Once loaded, the library stays loaded until the process exits.
//
// The entry points are plain C functions. Only GetNumCards is called by this
// program; the other signatures describe the driver's interface as we use it
// elsewhere and are kept here so the whole table is resolved in one place.
// Card indexes are zero-based; int32_t results are 0 on success and a
// negative driver error code on failure unless noted otherwise.

#include <cstdint>

extern "C" {
// Number of cards the driver found, or a negative error code.
using TGetNumCards = int32_t (*)(void);
// Copies the driver's description of a card into the caller's buffer.
using TQueryCardInfo = int32_t (*)(int32_t card, void* info);
// Base address of one of a card's PCI base address registers.
using TQueryBARBase = int32_t (*)(int32_t card, int32_t bar, uint32_t* base);
// Block until the card raises an interrupt or the timeout elapses.
using TWaitForIRQ = int32_t (*)(int32_t card, uint32_t timeoutMs);
// Same for change-of-state interrupts; the changed inputs land in cosData.
using TCOSWaitForIRQ = int32_t (*)(int32_t card, uint32_t timeoutMs, void* cosData);
// Acknowledge and service a watchdog interrupt.
using TWDGHandleIRQ = int32_t (*)(int32_t card);
// Release a thread blocked in WaitForIRQ / COSWaitForIRQ on that card.
using TAbortRequest = int32_t (*)(int32_t card);
using TCloseCard = int32_t (*)(int32_t card);
using TWDGInit = int32_t (*)(int32_t card);
using TWDGSetTimeout = int32_t (*)(int32_t card, uint32_t timeoutMs);
using TWDGSetResetDuration = int32_t (*)(int32_t card, uint32_t durationMs);
// Restart the watchdog countdown.
using TWDGPet = int32_t (*)(int32_t card);
// Board temperature in degrees Celsius, or a negative error code.
using TWDGReadTemp = int32_t (*)(int32_t card);
// Watchdog status bits, or a negative error code.
using TWDGReadStatus = int32_t (*)(int32_t card);
using TWDGStart = int32_t (*)(int32_t card);
using TWDGStop = int32_t (*)(int32_t card);
// Resets the machine at once; returns only on failure.
using TEmergencyReboot = int32_t (*)(void);
// Absolute I/O port access: 8, 16 and 32 bits ("L" and "DWord" are both 32).
using TInPortB = uint8_t (*)(uint32_t port);
using TOutPortB = void (*)(uint32_t port, uint8_t value);
using TInPort = uint16_t (*)(uint32_t port);
using TOutPort = void (*)(uint32_t port, uint16_t value);
using TInPortL = uint32_t (*)(uint32_t port);
using TOutPortL = void (*)(uint32_t port, uint32_t value);
using TInPortDWord = uint32_t (*)(uint32_t port);
using TOutPortDWord = void (*)(uint32_t port, uint32_t value);
// I/O relative to a card's base address.
using TRelInPortB = uint8_t (*)(int32_t card, uint32_t offset);
using TRelOutPortB = void (*)(int32_t card, uint32_t offset, uint8_t value);
using TRelInPort = uint16_t (*)(int32_t card, uint32_t offset);
using TRelOutPort = void (*)(int32_t card, uint32_t offset, uint16_t value);
using TRelInPortL = uint32_t (*)(int32_t card, uint32_t offset);
using TRelOutPortL = void (*)(int32_t card, uint32_t offset, uint32_t value);
using TRelInPortDWord = uint32_t (*)(int32_t card, uint32_t offset);
using TRelOutPortDWord = void (*)(int32_t card, uint32_t offset, uint32_t value);
}

// True once every entry point below has been found in the loaded library.
extern bool DriverLibraryAvailable;

// One pointer per entry point, named after it; empty until found.
extern TGetNumCards GetNumCards;
extern TQueryCardInfo QueryCardInfo;
extern TQueryBARBase QueryBARBase;
extern TWaitForIRQ WaitForIRQ;
extern TCOSWaitForIRQ COSWaitForIRQ;
extern TWDGHandleIRQ WDGHandleIRQ;
extern TAbortRequest AbortRequest;
extern TCloseCard CloseCard;
extern TWDGInit WDGInit;
extern TWDGSetTimeout WDGSetTimeout;
extern TWDGSetResetDuration WDGSetResetDuration;
extern TWDGPet WDGPet;
extern TWDGReadTemp WDGReadTemp;
extern TWDGReadStatus WDGReadStatus;
extern TWDGStart WDGStart;
extern TWDGStop WDGStop;
extern TEmergencyReboot EmergencyReboot;
extern TInPortB InPortB;
extern TOutPortB OutPortB;
extern TInPort InPort;
extern TOutPort OutPort;
extern TInPortL InPortL;
extern TOutPortL OutPortL;
extern TInPortDWord InPortDWord;
extern TOutPortDWord OutPortDWord;
extern TRelInPortB RelInPortB;
extern TRelOutPortB RelOutPortB;
extern TRelInPort RelInPort;
extern TRelOutPort RelOutPort;
extern TRelInPortL RelInPortL;
extern TRelOutPortL RelOutPortL;
extern TRelInPortDWord RelInPortDWord;
extern TRelOutPortDWord RelOutPortDWord;

// Loads the driver library (by its bare platform file name, through the
// normal library search) and resolves every entry point. Does nothing when the
// library is already fully available. When the library cannot be loaded it
// returns quietly and leaves the flag and pointers as they were; when some
// exports are missing, the ones found are still usable and a later call tries
// again. Call it from the main thread before reading the pointers.
void InitDriverLibrary();

// Number of cards, or 0 when the driver offers no GetNumCards. Passes the
// driver's own answer through otherwise, negative error codes included.
int32_t DriverCardCount();

// Inspection helpers, mainly for tests.
constexpr int DriverEntryPointCount = 33;
// Entry-point names in the order InitDriverLibrary looks them up.
extern const char* const DriverEntryPointNames[DriverEntryPointCount];
// Current value of the pointer for DriverEntryPointNames[index]; nullptr for
// an empty pointer or an index out of range.
void* DriverEntryPointSlot(int index);
// How many times the library was successfully loaded in this process.
int DriverLibraryLoadCount();
// Clears the flag and every pointer. The library stays loaded: code may still
// hold addresses inside it, and unloading is never done in this program.
void ResetDriverLibraryForTesting();
