#pragma once
// The main menu's entry of a ring: the item whose caption is the ring's title,
// under whichever top-level item holds it.
#include "SetupCtrls/board/BoardHighlight.h"
#include "toolkit/MainMenu.h"
#include "toolkit/MenuItem.h"

inline TMenuItem* RingEntry(TMainMenu* menu, const TBoardHighlight* ring)
{
    TMenuItem* bar = menu->Items();
    for (int i = 0; i < bar->Count(); ++i)
        for (int j = 0; j < bar->Items(i)->Count(); ++j)
            if (bar->Items(i)->Items(j)->Caption() == ring->Title())
                return bar->Items(i)->Items(j);
    return nullptr;
}
