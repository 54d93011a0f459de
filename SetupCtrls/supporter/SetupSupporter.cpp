#include "SetupCtrls/supporter/SetupSupporter.h"

#include <exception>

#include "SetupCtrls/supporter/HelpForm.h"
#include "SetupCtrls/supporter/PCIForm.h"
#include "SetupCtrls/supporter/TechForm.h"
#include "toolkit/Application.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/MessageWindow.h"

namespace {
constexpr unsigned kTimerId = 1;
constexpr unsigned kTimerPeriodMs = 100;
} // namespace

TSetupSupporter::TSetupSupporter(TComponent* AOwner)
    : TComponent(AOwner), FWindowHandle(std::make_unique<TMessageWindow>([this](TMessage& m) { WndProc(m); }))
{
}

TSetupSupporter::~TSetupSupporter()
{
    // Only stop: restarting here for a pending help window could throw out of
    // the destructor when the system is short of timers.
    FCalibrating = false;
    FShowHelpPending = false;
    FWindowHandle->KillTimer(kTimerId);
    FWindowHandle.reset();
}

void TSetupSupporter::SetOnBeginCalib(TNotifyEvent value)
{
    FOnBeginCalib = std::move(value);
    UpdateTimer();
}

void TSetupSupporter::HookIdle()
{
    Application->OnIdle = [this](TObject* Sender, bool& Done) { AppIdle(Sender, Done); };
}

void TSetupSupporter::AppIdle(TObject* Sender, bool&)
{
    if (auto* app = dynamic_cast<TApplication*>(Sender))
        app->OnIdle = nullptr;
    BuildWindows();
}

void TSetupSupporter::BuildWindows()
{
    if (FWindowsBuilt || IsDesigning())
        return;
    // A build that fails half-way is not tried again.
    FWindowsBuilt = true;
    // The main window owns everything built here; without one, whoever owns
    // the supporter does.
    TComponent* owner = Application->MainForm();
    if (!owner)
        owner = Owner() ? Owner() : this;

    TLabel* header = BuildHeaderLabel(owner);
    BuildHelpForm(owner);
    BuildTechForm(owner);
    // The card list is optional: when it fails (a driver that raises, a host
    // whose description raises) the error is still shown, but only once the
    // header and the help window's timer are in place.
    bool cardFound = true;
    std::exception_ptr cardListError;
    if (FOnGetCardString) {
        try {
            cardFound = BuildCardList(owner);
        } catch (...) {
            cardListError = std::current_exception();
            cardFound = false;
        }
    }
    header->SetCaption(HeaderText(cardFound));

    FShowHelpPending = true;
    UpdateTimer();
    if (cardListError)
        std::rethrow_exception(cardListError);
}

TLabel* TSetupSupporter::BuildHeaderLabel(TComponent* owner)
{
    auto* label = new TLabel(owner);
    FHeaderLabel = label;
    label->SetName("HeaderLabel");
    label->SetParent(dynamic_cast<TWinControl*>(owner));
    label->SetAlign(alTop);
    label->SetAlignment(taCenter);
    TFont font = label->Font();
    font.SetName("Tahoma");
    font.SetSize(18);
    font.SetStyle(fsBold);
    font.SetColor(clBlack);
    label->SetFont(font);
    return label;
}

std::string TSetupSupporter::HeaderText(bool cardFound) const
{
    if (cardFound)
        return CardName() + (FbSeries ? " Series" : "") + " Settings Program";
    return "No " + CardName() + (FbSeries ? " Series Card" : "") + " Found";
}

void TSetupSupporter::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_TIMER) {
        Application->Guard(this, [this] { TimerTick(); });
        return;
    }
    Message.Result = TMessageWindow::DefWindowProc(Message);
}

void TSetupSupporter::UpdateTimer()
{
    FWindowHandle->KillTimer(kTimerId);
    if ((FCalibrating || FShowHelpPending) && !FWindowHandle->SetTimer(kTimerId, kTimerPeriodMs))
        throw EOutOfResources("Not enough timers available");
}

bool TSetupSupporter::TimerActive() const
{
    return FWindowHandle->TimerActive(kTimerId);
}

void TSetupSupporter::TimerTick()
{
    if (FShowHelpPending) {
        if (THelpForm* help = HelpForm())
            help->Show();
        FShowHelpPending = false;
        UpdateTimer();
        return;
    }
    CalibrationPass();
}
