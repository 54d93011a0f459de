#pragma once
// The help window: a heading, the colour code of the rings as rich text and a
// Start button that hides the window and opens the board's first ring.
#include <string>

#include "toolkit/Form.h"

class TRichEdit;
class TLabel;
class TButton;

// How much the help window grows on a large screen: the smaller of
// height / 450 and width / 800, never below 1.
double HelpScreenFactor(int screenWidth, int screenHeight);

class THelpForm : public TForm {
public:
    TK_CLASS_NAME(THelpForm)
    // An empty window; Build fills it.
    explicit THelpForm(TComponent* AOwner);

    // Creates the heading, the rich view with the RTF document and the Start
    // button, fits the window to them and enlarges it by screenFactor.
    void Build(const std::string& rtf, double screenFactor);

    TRichEdit* HelpRich() const { return FHelpRich; }
    TLabel* HelpLabel() const { return FHelpLabel; }
    // Never created: Start (and Esc) close the window.
    TButton* CloseButton() const { return FCloseButton; }
    TButton* StartButton() const { return FStartButton; }

    void StartButtonClick(TObject* Sender);

private:
    TRichEdit* FHelpRich = nullptr;
    TLabel* FHelpLabel = nullptr;
    TButton* FCloseButton = nullptr;
    TButton* FStartButton = nullptr;
};
