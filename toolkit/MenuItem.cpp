#include "toolkit/MenuItem.h"

#include <algorithm>

#include "toolkit/MainMenu.h"

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem()
{
    while (!FItems.empty()) {
        TMenuItem* item = FItems.back();
        FItems.pop_back();
        item->FParent = nullptr;
        delete item;
    }
    if (FParent)
        FParent->Remove(this);
}

void TMenuItem::SetCaption(const std::string& value)
{
    if (value == FCaption)
        return;
    FCaption = value;
    StructureChanged();
}

void TMenuItem::SetChecked(bool value)
{
    if (value == FChecked)
        return;
    FChecked = value;
    StateChanged();
}

void TMenuItem::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    StateChanged();
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (item->FParent)
        item->FParent->Remove(item);
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    StructureChanged();
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    if (it == FItems.end())
        return;
    FItems.erase(it);
    item->FParent = nullptr;
    item->FAction = nullptr;
    StructureChanged();
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
}

TMainMenu* TMenuItem::Menu() const
{
    const TMenuItem* item = this;
    while (item->FParent)
        item = item->FParent;
    return item->FMenu;
}

void TMenuItem::StructureChanged()
{
    if (TMainMenu* m = Menu(); m && m->OnStructureChange)
        m->OnStructureChange();
}

void TMenuItem::StateChanged()
{
    if (TMainMenu* m = Menu(); m && m->OnStateChange)
        m->OnStateChange(this);
}
