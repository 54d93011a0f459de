#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BoardScene.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/PopupForm.h"
#include "toolkit/Button.h"
#include "toolkit/Component.h"
#include "toolkit/Form.h"
#include "toolkit/MainMenu.h"
#include "toolkit/MenuItem.h"

namespace {
struct MenuRow {
    std::string Caption;
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Items; // caption, name
    friend bool operator==(const MenuRow&, const MenuRow&) = default;
};

std::vector<MenuRow> MenuBar(const TMainMenu* menu)
{
    std::vector<MenuRow> rows;
    TMenuItem* bar = menu->Items();
    for (int i = 0; i < bar->Count(); ++i) {
        TMenuItem* top = bar->Items(i);
        MenuRow row{top->Caption(), top->Name(), {}};
        for (int j = 0; j < top->Count(); ++j)
            row.Items.emplace_back(top->Items(j)->Caption(), top->Items(j)->Name());
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> TopCaptions(const TMainMenu* menu)
{
    std::vector<std::string> captions;
    for (int i = 0; i < menu->Items()->Count(); ++i)
        captions.push_back(menu->Items()->Items(i)->Caption());
    return captions;
}

// The board of the main window: one settings ring and three options rings.
class MainBoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Power = Scene.AddRing("&External Power", htSettings, Bounds(10, 10, 32, 58));
        Led = Scene.AddRing("LED Light", htOptions, Bounds(60, 10, 30, 60));
        Usb = Scene.AddRing("&USB Connector", htOptions, Bounds(100, 10, 50, 60));
        DcIn = Scene.AddRing("DC Input", htOptions, Bounds(160, 10, 40, 60));
        ASSERT_TRUE(Scene.Show());
    }

    static bool ShownPinned(TBoardHighlight* ring)
    {
        return ring->Popup() && ring->Popup()->Visible() && ring->Pinned() && ring->Lit();
    }

    BoardScene Scene;
    TBoardHighlight* Power = nullptr;
    TBoardHighlight* Led = nullptr;
    TBoardHighlight* Usb = nullptr;
    TBoardHighlight* DcIn = nullptr;
};
} // namespace

TEST_F(MainBoardTest, MenuBarAfterTheFirstPaint)
{
    const std::vector<MenuRow> expected = {
        {"&File", "File1", {{"&Exit", "Exit2"}}},
        {"&Settings", "Settings1", {{"&External Power", "ExternalPower1"}}},
        {"&Options", "Options1", {{"LED Light", "LEDLight1"}, {"&USB Connector", "USBConnector1"}, {"DC Input", "DCInput1"}}},
        {"&Help", "Help1", {{"H&ow to use this program", "Howtousethisprogram1"}, {"&Technical Support", "TechnicalSupport1"}}},
    };
    EXPECT_EQ(MenuBar(Scene.Menu), expected);
    EXPECT_EQ(Scene.TopItem("&Options")->Owner(), Scene.Form);
    EXPECT_EQ(Scene.Entry("&Options", "DC Input")->Owner(), Scene.Form);
}

TEST_F(MainBoardTest, UntickedEntryOpensAndPinsWithoutAClick)
{
    int clicks = 0;
    Usb->OnClick = [&](TObject*) { ++clicks; };
    ParkPointer();
    TMenuItem* entry = Scene.Entry("&Options", "&USB Connector");
    entry->Click();
    EXPECT_TRUE(ShownPinned(Usb));
    EXPECT_TRUE(entry->Checked());
    EXPECT_EQ(clicks, 0);
    entry->Click(); // ticked now: closes
    EXPECT_FALSE(Usb->Popup()->Visible());
    EXPECT_FALSE(entry->Checked());
    EXPECT_FALSE(Usb->Lit());
}

TEST_F(MainBoardTest, NextAndPreviousWrapAroundWithinTheirMenu)
{
    ParkPointer();
    struct {
        TBoardHighlight* From;
        bool Next;
        TBoardHighlight* To;
    } const steps[] = {
        {DcIn, true, Led}, {Led, false, DcIn}, {Led, true, Usb}, {Usb, false, Led}, {Power, true, Power}, {Power, false, Power},
    };
    for (const auto& s : steps) {
        s.From->Perform(CM_MOUSEENTER, 0, 0);
        ASSERT_TRUE(s.From->Popup() && s.From->Popup()->Visible());
        auto* button = dynamic_cast<TButton*>(s.From->Popup()->FindComponent(s.Next ? "NextButton" : "PreviousButton"));
        ASSERT_NE(button, nullptr);
        button->Click();
        const std::string label = s.From->Title() + (s.Next ? " next" : " previous");
        EXPECT_TRUE(ShownPinned(s.To)) << label;
        EXPECT_TRUE(Scene.Entry(s.To->HighlightType() == htSettings ? "&Settings" : "&Options", s.To->Title())->Checked()) << label;
        if (s.To != s.From) {
            EXPECT_FALSE(s.From->Popup()->Visible()) << label;
            EXPECT_FALSE(s.From->Lit()) << label;
        }
        s.To->DoneClick(nullptr);
        ASSERT_FALSE(s.To->Lit());
    }
}

TEST_F(MainBoardTest, TickFollowsThePinnedPopup)
{
    ParkPointer();
    TMenuItem* entry = Scene.Entry("&Options", "LED Light");
    Led->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_FALSE(entry->Checked());
    Led->Click();
    EXPECT_TRUE(entry->Checked());
    Led->DoneClick(nullptr);
    EXPECT_FALSE(entry->Checked());
}

// ---- Entries of groups and types ---------------------------------------------------

TEST(HighlightMenu, GroupSharesOneEntryAndTypesKeepTheirOwn)
{
    BoardScene scene;
    TBoardHighlight* first = scene.AddRing("Jack", htOptions, Bounds(10, 10, 20, 20));
    TBoardHighlight* second = scene.AddRing("Jack", htOptions, Bounds(40, 10, 20, 20));
    scene.AddRing("Jack", htCalibration, Bounds(70, 10, 20, 20));
    ASSERT_TRUE(scene.Show());
    ASSERT_EQ(scene.TopItem("&Options")->Count(), 1);
    ASSERT_EQ(scene.TopItem("&Calibration")->Count(), 1);
    EXPECT_EQ(scene.Entry("&Calibration", "Jack")->Name(), "Jack2");
    TMenuItem* entry = scene.Entry("&Options", "Jack");
    EXPECT_EQ(entry->Name(), "Jack1");

    ParkPointer();
    second->Perform(CM_MOUSEENTER, 0, 0);
    second->Click(); // the popup is second's; the entry was made by first
    EXPECT_TRUE(entry->Checked());
    EXPECT_EQ(first->Popup(), nullptr);
    entry->Click();
    EXPECT_FALSE(second->Popup()->Visible());
    EXPECT_FALSE(entry->Checked());
    EXPECT_FALSE(first->Lit());
    EXPECT_FALSE(scene.Entry("&Calibration", "Jack")->Checked());
}

TEST(HighlightMenu, TopLevelItemsKeepTheirOrderWhateverTheOrderOfTypes)
{
    const std::vector<std::vector<THighlightType>> orders = {
        {htSettings, htOptions, htCalibration},
        {htOptions, htCalibration, htSettings},
        {htCalibration, htSettings, htOptions},
    };
    for (const auto& order : orders) {
        BoardScene scene;
        int left = 10;
        for (THighlightType t : order) {
            scene.AddRing("Ring", t, Bounds(left, 10, 20, 20));
            left += 30;
        }
        ASSERT_TRUE(scene.Show());
        EXPECT_EQ(TopCaptions(scene.Menu),
                  (std::vector<std::string>{"&File", "&Settings", "&Calibration", "&Options", "&Help"}));
    }
}

TEST(HighlightMenu, WithoutHelpTheItemsAreAppended)
{
    BoardScene scene;
    delete scene.TopItem("&Help");
    scene.AddRing("Ring", htOptions, Bounds(10, 10, 20, 20));
    scene.AddRing("Ring", htSettings, Bounds(40, 10, 20, 20));
    ASSERT_TRUE(scene.Show());
    EXPECT_EQ(TopCaptions(scene.Menu), (std::vector<std::string>{"&File", "&Settings", "&Options"}));
}

TEST(HighlightMenu, ExistingTopLevelItemTakesTheEntries)
{
    BoardScene scene;
    auto* mine = new TMenuItem(scene.Form);
    mine->SetName("MyOptions");
    mine->SetCaption("&Options");
    scene.Menu->Items()->Add(mine); // after Help
    scene.AddRing("Ring", htOptions, Bounds(10, 10, 20, 20));
    ASSERT_TRUE(scene.Show());
    EXPECT_EQ(TopCaptions(scene.Menu), (std::vector<std::string>{"&File", "&Help", "&Options"}));
    ASSERT_EQ(mine->Count(), 1);
    EXPECT_EQ(mine->Items(0)->Caption(), "Ring");
}

TEST(HighlightMenu, NamesTakeTheSmallestFreeNumberWhateverTheCase)
{
    BoardScene scene;
    auto* taken = new TComponent(scene.Form);
    taken->SetName("options1");
    auto* takenEntry = new TComponent(scene.Form);
    takenEntry->SetName("LEDLIGHT1");
    scene.AddRing("LED Light", htOptions, Bounds(10, 10, 20, 20));
    scene.AddRing("123", htOptions, Bounds(40, 10, 20, 20));
    scene.AddRing("*", htOptions, Bounds(70, 10, 20, 20));
    scene.AddRing("", htSettings, Bounds(100, 10, 20, 20));
    ASSERT_TRUE(scene.Show());
    EXPECT_EQ(scene.TopItem("&Options")->Name(), "Options2");
    EXPECT_EQ(scene.Entry("&Options", "LED Light")->Name(), "LEDLight2");
    // Titles without identifier characters: a fixed stem keeps the names valid and unique.
    EXPECT_EQ(scene.Entry("&Options", "123")->Name(), "Entry1");
    EXPECT_EQ(scene.Entry("&Options", "*")->Name(), "Entry2");
    // An empty title still makes its type's item, with no entry under it.
    ASSERT_NE(scene.TopItem("&Settings"), nullptr);
    EXPECT_EQ(scene.TopItem("&Settings")->Count(), 0);
}

TEST(HighlightMenu, EntryOutOfReachLeavesEverythingAlone)
{
    BoardScene scene;
    TBoardHighlight* ring = scene.AddRing("Moved", htOptions, Bounds(10, 10, 20, 20));
    ASSERT_TRUE(scene.Show());
    ParkPointer();
    ring->Perform(CM_MOUSEENTER, 0, 0);
    ring->SetTitle("Renamed"); // its entry stays under the old caption
    auto* next = dynamic_cast<TButton*>(ring->Popup()->FindComponent("NextButton"));
    next->Click();
    EXPECT_TRUE(ring->Popup()->Visible());
    ring->CheckMenuEntry(true);
    EXPECT_FALSE(scene.Entry("&Options", "Moved")->Checked());
}
