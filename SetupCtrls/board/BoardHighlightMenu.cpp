#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/PopupForm.h"
#include "toolkit/MainMenu.h"
#include "toolkit/MenuItem.h"
#include "toolkit/WinControl.h"

namespace {
// An entry whose title has no identifier characters still needs a valid name.
const char* const BareEntryStem = "Entry";

// The top-level captions a type's item goes in front of, keeping the order
// Settings, Calibration, Options, Help whatever order the types turn up in.
std::vector<std::string> CaptionsAfter(THighlightType type)
{
    switch (type) {
    case htSettings: return {"&Calibration", "&Options", "&Help"};
    case htCalibration: return {"&Options", "&Help"};
    case htOptions:
    default: return {"&Help"};
    }
}

// The stem followed by the smallest N >= 1 that the owner does not yet use.
std::string UniqueName(const TComponent* owner, const std::string& stem)
{
    for (int n = 1;; ++n) {
        std::string name = stem + std::to_string(n);
        if (!owner || !owner->FindComponent(name))
            return name;
    }
}

// The item under a top-level item whose caption is the title, if any.
TMenuItem* EntryUnder(TMenuItem* top, const std::string& title)
{
    for (int j = 0; j < top->Count(); ++j)
        if (top->Items(j)->Caption() == title)
            return top->Items(j);
    return nullptr;
}

bool IsTicked(TObject* sender)
{
    if (!sender || std::strcmp(sender->ClassName(), "TMenuItem") != 0)
        return false;
    auto* item = dynamic_cast<TMenuItem*>(sender);
    return item && item->Checked();
}
} // namespace

const char* TBoardHighlight::TypeCaption(THighlightType type)
{
    switch (type) {
    case htSettings: return "&Settings";
    case htCalibration: return "&Calibration";
    case htOptions:
    default: return "&Options";
    }
}

const char* TBoardHighlight::TypeNameStem(THighlightType type)
{
    switch (type) {
    case htSettings: return "Settings";
    case htCalibration: return "Calibration";
    case htOptions:
    default: return "Options";
    }
}

void TBoardHighlight::AddMenuEntry()
{
    if (!FMenu)
        return;
    TComponent* owner = FMenu->Owner();
    TGuard<TBoardHighlight> self(this);
    auto makeEntry = [this, owner, self]() {
        auto* entry = new TMenuItem(owner);
        entry->SetCaption(FTitle);
        entry->SetName(UniqueName(owner, FIdentTitle.empty() ? std::string(BareEntryStem) : FIdentTitle));
        entry->OnClick = [self](TObject* sender) {
            if (TBoardHighlight* h = self.Get())
                h->MenuItemClick(sender);
        };
        return entry;
    };

    TMenuItem* bar = FMenu->Items();
    const std::string caption = TypeCaption(FHighlightType);
    for (int i = 0; i < bar->Count(); ++i) {
        TMenuItem* top = bar->Items(i);
        if (top->Caption() != caption)
            continue;
        if (EntryUnder(top, FTitle))
            return; // the group's entry is there already
        if (!FTitle.empty())
            top->Add(makeEntry());
        return;
    }

    auto* top = new TMenuItem(owner);
    top->SetCaption(caption);
    top->SetName(UniqueName(owner, TypeNameStem(FHighlightType)));
    const std::vector<std::string> after = CaptionsAfter(FHighlightType);
    int index = bar->Count();
    for (int i = 0; i < bar->Count(); ++i) {
        const std::string& c = bar->Items(i)->Caption();
        if (std::find(after.begin(), after.end(), c) != after.end()) {
            index = i;
            break;
        }
    }
    bar->Insert(index, top);
    if (!FTitle.empty())
        top->Add(makeEntry());
}

TMenuItem* TBoardHighlight::FindTypeItemEntry(TMenuItem** topItem) const
{
    if (!FMenu)
        return nullptr;
    TMenuItem* bar = FMenu->Items();
    const std::string caption = TypeCaption(FHighlightType);
    for (int i = 0; i < bar->Count(); ++i) {
        TMenuItem* top = bar->Items(i);
        if (top->Caption() != caption)
            continue;
        if (TMenuItem* entry = EntryUnder(top, FTitle)) {
            if (topItem)
                *topItem = top;
            return entry;
        }
    }
    return nullptr;
}

void TBoardHighlight::CheckMenuEntry(bool value)
{
    if (TMenuItem* entry = FindTypeItemEntry(nullptr))
        entry->SetChecked(value);
}

void TBoardHighlight::MenuItemClick(TObject* Sender)
{
    TGuard<TBoardHighlight> self(this);
    if (IsTicked(Sender)) {
        // A ticked entry closes the group's popup, wherever it belongs.
        if (TPopupForm* popup = FPopup.Get()) {
            popup->Close();
            return;
        }
        if (!OnBoardImage())
            return;
        std::vector<TGuard<TBoardHighlight>> owners;
        TWinControl* parent = Parent();
        for (int i = 0; i < parent->ControlCount(); ++i) {
            TControl* c = parent->Controls(i);
            if (c == this || std::strcmp(c->ClassName(), "TBoardHighlight") != 0)
                continue;
            auto* other = dynamic_cast<TBoardHighlight*>(c);
            if (other && other->Title() == FTitle && other->HighlightType() == FHighlightType && other->Popup())
                owners.emplace_back(other);
        }
        TGuard<TMenuItem> item(static_cast<TMenuItem*>(Sender));
        for (const TGuard<TBoardHighlight>& owner : owners) {
            // Once the popup has closed the entry is unticked, and a further
            // call would open it again.
            TMenuItem* it = item.Get();
            if (!it || !it->Checked())
                return;
            if (TBoardHighlight* other = owner.Get(); other && other->Popup())
                other->MenuItemClick(it);
        }
        return;
    }
    Perform(CM_MOUSEENTER, 0, 0);
    if (!self.Alive())
        return;
    PinGroup();
    if (!self.Alive())
        return;
    Perform(CM_MOUSELEAVE, 0, 0);
}

void TBoardHighlight::NavigateTo(bool next)
{
    TMenuItem* top = nullptr;
    TMenuItem* entry = FindTypeItemEntry(&top);
    if (!entry)
        return;
    const int count = top->Count();
    const int j = top->IndexOf(entry);
    const int k = next ? (j == count - 1 ? 0 : j + 1) : (j == 0 ? count - 1 : j - 1);
    TGuard<TMenuItem> neighbour(top->Items(k));
    TGuard<TBoardHighlight> self(this);
    if (TPopupForm* popup = FPopup.Get())
        popup->Close();
    if (!self.Alive())
        return;
    TMenuItem* target = neighbour.Get();
    if (!target || !target->OnClick)
        return;
    // The neighbour's handler runs as if this ring asked, not the menu.
    TNotifyEvent handler = target->OnClick;
    handler(this);
}

void TBoardHighlight::PreviousClick(TObject*)
{
    NavigateTo(false);
}

void TBoardHighlight::NextClick(TObject*)
{
    NavigateTo(true);
}
