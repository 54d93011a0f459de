#pragma once
// Event types of the setup supporter and the per-channel controls that a
// calibration pass reports into.
#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/Object.h"

class TMemo;
class TButton;
class TControl;

// Describes card number CardIndex (counted from 0) for the card list.
using TPCIEvent = std::function<std::string(TObject* Sender, int32_t CardIndex)>;

// Reads one channel during a calibration pass. ItsAllBad starts True for the
// pass; the handler clears it once any channel answers sensibly.
using TCalibEvent = std::function<std::string(TObject* Sender, uint8_t Channel, bool& ItsAllBad)>;

// One host's set of controls for the channel results. Each member points at
// the place where the host keeps its control, so a control the host replaces
// later is still found; an empty place is skipped.
struct TChannelControlEntry {
    TMemo** ResultList = nullptr;     // line N shows channel N's result
    TButton** ChannelButton = nullptr; // becomes a Start button when a calibration ends
    TControl** HiddenControl = nullptr; // hidden at the start of every pass
    int32_t Reserved = 0;
};
