#include "SetupCtrls/supporter/PCIForm.h"

#include "toolkit/Button.h"
#include "toolkit/Memo.h"

TPCIForm::TPCIForm(TComponent* AOwner) : TForm(AOwner) {}

void TPCIForm::Build(const std::string& cardName, TNotifyEvent closeClick)
{
    SetName("PCIForm");
    SetCaption(cardName + " Cards installed");
    SetFormStyle(fsStayOnTop);
    SetPosition(poDefaultPosOnly);
    // The list is on screen from start-up.
    SetVisible(true);

    FPCIMemo = new TMemo(this);
    FPCIMemo->SetName("PCIMemo");
    FPCIMemo->SetParent(this);
    FPCIMemo->SetBounds(8, 8, 305, 89);
    TFont font = FPCIMemo->Font();
    font.SetName("Tahoma");
    font.SetSize(10);
    font.SetStyle(fsBold);
    FPCIMemo->SetFont(font);
    FPCIMemo->SetReadOnly(true);
    FPCIMemo->SetScrollBars(ssVertical);

    FCloseButton = new TButton(this);
    FCloseButton->SetName("CloseButton");
    FCloseButton->SetParent(this);
    // Centred in the window as it is now; the fit below shifts it with the memo.
    FCloseButton->SetBounds((Width() - 73) / 2, 105, 73, 25);
    FCloseButton->SetCancel(true);
    FCloseButton->SetCaption("Close");
    FCloseButton->SetTabOrder(0);
    FCloseButton->OnClick = std::move(closeClick);

    FitToControls();

    FPCIMemo->SetAnchors(akLeft | akTop | akRight | akBottom);
    FCloseButton->SetAnchors(akBottom);
}
