#pragma once
// The card-list window: one line per installed card, as the host describes it.
#include <string>

#include "toolkit/Form.h"

class TMemo;
class TButton;

class TPCIForm : public TForm {
public:
    TK_CLASS_NAME(TPCIForm)
    // An empty window; Build fills it.
    explicit TPCIForm(TComponent* AOwner);

    // Shows the window at once, then adds the memo and the Close button
    // (which runs closeClick) and fits the window to them.
    void Build(const std::string& cardName, TNotifyEvent closeClick);

    TMemo* PCIMemo() const { return FPCIMemo; }
    TButton* CloseButton() const { return FCloseButton; }

private:
    TMemo* FPCIMemo = nullptr;
    TButton* FCloseButton = nullptr;
};
