#include "SetupCtrls/board/PopupForm.h"

#include "SetupCtrls/board/BoardHighlight.h"
#include "toolkit/Application.h"
#include "toolkit/StatusBar.h"
#include "toolkit/WinApi.h"

TPopupForm::TPopupForm(TComponent* AOwner, TBoardHighlight* highlight) : TForm(AOwner), FHighlight(highlight) {}

TPopupForm::~TPopupForm() = default;

void TPopupForm::SetPopupStatus(TStatusBar* bar)
{
    FPopupStatus = TGuard<TStatusBar>(bar);
}

void TPopupForm::Activated(bool active)
{
    TGuard<TPopupForm> self(this);
    if (TBoardHighlight* h = FHighlight.Get())
        h->SetPopupActive(active);
    // The panel's activation events, which the popup took over.
    if (self.Alive())
        TForm::Activated(active);
}

void TPopupForm::VisibleChanged()
{
    TGuard<TPopupForm> self(this);
    TForm::VisibleChanged();
    TBoardHighlight* h = self.Alive() ? FHighlight.Get() : nullptr;
    if (!h)
        return;
    TGuard<TBoardHighlight> ring(h);
    h->AnnounceGroupState();
    if (ring.Alive() && self.Alive() && !Visible() && Application->HandlingKeyboard())
        h->TakeKeyboardBack();
}

void TPopupForm::WndProc(TMessage& message)
{
    if (message.Msg == CM_MOUSELEAVE) {
        // Every control inside passes its leave on to the popup, so only a
        // pointer off the whole window (frame and caption bar included) counts.
        TPoint p = GetCursorPos();
        bool inside = PtInRect(Rect(0, 0, Width(), Height()), TPoint{p.X - Left(), p.Y - Top()});
        if (!inside && FCloseOnLeave) {
            Close();
            return;
        }
    }
    TForm::WndProc(message);
}
