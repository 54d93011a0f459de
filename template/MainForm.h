#pragma once
// The utility's main window: the board photograph with its rings, the hidden
// content panels of their popups, the menu and the setup supporter. Every
// board-specific word, number and picture is in its definition.
#include "toolkit/Form.h"

class TMainMenu;
class TMenuItem;
class TBoardImage;
class TBoardHighlight;
class TRadioPanel;
class TSetupSupporter;
class TRadioButton;
class TImage;
class TThreeJumper;
class TLabel;

class TMainForm : public TForm {
public:
    TK_CLASS_NAME(TMainForm)
    // Builds the window from its definition; FormCreate runs last.
    explicit TMainForm(TComponent* AOwner);

    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* Howtousethisprogram1 = nullptr;
    TMenuItem* Exit2 = nullptr;
    TMenuItem* TechnicalSupport1 = nullptr;
    TBoardImage* BoardImage1 = nullptr;
    TRadioPanel* PowerPanel = nullptr;
    TBoardHighlight* PowerHighlight = nullptr;
    TSetupSupporter* SetSup = nullptr;
    TRadioButton* BusPowerRadio = nullptr;
    TRadioButton* ExtPowerRadio = nullptr;
    TImage* Image1 = nullptr;
    TRadioPanel* USBPanel = nullptr;
    TThreeJumper* BusPowerJumper = nullptr;
    TBoardHighlight* LedHighlight = nullptr;
    TRadioPanel* LEDPanel = nullptr;
    TRadioPanel* DCINPanel = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TBoardHighlight* USBHighlight = nullptr;
    TBoardHighlight* DCINHighlight = nullptr;

    void Exit2Click(TObject* Sender);
    void FormCreate(TObject* Sender);
    void Howtousethisprogram1Click(TObject* Sender);
    void TechnicalSupport1Click(TObject* Sender);
    void BusPowerJumperClick(TObject* Sender);
    void BusPowerRadioClick(TObject* Sender);

private:
    void LoadDefinition();
};

extern TMainForm* MainForm;
