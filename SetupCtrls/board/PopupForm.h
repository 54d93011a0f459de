#pragma once
// The stay-on-top window a highlight opens. It tells the highlight when it
// becomes or stops being the active window, and closes itself when the pointer
// leaves it after having come in from the ring.
#include "toolkit/Component.h"
#include "toolkit/Form.h"

class TBoardHighlight;
class TStatusBar;

class TPopupForm : public TForm {
public:
    TK_CLASS_NAME(TPopupForm)
    TPopupForm(TComponent* AOwner, TBoardHighlight* highlight);
    ~TPopupForm() override;

    // The highlight that built the popup.
    TBoardHighlight* Highlight() const { return FHighlight.Get(); }
    bool CloseOnLeave() const { return FCloseOnLeave; }
    void SetCloseOnLeave(bool value) { FCloseOnLeave = value; }
    TStatusBar* PopupStatus() const { return FPopupStatus.Get(); }
    void SetPopupStatus(TStatusBar* bar);

    void Activated(bool active) override;

protected:
    // Shown or hidden: the rings hear of it; hidden from the keyboard, the
    // keyboard goes back to the ring.
    void VisibleChanged() override;

public:
    void WndProc(TMessage& message) override;

private:
    TGuard<TBoardHighlight> FHighlight;
    TGuard<TStatusBar> FPopupStatus;
    bool FCloseOnLeave = false;
};
