#include "SetupCtrls/supporter/SetupSupporter.h"

#include "KELDRV/KelDrv.h"
#include "SetupCtrls/supporter/CardListLines.h"
#include "SetupCtrls/supporter/HelpDocument.h"
#include "SetupCtrls/supporter/HelpForm.h"
#include "SetupCtrls/supporter/PCIForm.h"
#include "SetupCtrls/supporter/TechForm.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/MainMenu.h"
#include "toolkit/Memo.h"
#include "toolkit/MenuItem.h"
#include "toolkit/Screen.h"

void TSetupSupporter::BuildHelpForm(TComponent* owner)
{
    THelpDocumentValues values;
    values.CompanyName = FCompanyName;
    values.CardName = CardName();
    values.bSeries = FbSeries;
    values.MultiPort = FMultiPort;
    values.CardListOffered = bool(FOnGetCardString);

    auto* form = new THelpForm(owner);
    FHelpForm = form;
    form->Build(BuildHelpDocument(values), HelpScreenFactor(Screen->Width(), Screen->Height()));
}

void TSetupSupporter::BuildTechForm(TComponent* owner)
{
    auto* form = new TTechForm(owner);
    FTechForm = form;
    form->Build(TechSupportText(FCompanyName, FCallHow), [this](TObject* Sender) { CloseButtonClick(Sender); });
}

void TSetupSupporter::AddCardListMenuEntry()
{
    TForm* main = Application->MainForm();
    TMainMenu* menu = main ? main->Menu() : nullptr;
    if (!menu)
        return;
    TMenuItem* bar = menu->Items();
    for (int i = 0; i < bar->Count(); ++i) {
        TMenuItem* fileItem = bar->Items(i);
        if (fileItem->Caption() != "&File")
            continue;
        auto* entry = new TMenuItem(fileItem);
        entry->SetName("DisplayPCI");
        entry->SetCaption("Display " + CardName() + " Cards Installed");
        entry->OnClick = [this](TObject* Sender) { ShowCardList(Sender); };
        fileItem->Insert(0, entry);
        return;
    }
}

bool TSetupSupporter::BuildCardList(TComponent* owner)
{
    AddCardListMenuEntry();
    auto* form = new TPCIForm(owner);
    FPCIForm = form;
    form->Build(CardName(), [this](TObject* Sender) { CloseButtonClick(Sender); });

    // What the list says should counting the cards fail half-way.
    TMemo* memo = form->PCIMemo();
    memo->SetText("No Card Found");

    InitDriverLibrary();
    // Zero when the driver or its GetNumCards is missing.
    const int32_t count = DriverCardCount();
    // A copy: the host may reassign its event while describing a card.
    const TPCIEvent describe = FOnGetCardString;
    const TCardListLines list = CollectCardLines(count, [&](int32_t card) { return describe(this, card); });
    memo->Lines().Assign(list.Lines);
    return list.Found;
}

void TSetupSupporter::ShowHelp()
{
    BuildWindows();
    // An already visible window stays where it is in the stacking order.
    if (THelpForm* form = HelpForm())
        form->SetVisible(true);
}

void TSetupSupporter::ShowTechSupport()
{
    BuildWindows();
    if (TTechForm* form = TechForm())
        form->SetVisible(true);
}

void TSetupSupporter::ShowCardList(TObject*)
{
    if (TPCIForm* form = PCIForm())
        form->Show();
}

void TSetupSupporter::CloseButtonClick(TObject* Sender)
{
    auto* control = dynamic_cast<TControl*>(Sender);
    if (control && control->Parent())
        control->Parent()->Hide();
}
