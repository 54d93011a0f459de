#include "toolkit/MainMenu.h"

#include "toolkit/MenuItem.h"

TMainMenu::TMainMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr))
{
    FItems->FMenu = this;
}

TMainMenu::~TMainMenu()
{
    OnStructureChange = nullptr;
    OnStateChange = nullptr;
    delete FItems;
}
