#include "SetupCtrls/board/RadioPanel.h"

#include "toolkit/Memo.h"

TRadioPanel::TRadioPanel(TComponent* AOwner) : TCustomPanel(AOwner)
{
    SetAnchors(akLeft | akTop);
    FFinalAnchors = akLeft | akTop;
    FInPopup = false;
    // The panel shows no caption, so its name must not become one.
    SetControlStyle(ControlStyle() & ~unsigned(csSetCaption));
    FRadioEnabled = false;
    SetBevelOuter(bvNone);
    SetHeight(100);
    SetWidth(194);
    FMemoHeight = 58;
    // Content waits, hidden, until a popup takes it in.
    SetVisible(false);
    FDesignHidden = false;
}

TRadioPanel::~TRadioPanel() = default;

void TRadioPanel::SetStatusMemo(TMemo* memo)
{
    FStatusMemo = TGuard<TMemo>(memo);
}

void TRadioPanel::SetLines(const TStringList& lines)
{
    if (&lines != &FLines)
        FLines.Assign(lines);
}

void TRadioPanel::SetFinalAnchors(TAnchors value)
{
    FFinalAnchors = value;
    if (FInPopup)
        SetAnchors(value);
}

void TRadioPanel::MoveIntoPopup(TWinControl* popup)
{
    SetParent(popup);
    SetAnchors(FFinalAnchors);
    FInPopup = true;
}

void TRadioPanel::Paint()
{
    // In a designer the panel would cover the board: it hides itself once and
    // is shown again only on request.
    if (IsDesigning() && !FDesignHidden) {
        SetVisible(false);
        FDesignHidden = true;
    }
    TCustomPanel::Paint();
}
