#include "template/MainForm.h"

#include "SetupCtrls/jumper/ThreeJumper.h"
#include "SetupCtrls/supporter/SetupSupporter.h"
#include "toolkit/RadioButton.h"

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    LoadDefinition();
    EndLoading();
    DoCreate();
}

void TMainForm::Exit2Click(TObject*)
{
    Close();
}

void TMainForm::FormCreate(TObject*)
{
    SetSup->HookIdle();
}

void TMainForm::Howtousethisprogram1Click(TObject*)
{
    SetSup->ShowHelp();
}

void TMainForm::TechnicalSupport1Click(TObject*)
{
    SetSup->ShowTechSupport();
}

// The jumper has already moved when its click arrives; the radio buttons follow.
void TMainForm::BusPowerJumperClick(TObject*)
{
    if (BusPowerJumper->JumperState() == jsRight)
        BusPowerRadio->SetChecked(true);
    else
        ExtPowerRadio->SetChecked(true);
}

void TMainForm::BusPowerRadioClick(TObject*)
{
    BusPowerJumper->SetJumperState(BusPowerRadio->Checked() ? jsRight : jsLeft);
}
