#include <cstring>
#include <vector>

#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/PopupForm.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "toolkit/WinApi.h"
#include "toolkit/WinControl.h"

namespace {
bool HasClassName(const TObject* object, const char* name)
{
    return object && std::strcmp(object->ClassName(), name) == 0;
}

// A child of exactly the ring class (a derived class does not count).
TBoardHighlight* AsPlainHighlight(TControl* control)
{
    if (!HasClassName(control, "TBoardHighlight"))
        return nullptr;
    return dynamic_cast<TBoardHighlight*>(control);
}

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
} // namespace

// ---- Groups -----------------------------------------------------------------

bool TBoardHighlight::OnBoardImage() const
{
    return HasClassName(Parent(), "TBoardImage");
}

bool TBoardHighlight::IsGroupMember(const TControl* control) const
{
    if (control == this)
        return true;
    if (!control || control->Parent() != Parent() || !OnBoardImage())
        return false;
    if (!HasClassName(this, "TBoardHighlight") || !HasClassName(control, "TBoardHighlight"))
        return false;
    auto* other = dynamic_cast<const TBoardHighlight*>(control);
    return other && other->Title() == FTitle && other->HighlightType() == FHighlightType;
}

void TBoardHighlight::ForEachMember(bool includeSelf, const std::function<void(TBoardHighlight*)>& action)
{
    // A ring that is not on a board image acts alone: it has no group to walk.
    if (!OnBoardImage())
        return;
    TGuard<TBoardHighlight> self(this);
    // The members are fixed before acting: an action may bring rings to the
    // front, close popups or run nested walks, and every member must still be
    // reached exactly once.
    std::vector<TGuard<TBoardHighlight>> members;
    TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (c == this ? includeSelf : IsGroupMember(c))
            members.emplace_back(static_cast<TBoardHighlight*>(c));
    }
    for (const TGuard<TBoardHighlight>& member : members) {
        if (!self.Alive())
            return;
        TBoardHighlight* m = member.Get();
        if (!m || !IsGroupMember(m))
            continue;
        action(m);
    }
}

// ---- Pointer ----------------------------------------------------------------

void TBoardHighlight::WndProc(TMessage& message)
{
    // Handled here and not passed on: the board image has no use for them.
    if (message.Msg == CM_MOUSEENTER) {
        CMMouseEnter(message.WParam);
        return;
    }
    if (message.Msg == CM_MOUSELEAVE) {
        CMMouseLeave(message.WParam);
        return;
    }
    TGraphicControl::WndProc(message);
}

void TBoardHighlight::CMMouseEnter(intptr_t marker)
{
    if (FLit)
        return;
    FLit = true;
    Invalidate();
    TGuard<TBoardHighlight> self(this);
    if (FCreatePopup)
        ShowPopup();
    if (!self.Alive() || marker == 1 || !OnBoardImage())
        return;
    ForEachMember(true, [](TBoardHighlight* m) { m->Perform(CM_MOUSEENTER, 1, 0); });
}

void TBoardHighlight::CMMouseLeave(intptr_t marker)
{
    if (!FLit)
        return;
    TGuard<TBoardHighlight> self(this);
    TPopupForm* popup = FPopup.Get();
    if (popup && !FPinned) {
        const TPoint p = GetCursorPos();
        const TPoint rel{p.X - popup->Left(), p.Y - popup->Top()};
        // A hidden popup is nowhere: the pointer cannot have moved into it.
        if (popup->Visible() && PtInRect(Rect(0, 0, popup->Width(), popup->Height()), rel)) {
            // From the ring into its popup: it stays until the pointer leaves it.
            popup->SetCloseOnLeave(true);
            PinGroup();
        } else {
            popup->Close();
        }
    }
    if (!self.Alive() || marker == 1 || !OnBoardImage())
        return;
    ForEachMember(true, [](TBoardHighlight* m) { m->Perform(CM_MOUSELEAVE, 1, 0); });
}

void TBoardHighlight::Click()
{
    TGuard<TBoardHighlight> self(this);
    TGraphicControl::Click();
    if (self.Alive())
        PinGroup();
}

// ---- Pinning and activation ---------------------------------------------------

void TBoardHighlight::PinGroup()
{
    TGuard<TBoardHighlight> self(this);
    if (FPopup.Get()) {
        FPinned = true;
        CheckMenuEntry(true);
    }
    if (self.Alive())
        ForEachMember(true, [](TBoardHighlight* m) { m->PinPopup(); });
    if (self.Alive())
        AnnounceGroupState();
}

void TBoardHighlight::PinPopup()
{
    TPopupForm* popup = FPopup.Get();
    if (!popup)
        return;
    TGuard<TBoardHighlight> self(this);
    if (!popup->Visible()) {
        // Closed while the pointer rested on the ring, then the ring was
        // clicked: the user wants it back, so the group lights and the popup
        // shows again, pinned below.
        if (!FLit)
            CMMouseEnter(0);
        if (!self.Alive())
            return;
        popup = FPopup.Get();
        if (popup && !popup->Visible())
            popup->Show();
        if (!self.Alive())
            return;
    }
    FPinned = true;
    CheckMenuEntry(true);
    if (!self.Alive())
        return;
    if (TPopupForm* p = FPopup.Get())
        p->SetFocus();
}

void TBoardHighlight::SetPopupActive(bool active)
{
    SetActiveState(active, true);
}

void TBoardHighlight::SetActiveState(bool active, bool group)
{
    FPopupActive = active;
    BringToFront();
    Invalidate();
    if (group && OnBoardImage())
        ForEachMember(false, [active](TBoardHighlight* m) { m->SetActiveState(active, false); });
}

void TBoardHighlight::PopupClosed(TObject*, TCloseAction&)
{
    TGuard<TBoardHighlight> self(this);
    CheckMenuEntry(false);
    if (!self.Alive())
        return;
    if (TPopupForm* popup = FPopup.Get())
        popup->SetCloseOnLeave(false);
    Unlight();
    ForEachMember(true, [](TBoardHighlight* m) { m->Unlight(); });
}

void TBoardHighlight::Unlight()
{
    FLit = false;
    Invalidate();
}

// ---- Title ------------------------------------------------------------------

void TBoardHighlight::SetTitle(const std::string& value)
{
    if (value == FTitle)
        return;
    FTitle = value;
    FPlainTitle = StripAmpersands(value);
    FIdentTitle = MakeIdentifier(value);
}

std::string TBoardHighlight::StripAmpersands(const std::string& s)
{
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != '&')
            out += c;
    return out;
}

std::string TBoardHighlight::MakeIdentifier(const std::string& s)
{
    size_t start = 0;
    while (start < s.size() && !IsAsciiLetter(s[start]) && s[start] != '_')
        ++start;
    std::string out;
    if (start == s.size())
        return out;
    out += s[start];
    for (size_t i = start + 1; i < s.size(); ++i)
        if (IsAsciiLetter(s[i]) || IsAsciiDigit(s[i]) || s[i] == '_')
            out += s[i];
    return out;
}

// ---- Content panel ------------------------------------------------------------

void TBoardHighlight::SetRadioPanel(TRadioPanel* value)
{
    if (value == FRadioPanel.Get())
        return;
    if (!value) {
        FRadioPanel = TGuard<TRadioPanel>();
        return;
    }
    TWinControl* parent = Parent();
    // A panel serves one group only; a ring without a parent has no siblings
    // to conflict with and takes the panel.
    if (parent) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            TBoardHighlight* other = AsPlainHighlight(parent->Controls(i));
            if (!other || other == this || other->RadioPanel() != value)
                continue;
            if (other->Title() == FTitle && other->HighlightType() == FHighlightType)
                continue;
            if (parent->IsDesigning())
                MessageBox(value->Name() + " has already been assigned to " + other->Name() + ".", "Error", MB_OK | MB_ICONSTOP);
            return;
        }
    }
    FRadioPanel = TGuard<TRadioPanel>(value);
    if (!parent || !IsDesigning() || IsLoading())
        return;
    // In a designer, offer to give the rest of the group the same panel.
    std::vector<TGuard<TBoardHighlight>> members;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TBoardHighlight* other = AsPlainHighlight(parent->Controls(i));
        if (other && other != this && other->Title() == FTitle && other->HighlightType() == FHighlightType)
            members.emplace_back(other);
    }
    TGuard<TBoardHighlight> self(this);
    TGuard<TRadioPanel> panel(value);
    for (const TGuard<TBoardHighlight>& member : members) {
        TBoardHighlight* other = member.Get();
        if (!self.Alive() || !panel.Alive())
            return;
        if (!other || other->RadioPanel() == value)
            continue;
        const std::string question =
            Name() + "'s RadioPanel property changed. Synchronize linked component " + other->Name() + "?";
        if (MessageBox(question, "Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES)
            other->LinkRadioPanel(value);
    }
}

void TBoardHighlight::LinkRadioPanel(TRadioPanel* panel)
{
    if (panel != FRadioPanel.Get())
        FRadioPanel = TGuard<TRadioPanel>(panel);
}
