#pragma once
// The setup supporter: a non-visual component on the main window that carries
// the product wording and, at the first idle moment, builds the header line,
// the help, technical-support and card-list windows. A 100 ms timer on a
// hidden message window shows the help window once and drives calibration
// passes, which read one text per channel from the host.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "SetupCtrls/supporter/SupporterEvents.h"
#include "toolkit/Component.h"
#include "toolkit/Types.h"

class TLabel;
class TMessageWindow;
class THelpForm;
class TTechForm;
class TPCIForm;

class TSetupSupporter : public TComponent {
public:
    TK_CLASS_NAME(TSetupSupporter)
    explicit TSetupSupporter(TComponent* AOwner);
    ~TSetupSupporter() override;

    const std::string& CompanyName() const { return FCompanyName; }
    void SetCompanyName(const std::string& value) { FCompanyName = value; }
    const std::string& CardNameA() const { return FCardNameA; }
    void SetCardNameA(const std::string& value) { FCardNameA = value; }
    const std::string& CardNameB() const { return FCardNameB; }
    void SetCardNameB(const std::string& value) { FCardNameB = value; }
    bool UseCardNameB() const { return FUseCardNameB; }
    void SetUseCardNameB(bool value) { FUseCardNameB = value; }
    const std::string& CallHow() const { return FCallHow; }
    void SetCallHow(const std::string& value) { FCallHow = value; }
    bool MultiPort() const { return FMultiPort; }
    void SetMultiPort(bool value) { FMultiPort = value; }
    uint8_t Channels() const { return FChannels; }
    void SetChannels(uint8_t value) { FChannels = value; }
    bool ChangeButtons() const { return FChangeButtons; }
    void SetChangeButtons(bool value) { FChangeButtons = value; }
    bool bSeries() const { return FbSeries; }
    void SetbSeries(bool value) { FbSeries = value; }
    // CardNameB when UseCardNameB, else CardNameA.
    const std::string& CardName() const { return FUseCardNameB ? FCardNameB : FCardNameA; }

    const TNotifyEvent& OnBeginCalib() const { return FOnBeginCalib; }
    // Restarts the timer's period; assigning the event starts nothing by itself.
    void SetOnBeginCalib(TNotifyEvent value);
    const TPCIEvent& OnGetCardString() const { return FOnGetCardString; }
    void SetOnGetCardString(TPCIEvent value) { FOnGetCardString = std::move(value); }
    const TCalibEvent& OnGetCalibString() const { return FOnGetCalibString; }
    void SetOnGetCalibString(TCalibEvent value) { FOnGetCalibString = std::move(value); }
    const TNotifyEvent& OnStopButtonClick() const { return FOnStopButtonClick; }
    void SetOnStopButtonClick(TNotifyEvent value) { FOnStopButtonClick = std::move(value); }
    const TNotifyEvent& OnStartButtonClick() const { return FOnStartButtonClick; }
    void SetOnStartButtonClick(TNotifyEvent value) { FOnStartButtonClick = std::move(value); }

    // Makes AppIdle the application's idle handler (the main window's
    // creation handler calls this).
    void HookIdle();
    // Unhooks itself from Sender (the application), then builds the windows.
    void AppIdle(TObject* Sender, bool& Done);

    // The Help menu's commands. Chosen before the first idle moment they build
    // the windows at once, so the command still shows its window.
    void ShowHelp();
    void ShowTechSupport();
    // The card-list entry's command.
    void ShowCardList(TObject* Sender);
    // Hides the window holding the Close button that was clicked.
    void CloseButtonClick(TObject* Sender);

    // The hidden window's message procedure: WM_TIMER runs a tick.
    void WndProc(TMessage& Message);
    // Stops the timer and restarts its 100 ms period while anything is due.
    void UpdateTimer();
    void TimerTick();

    bool Calibrating() const { return FCalibrating; }
    void SetCalibrating(bool value);
    void EndCalibration();
    void ShowChannelResult(uint8_t Channel, const std::string& Text);
    // Controls that receive the channel results (the host fills this).
    void AddChannelControls(const TChannelControlEntry& entry) { FChannelControls.push_back(entry); }
    const std::vector<TChannelControlEntry>& ChannelControls() const { return FChannelControls; }

    bool ShowHelpPending() const { return FShowHelpPending; }
    bool TimerActive() const;
    bool WindowsBuilt() const { return FWindowsBuilt; }
    TLabel* HeaderLabel() const { return FHeaderLabel.Get(); }
    THelpForm* HelpForm() const { return FHelpForm.Get(); }
    TTechForm* TechForm() const { return FTechForm.Get(); }
    TPCIForm* PCIForm() const { return FPCIForm.Get(); }

private:
    void BuildWindows();
    TLabel* BuildHeaderLabel(TComponent* owner);
    void BuildHelpForm(TComponent* owner);
    void BuildTechForm(TComponent* owner);
    // Card-list menu entry, window and card count; true when a card was found.
    bool BuildCardList(TComponent* owner);
    void AddCardListMenuEntry();
    std::string HeaderText(bool cardFound) const;
    void CalibrationPass();

    std::string FCompanyName;
    std::string FCardNameA;
    std::string FCardNameB;
    bool FUseCardNameB = false;
    std::string FCallHow;
    bool FMultiPort = false;
    uint8_t FChannels = 8;
    bool FChangeButtons = true;
    bool FbSeries = true;
    TNotifyEvent FOnBeginCalib;
    TPCIEvent FOnGetCardString;
    TCalibEvent FOnGetCalibString;
    TNotifyEvent FOnStopButtonClick;
    TNotifyEvent FOnStartButtonClick;

    bool FShowHelpPending = false;
    bool FCalibrating = false;
    bool FWindowsBuilt = false;
    std::unique_ptr<TMessageWindow> FWindowHandle;
    // The main window owns these; it may destroy them before the supporter.
    TGuard<TLabel> FHeaderLabel;
    TGuard<TPCIForm> FPCIForm;
    TGuard<THelpForm> FHelpForm;
    TGuard<TTechForm> FTechForm;
    std::vector<TChannelControlEntry> FChannelControls;
};
