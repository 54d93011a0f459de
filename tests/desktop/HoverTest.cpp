#include "DesktopFixture.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "toolkit/Button.h"
#include "toolkit/Memo.h"


struct RingCase {
    const char* ring;
    const char* caption;
    int tag;
    const char* text;
};

class HoverEachRing : public DesktopTest, public ::testing::WithParamInterface<RingCase> {};

TEST_P(HoverEachRing, ShowsItsPopupAndClosesWhenThePointerLeavesForTheBoard)
{
    DismissHelp();
    const RingCase& c = GetParam();
    auto* ring = dynamic_cast<TBoardHighlight*>(form->FindComponent(c.ring));
    ASSERT_NE(ring, nullptr);
    PointerTo(CentreOf(ring));
    ASSERT_TRUE(WaitFor([&] { return ring->Popup() && ring->Popup()->Visible(); }));
    TPopupForm* popup = ring->Popup();
    EXPECT_TRUE(ring->Lit());
    EXPECT_EQ(popup->Caption(), c.caption);
    EXPECT_EQ(popup->Tag(), c.tag);
    ASSERT_NE(ring->RadioPanel(), nullptr);
    EXPECT_EQ(ring->RadioPanel()->Parent(), popup);
    ASSERT_NE(ring->RadioPanel()->StatusMemo(), nullptr);
    EXPECT_EQ(ring->RadioPanel()->StatusMemo()->DisplayedText(), c.text);

    PointerTo(OnBoard());
    ASSERT_TRUE(WaitFor([&] { return !popup->Visible(); }));
    EXPECT_FALSE(ring->Lit());
    EXPECT_FALSE(ring->Pinned());
}

INSTANTIATE_TEST_SUITE_P(
    Rings, HoverEachRing,
    ::testing::Values(
        RingCase{"PowerHighlight", "External Power", 1,
                 "You can use the provided external power supply for higher current capabilities. To do so, set the "
                 "jumper position to VEXT and plug in power before plugging in the USB cable."},
        RingCase{"LedHighlight", "LED Light", 0, "LED indicates Power and Activity"},
        RingCase{"USBHighlight", "USB Connector", 0, "The USB connector on this board is a USB type B socket."},
        RingCase{"DCINHighlight", "DC Input", 0, "DC Input power connector"}),
    [](const auto& info) { return std::string(info.param.ring); });

TEST_F(DesktopTest, MovingIntoThePopupHoldsItUntilThePointerLeavesThePopup)
{
    DismissHelp();
    TBoardHighlight* ring = form->USBHighlight;
    PointerTo(CentreOf(ring));
    ASSERT_TRUE(WaitFor([&] { return ring->Popup() && ring->Popup()->Visible(); }));
    TPopupForm* popup = ring->Popup();
    WaitOnScreen(popup);
    TMenuItem* entry = Entry("&Options", "&USB Connector");
    ASSERT_NE(entry, nullptr);

    PointerTo(CentreOf(popup));
    ASSERT_TRUE(WaitFor([&] { return ring->Pinned(); }));
    EXPECT_TRUE(popup->Visible());
    EXPECT_TRUE(popup->CloseOnLeave());
    EXPECT_TRUE(entry->Checked());
    EXPECT_TRUE(popup->Active());

    PointerTo(OnBoard());
    ASSERT_TRUE(WaitFor([&] { return !popup->Visible(); }));
    EXPECT_FALSE(entry->Checked());
    EXPECT_FALSE(ring->Lit());
    EXPECT_FALSE(popup->CloseOnLeave());
}

TEST_F(DesktopTest, TheFrameOfThePopupIsStillThePopup)
{
    DismissHelp();
    TBoardHighlight* ring = form->DCINHighlight;
    PointerTo(CentreOf(ring));
    ASSERT_TRUE(WaitFor([&] { return ring->Popup() && ring->Popup()->Visible(); }));
    TPopupForm* popup = ring->Popup();
    WaitOnScreen(popup);
    PointerTo(CentreOf(popup));
    ASSERT_TRUE(WaitFor([&] { return popup->CloseOnLeave(); }));
    // Onto the caption bar: still inside the window.
    TPoint client = popup->ClientOrigin();
    ASSERT_GT(client.Y, popup->Top()) << "the window manager gave the popup no caption bar";
    PointerTo(TPoint{popup->Left() + popup->Width() / 2, popup->Top() + (client.Y - popup->Top()) / 2});
    DrainEvents(300);
    EXPECT_TRUE(popup->Visible());
    // Off the window from the caption bar: it closes.
    PointerTo(OnBoard());
    EXPECT_TRUE(WaitFor([&] { return !popup->Visible(); }));
}

TEST_F(DesktopTest, AClickPinsThePopupSoLeavingClosesNothing)
{
    DismissHelp();
    TBoardHighlight* ring = form->LedHighlight;
    TPoint p = CentreOf(ring);
    PointerTo(p);
    ASSERT_TRUE(WaitFor([&] { return ring->Popup() && ring->Popup()->Visible(); }));
    // A real press and release on the ring.
    ring->Parent()->PointerButton(true, mbLeft, TPoint{ring->Left() + 5, ring->Top() + 20}, false);
    ring->Parent()->PointerButton(false, mbLeft, TPoint{ring->Left() + 5, ring->Top() + 20}, false);
    EXPECT_TRUE(ring->Pinned());
    PointerTo(OnBoard());
    DrainEvents(300);
    EXPECT_TRUE(ring->Popup()->Visible());
    EXPECT_TRUE(Entry("&Options", "LED Light")->Checked());
    ring->Popup()->Close();
    EXPECT_FALSE(ring->Lit());
}

TEST_F(DesktopTest, MenuEntriesOpenPinnedAndCloseAgain)
{
    DismissHelp();
    TMenuItem* entry = Entry("&Settings", "&External Power");
    ASSERT_NE(entry, nullptr);
    entry->Click();
    TBoardHighlight* ring = form->PowerHighlight;
    ASSERT_NE(ring->Popup(), nullptr);
    EXPECT_TRUE(ring->Popup()->Visible());
    EXPECT_TRUE(ring->Pinned());
    EXPECT_TRUE(entry->Checked());
    entry->Click();
    EXPECT_FALSE(ring->Popup()->Visible());
    EXPECT_FALSE(entry->Checked());
    EXPECT_FALSE(ring->Lit());
}

TEST_F(DesktopTest, NextInDCInputOpensLEDLight)
{
    DismissHelp();
    Entry("&Options", "DC Input")->Click();
    TPopupForm* dc = form->DCINHighlight->Popup();
    ASSERT_TRUE(dc && dc->Visible());
    form->DCINHighlight->NextClick(nullptr);
    EXPECT_FALSE(dc->Visible());
    ASSERT_NE(form->LedHighlight->Popup(), nullptr);
    EXPECT_TRUE(form->LedHighlight->Popup()->Visible());
    EXPECT_TRUE(form->LedHighlight->Pinned());
    EXPECT_TRUE(Entry("&Options", "LED Light")->Checked());
}

TEST_F(DesktopTest, HelpWindowComesUpByItselfAndStartOpensTheFirstRingPinned)
{
    ASSERT_TRUE(WaitFor([&] { return form->SetSup->HelpForm() && form->SetSup->HelpForm()->Visible(); }));
    THelpForm* help = form->SetSup->HelpForm();
    // Centred on the main window.
    EXPECT_NEAR(help->Left() + help->Width() / 2, form->Left() + form->Width() / 2, 2);
    help->StartButton()->Click();
    EXPECT_FALSE(help->Visible());
    TBoardHighlight* ring = form->PowerHighlight;
    ASSERT_NE(ring->Popup(), nullptr);
    EXPECT_TRUE(ring->Popup()->Visible());
    EXPECT_TRUE(ring->Pinned());
    EXPECT_TRUE(Entry("&Settings", "&External Power")->Checked());
    // Pinned: the pointer passing over the ring and away changes nothing.
    PointerTo(CentreOf(ring));
    PointerTo(OnBoard());
    DrainEvents(300);
    EXPECT_TRUE(ring->Popup()->Visible());
}
