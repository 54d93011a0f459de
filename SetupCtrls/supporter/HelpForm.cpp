#include "SetupCtrls/supporter/HelpForm.h"

#include <algorithm>
#include <cmath>

#include "SetupCtrls/board/BoardImage.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Label.h"
#include "toolkit/RichEdit.h"

namespace {
// Nearest integer, a half going to the even neighbour.
int RoundEven(double value)
{
    return int(std::nearbyint(value));
}
} // namespace

double HelpScreenFactor(int screenWidth, int screenHeight)
{
    const double factor = std::min(double(screenHeight) / 450.0, double(screenWidth) / 800.0);
    return factor < 1.0 ? 1.0 : factor;
}

THelpForm::THelpForm(TComponent* AOwner) : TForm(AOwner) {}

void THelpForm::Build(const std::string& rtf, double screenFactor)
{
    SetName("HelpForm");
    SetCaption("Instructions for Settings utility");
    SetFormStyle(fsStayOnTop);
    SetPosition(poMainFormCenter);

    FHelpLabel = new TLabel(this);
    FHelpLabel->SetName("HelpLabel");
    FHelpLabel->SetParent(this);
    FHelpLabel->SetAlign(alTop);
    FHelpLabel->SetAlignment(taCenter);
    FHelpLabel->SetCaption("How to use this program");
    TFont labelFont = FHelpLabel->Font();
    labelFont.SetName("Verdana");
    labelFont.SetSize(12);
    labelFont.SetStyle(fsBold);
    FHelpLabel->SetFont(labelFont);

    FHelpRich = new TRichEdit(this);
    FHelpRich->SetName("HelpRich");
    FHelpRich->SetParent(this);
    FHelpRich->SetBounds(0, 24, 305, 73);
    FHelpRich->SetReadOnly(true);
    FHelpRich->SetScrollBars(ssVertical);
    FHelpRich->SetColor(RGB(221, 221, 221));
    FHelpRich->LoadRichText(rtf);

    FStartButton = new TButton(this);
    FStartButton->SetName("StartButton");
    FStartButton->SetParent(this);
    FStartButton->SetDefault(true);
    FStartButton->SetCancel(true);
    FStartButton->SetBounds(FStartButton->Left(), 105, 173, 25);
    FStartButton->SetCaption("Start");
    FStartButton->SetTabOrder(0);
    FStartButton->OnClick = [this](TObject* Sender) { StartButtonClick(Sender); };

    SetClientWidth(FHelpRich->Width());
    FitToControls();
    SetClientHeight(ClientHeight() + 8);

    FHelpRich->SetAnchors(akLeft | akTop | akRight | akBottom);
    FStartButton->SetLeft((ClientWidth() - FStartButton->Width()) / 2);
    FStartButton->SetAnchors(akBottom);

    // The anchors lay the controls out in the larger area; fonts keep their size.
    SetClientWidth(RoundEven(ClientWidth() * screenFactor));
    SetClientHeight(RoundEven(ClientHeight() * screenFactor));
}

void THelpForm::StartButtonClick(TObject*)
{
    Hide();
    TForm* main = Application->MainForm();
    if (!main)
        return;
    for (int i = 0; i < main->ControlCount(); ++i) {
        if (auto* board = dynamic_cast<TBoardImage*>(main->Controls(i))) {
            board->Perform(WM_SETUP_START, 0, 0);
            return;
        }
    }
}
