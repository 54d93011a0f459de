#pragma once
// The technical-support window: how to reach the maker's support line.
#include <string>

#include "toolkit/Form.h"

class TMemo;
class TButton;

// The support text with the maker's name and the phrase that follows
// "You can call us" filled in: a paragraph, an empty line, a paragraph.
std::string TechSupportText(const std::string& companyName, const std::string& callHow);

class TTechForm : public TForm {
public:
    TK_CLASS_NAME(TTechForm)
    // An empty window; Build fills it.
    explicit TTechForm(TComponent* AOwner);

    // Creates the memo with the text and the Close button (which runs
    // closeClick), fits the window to them and centres the button.
    void Build(const std::string& text, TNotifyEvent closeClick);

    TMemo* TechMemo() const { return FTechMemo; }
    TButton* CloseButton() const { return FCloseButton; }

private:
    TMemo* FTechMemo = nullptr;
    TButton* FCloseButton = nullptr;
};
