#include <algorithm>
#include <cstring>

#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardImage.h"
#include "SetupCtrls/board/BoardLayout.h"
#include "SetupCtrls/board/PopupForm.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "toolkit/Button.h"
#include "toolkit/Memo.h"
#include "toolkit/Screen.h"
#include "toolkit/StatusBar.h"

namespace {
// Room under the panel: a 1-pixel gap, 6 above the buttons, the buttons (25)
// and the status bar (19).
constexpr int BelowMemo = 51;
constexpr int DefaultMemoHeight = 58;
constexpr int MinPopupWidth = 194;
constexpr int MinPopupHeight = 122;
constexpr int BarePopupWidth = 194;
constexpr int BarePopupHeight = 141;
// Without a content panel the popup sits this far below the board.
constexpr int BareGapBelowBoard = 38;
constexpr int ButtonWidth = 58;
constexpr int ButtonHeight = 25;
constexpr int StatusHeight = 19;

TButton* AddButton(TPopupForm* popup, const char* name, const char* caption, int left, int top, TAnchors anchors,
                   TNotifyEvent onClick)
{
    auto* button = new TButton(popup);
    button->SetName(name);
    button->SetParent(popup);
    button->SetBounds(left, top, ButtonWidth, ButtonHeight);
    button->SetCaption(caption);
    button->SetAnchors(anchors);
    button->OnClick = std::move(onClick);
    return button;
}
} // namespace

void TBoardHighlight::ShowPopup()
{
    if (TPopupForm* popup = FPopup.Get()) {
        // Shown again where the user last left it, no longer pinned.
        if (!popup->Visible())
            FPinned = false;
        popup->Show();
        return;
    }

    // The group's popup may belong to another member: it is known by caption and tag.
    const intptr_t tag = FHighlightType;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TForm* form = Screen->Forms(i);
        if (form->Caption() == FPlainTitle && form->Tag() == tag)
            return;
    }

    auto* popup = new TPopupForm(this, this);
    FPopup = TGuard<TPopupForm>(popup);
    popup->SetAutoScroll(false);
    popup->SetBorderStyle(bsSizeToolWin);
    popup->SetFormStyle(fsStayOnTop);
    FPinned = false;

    TRadioPanel* panel = RadioPanel();
    int memoHeight = DefaultMemoHeight;
    int panelLeft = 0, panelTop = 0;
    if (panel) {
        memoHeight = panel->MemoHeight();
        popup->OnActivate = panel->OnActivate;
        popup->OnDeactivate = panel->OnDeactivate;
        panelLeft = panel->Left();
        panelTop = panel->Top();
        panel->SetBounds(0, 0, panel->Width(), panel->Height());
        panel->SetVisible(true);
        popup->SetClientSize(panel->Width(), panel->Height() + memoHeight + BelowMemo);
        panel->MoveIntoPopup(popup);
    } else {
        popup->SetBounds(popup->Left(), popup->Top(), BarePopupWidth, BarePopupHeight);
    }

    popup->SetCaption(FPlainTitle);
    popup->SetWidth(std::max(MinPopupWidth, popup->Width()));
    popup->SetHeight(std::max(MinPopupHeight, popup->Height()));
    popup->SetConstraints(popup->Width(), popup->Height());
    popup->SetTag(tag);
    popup->SetPosition(poDesigned);

    // Where the panel was designed, moved by as much as the board has moved
    // from its own design position; on a zoomed board the distances shrink
    // with it, the popup keeps its size.
    TWinControl* board = Parent();
    int dx = 0, dy = 0;
    double zoom = 1.0;
    if (panel && board && std::strcmp(board->ClassName(), "TBoardImage") == 0) {
        auto* image = static_cast<TBoardImage*>(board);
        dx = image->DesignLeft() - panelLeft;
        dy = image->DesignTop() - panelTop;
        zoom = image->Zoom();
    }
    const int boardLeft = board ? board->Left() : 0;
    int boardTop = board ? board->Top() : 0;
    if (!panel) {
        // Below the board's bottom edge as it is now, by a gap that shrinks with it.
        boardTop += board ? board->Height() : 0;
        dy = -BareGapBelowBoard;
        zoom = board ? board->Zoom() : 1.0;
    }
    const TPoint designed = DesignedPopupPosition(boardLeft, boardTop, dx, dy, zoom);
    popup->SetLeft(designed.X);
    popup->SetTop(designed.Y);

    popup->OnClose = [self = TGuard<TBoardHighlight>(this)](TObject* sender, TCloseAction& action) {
        if (TBoardHighlight* h = self.Get())
            h->PopupClosed(sender, action);
    };

    const int w = popup->ClientWidth(), h = popup->ClientHeight();
    auto* status = new TStatusBar(popup);
    status->SetName("PopupStatus");
    status->SetAlign(alNone);
    status->SetParent(popup);
    status->SetBounds(0, h - StatusHeight, w, StatusHeight);
    status->SetAnchors(akLeft | akRight | akBottom);
    TStatusPanel& statusPanel = status->AddPanel();
    statusPanel.Bevel = pbNone;
    statusPanel.Text.clear();
    popup->SetPopupStatus(status);

    const TGuard<TBoardHighlight> self(this);
    const int buttonTop = h - 44;
    AddButton(popup, "PreviousButton", "Previous", 6, buttonTop, akLeft | akBottom, [self](TObject* s) {
        if (TBoardHighlight* hl = self.Get())
            hl->PreviousClick(s);
    });
    AddButton(popup, "NextButton", "Next", (w - ButtonWidth) / 2, buttonTop, akBottom, [self](TObject* s) {
        if (TBoardHighlight* hl = self.Get())
            hl->NextClick(s);
    });
    TButton* done = AddButton(popup, "DoneButton", "Done", w - 64, buttonTop, akRight | akBottom, [self](TObject* s) {
        if (TBoardHighlight* hl = self.Get())
            hl->DoneClick(s);
    });
    // Esc closes the popup as Done does.
    done->SetCancel(true);

    auto* memo = new TMemo(popup);
    memo->SetName("StatusMemo");
    memo->SetParent(popup);
    memo->SetBounds(6, h - 50 - memoHeight, w - 12, memoHeight);
    memo->SetAnchors(akLeft | akTop | akRight | akBottom);
    memo->SetReadOnly(true);
    memo->SetScrollBars(ssVertical);
    memo->SetText("");
    if (panel) {
        memo->Lines().Assign(panel->Lines());
        panel->SetStatusMemo(memo);
    }

    // Keep the popup on the screen, one correction per axis.
    const TPoint kept = KeepOnScreen(TPoint{popup->Left(), popup->Top()}, popup->Width(), popup->Height(), Screen->Width(),
                                     Screen->Height());
    popup->SetLeft(kept.X);
    popup->SetTop(kept.Y);

    TGuard<TPopupForm> popupGuard(popup);
    TGuard<TRadioPanel> panelGuard(panel);
    TGuard<TButton> doneGuard(done);
    popup->Show();
    if (!popupGuard.Alive() || !popup->Visible())
        return;
    if (TRadioPanel* p = panelGuard.Get())
        p->SetFocus();
    else if (TButton* d = doneGuard.Get(); d && !panel)
        d->SetFocus();
}

void TBoardHighlight::DoneClick(TObject*)
{
    if (TPopupForm* popup = FPopup.Get())
        popup->Close();
}
