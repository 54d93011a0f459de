// A ring for keyboard and screen-reader users: the board's keyboard cursor
// rests on it, Enter or Space (or a screen reader's press) does what its menu
// entry does, a popup closed from the keyboard gives the keyboard back to its
// ring, and a screen reader hears the ring's title, its panel's text and
// whether its popup is open and pinned.
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/PopupForm.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "toolkit/MenuItem.h"
#include "toolkit/WinControl.h"

bool TBoardHighlight::KeyDown(int key, TShiftState shift)
{
    if ((key != VK_RETURN && key != VK_SPACE) || (shift & (ssAlt | ssCtrl)))
        return false;
    KeyboardPress();
    return true;
}

void TBoardHighlight::KeyboardPress()
{
    // The very entry the menu shows: it opens the popup pinned, or closes it
    // when it is ticked.
    if (TMenuItem* entry = FindTypeItemEntry(nullptr)) {
        entry->Click();
        return;
    }
    // A ring without a menu entry acts the same way.
    if (TPopupForm* popup = GroupPopup(); popup && GroupPinned()) {
        popup->Close();
        return;
    }
    MenuItemClick(this);
}

bool TBoardHighlight::AccessiblePress()
{
    KeyboardPress();
    return true;
}

TPopupForm* TBoardHighlight::GroupPopup() const
{
    if (TPopupForm* own = FPopup.Get())
        return own;
    if (!OnBoardImage())
        return nullptr;
    TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (IsGroupMember(parent->Controls(i)))
            if (TPopupForm* p = static_cast<TBoardHighlight*>(parent->Controls(i))->Popup())
                return p;
    return nullptr;
}

bool TBoardHighlight::GroupPinned() const
{
    TPopupForm* popup = GroupPopup();
    return popup && popup->Visible() && popup->Highlight() && popup->Highlight()->Pinned();
}

void TBoardHighlight::GetAccessibleInfo(TAccessibleInfo& info) const
{
    TGraphicControl::GetAccessibleInfo(info);
    info.Role = arPushButton;
    info.Name = FPlainTitle;
    info.Description.clear();
    if (TRadioPanel* panel = RadioPanel())
        for (int i = 0; i < panel->Lines().Count(); ++i)
            info.Description += (i ? " " : "") + panel->Lines().Strings(i);
    info.States |= asFocusable | asExpandable | asCheckable;
    if (TPopupForm* popup = GroupPopup(); popup && popup->Visible())
        info.States |= asExpanded;
    if (GroupPinned())
        info.States |= asChecked;
    info.Pressable = true;
}

void TBoardHighlight::AnnounceGroupState()
{
    if (!OnBoardImage()) {
        AccessibleChanged(acState);
        return;
    }
    ForEachMember(true, [](TBoardHighlight* m) { m->AccessibleChanged(acState); });
}

void TBoardHighlight::TakeKeyboardBack()
{
    TWinControl* board = Parent();
    if (!board)
        return;
    // The cursor stays on the member it rests on; otherwise it comes to this ring.
    TControl* current = board->FocusedChild();
    board->SetFocusedChild(current && IsGroupMember(current) ? current : this, true);
    board->FocusWhenIdle();
}
