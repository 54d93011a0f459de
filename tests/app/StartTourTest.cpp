// At start-up the header and the help window come; Start opens the first ring
// of the real board pinned.
#include "MainWindowFixture.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/PopupForm.h"
#include "SetupCtrls/supporter/HelpForm.h"
#include "SetupCtrls/supporter/SetupSupporter.h"
#include "toolkit/Button.h"
#include "toolkit/Label.h"
#include "toolkit/MenuItem.h"

TEST_F(MainWindowTest, HelpComesUpAndStartOpensTheFirstRingPinned)
{
    ShowAndPaint();
    TSetupSupporter* sup = form->SetSup;
    ASSERT_TRUE(WaitFor([&] { return sup->HelpForm() && sup->HelpForm()->Visible(); }));
    ASSERT_NE(sup->HeaderLabel(), nullptr);
    EXPECT_EQ(sup->HeaderLabel()->Caption(), "LX-4410 Series Settings Program");
    EXPECT_FALSE(bool(Application->OnIdle)); // the idle hook ran once and unhooked itself

    sup->HelpForm()->StartButton()->Click();
    EXPECT_FALSE(sup->HelpForm()->Visible());
    TBoardHighlight* first = form->PowerHighlight;
    ASSERT_NE(first->Popup(), nullptr);
    EXPECT_TRUE(first->Popup()->Visible());
    EXPECT_TRUE(first->Pinned());
    EXPECT_TRUE(first->Lit());
    auto* entry = dynamic_cast<TMenuItem*>(form->FindComponent("ExternalPower1"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->Checked());
}
