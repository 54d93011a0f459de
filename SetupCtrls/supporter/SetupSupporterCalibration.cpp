#include "SetupCtrls/supporter/SetupSupporter.h"

#include "toolkit/Button.h"
#include "toolkit/Memo.h"
#include "toolkit/WinApi.h"

namespace {
template <class T>
T* Follow(T** place)
{
    return place ? *place : nullptr;
}
} // namespace

void TSetupSupporter::SetCalibrating(bool value)
{
    if (value == FCalibrating)
        return;
    FCalibrating = value;
    UpdateTimer();
}

void TSetupSupporter::CalibrationPass()
{
    if (FOnBeginCalib)
        FOnBeginCalib(this);
    if (!FOnGetCalibString) {
        SetCalibrating(false);
        MessageBox("Error: calibration begun, but OnGetCalibString isn't assigned.", "OnGetCalibString Not Assigned",
                   MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST);
        EndCalibration();
        return;
    }
    for (const TChannelControlEntry& entry : FChannelControls)
        if (TControl* hidden = Follow(entry.HiddenControl))
            hidden->Hide();

    // A copy: the handler may reassign the event during the pass.
    const TCalibEvent read = FOnGetCalibString;
    bool itsAllBad = true;
    for (unsigned channel = 0; channel < FChannels; ++channel)
        ShowChannelResult(uint8_t(channel), read(this, uint8_t(channel), itsAllBad));
    if (!itsAllBad)
        return;

    // The timer stops before the box opens, so no pass runs while it is up.
    SetCalibrating(false);
    const int answer = MessageBox(
        "Total A/D failure. The card may not be installed, or it may be installed at a different base address.",
        "Total A/D failure", MB_RETRYCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2 | MB_SETFOREGROUND | MB_TOPMOST);
    if (answer == IDRETRY)
        SetCalibrating(true);
    else
        EndCalibration();
}

void TSetupSupporter::EndCalibration()
{
    if (FChangeButtons)
        for (const TChannelControlEntry& entry : FChannelControls)
            if (TButton* button = Follow(entry.ChannelButton)) {
                button->OnClick = FOnStartButtonClick;
                button->SetCaption("Start");
            }
    SetCalibrating(false);
}

void TSetupSupporter::ShowChannelResult(uint8_t Channel, const std::string& Text)
{
    const std::string line = "Channel " + std::to_string(unsigned(Channel)) + "\t" + Text;
    for (const TChannelControlEntry& entry : FChannelControls) {
        TMemo* list = Follow(entry.ResultList);
        if (!list)
            continue;
        // A list shorter than the channel number grows with empty lines.
        while (list->Lines().Count() <= Channel)
            list->Lines().Add("");
        list->Lines().Put(Channel, line);
    }
}
