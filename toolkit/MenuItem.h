#pragma once
// A menu item: caption ('&' marks the accelerator), name, owner, check mark,
// OnClick and an ordered list of sub-items, which it destroys with itself.
#include <string>
#include <vector>

#include "toolkit/Component.h"

class TMainMenu;
class QAction;

class TMenuItem : public TComponent {
public:
    TK_CLASS_NAME(TMenuItem)
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);

    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(size_t(index)); }
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return FParent; }
    void Insert(int index, TMenuItem* item);
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Remove(TMenuItem* item);

    // Invokes OnClick with this item as Sender.
    virtual void Click();
    TNotifyEvent OnClick;

    // The menu this item belongs to, through its parents.
    TMainMenu* Menu() const;
    // The Qt action that shows the item, kept by the menu bar adapter.
    QAction* Action() const { return FAction; }
    void SetAction(QAction* action) { FAction = action; }

private:
    friend class TMainMenu;
    void StructureChanged();
    void StateChanged();

    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    TMainMenu* FMenu = nullptr; // set on a menu's root item only
    QAction* FAction = nullptr;
};
