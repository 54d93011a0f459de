#pragma once
// A form's menu bar: a root item whose sub-items are the top-level items.
#include <functional>

#include "toolkit/Component.h"

class TMenuItem;

class TMainMenu : public TComponent {
public:
    TK_CLASS_NAME(TMainMenu)
    explicit TMainMenu(TComponent* AOwner);
    ~TMainMenu() override;

    TMenuItem* Items() const { return FItems; }

    // Set by the form that shows the menu: the item tree or an item's state changed.
    std::function<void()> OnStructureChange;
    std::function<void(TMenuItem*)> OnStateChange;

private:
    friend class TMenuItem;
    TMenuItem* FItems;
};
