#include "SetupCtrls/supporter/TechForm.h"

#include "toolkit/Button.h"
#include "toolkit/Memo.h"

std::string TechSupportText(const std::string& companyName, const std::string& callHow)
{
    return "There are several ways to get technical support. First and fastest is to skim the relevant sections "
           "of the manual. However, some questions require personal assistance, and " +
           companyName + " stands ready to provide that help. You can call us " + callHow +
           " for any of your product questions.\r\n\r\n"
           "In order to provide the best and fastest support possible, we ask that you be at your computer when "
           "you call, and have the " +
           companyName + " product manual and Software Master CD at hand.";
}

TTechForm::TTechForm(TComponent* AOwner) : TForm(AOwner) {}

void TTechForm::Build(const std::string& text, TNotifyEvent closeClick)
{
    SetName("TechForm");
    SetCaption("Technical Support");
    SetFormStyle(fsStayOnTop);
    SetPosition(poDefaultPosOnly);

    FTechMemo = new TMemo(this);
    FTechMemo->SetName("TechMemo");
    FTechMemo->SetParent(this);
    FTechMemo->SetBounds(8, 8, 305, 89);
    FTechMemo->SetReadOnly(true);
    FTechMemo->SetScrollBars(ssVertical);
    FTechMemo->SetWordWrap(true);
    FTechMemo->SetText(text);

    FCloseButton = new TButton(this);
    FCloseButton->SetName("CloseButton");
    FCloseButton->SetParent(this);
    FCloseButton->SetBounds(165, 105, 73, 25);
    FCloseButton->SetCancel(true);
    FCloseButton->SetCaption("Close");
    FCloseButton->SetTabOrder(0);
    FCloseButton->OnClick = std::move(closeClick);

    FitToControls();

    FTechMemo->SetAnchors(akLeft | akTop | akRight | akBottom);
    FCloseButton->SetLeft((ClientWidth() - FCloseButton->Width()) / 2);
    FCloseButton->SetAnchors(akBottom);
}
