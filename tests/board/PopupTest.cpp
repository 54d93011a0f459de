#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "BoardScene.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardImage.h"
#include "SetupCtrls/board/PopupForm.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "common/Wait.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Memo.h"
#include "toolkit/StatusBar.h"
#include "toolkit/WinApi.h"

namespace {
template <class T>
T* Child(TPopupForm* popup, const char* name)
{
    return dynamic_cast<T*>(popup->FindComponent(name));
}

// Opens the ring's popup as the pointer would and returns it.
TPopupForm* Open(TBoardHighlight* ring)
{
    ParkPointer();
    ring->Perform(CM_MOUSEENTER, 0, 0);
    return ring->Popup();
}

// The popup's corner lands where the panel was designed, moved as the board moved.
TPoint PlacedAt(const BoardScene& scene, const TRect& panelBounds)
{
    return TPoint{scene.Board->Left() - (BoardScene::BoardDesignLeft - panelBounds.Left),
                  scene.Board->Top() - (BoardScene::BoardDesignTop - panelBounds.Top)};
}
} // namespace

TEST(Popup, LayoutAroundA296By121Panel)
{
    BoardScene scene;
    const TRect stored = Bounds(321, 296, 296, 121);
    TRadioPanel* panel = scene.AddPanel("PowerPanel", stored, "You can use the provided external power supply.");
    TBoardHighlight* ring = scene.AddRing("&External Power", htSettings, Bounds(10, 10, 32, 58));
    ring->SetRadioPanel(panel);
    ASSERT_TRUE(scene.Show());
    ASSERT_EQ(scene.Board->DesignLeft(), BoardScene::BoardDesignLeft);
    ASSERT_EQ(scene.Board->DesignTop(), BoardScene::BoardDesignTop);
    ASSERT_NE(scene.Board->Left(), BoardScene::BoardDesignLeft); // the board has moved

    TPopupForm* popup = Open(ring);
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->Visible());
    EXPECT_EQ(popup->Owner(), ring);
    EXPECT_EQ(popup->Highlight(), ring);
    EXPECT_EQ(popup->Caption(), "External Power");
    EXPECT_EQ(popup->Tag(), 1);
    EXPECT_EQ(popup->BorderStyle(), bsSizeToolWin);
    EXPECT_EQ(popup->FormStyle(), fsStayOnTop);
    EXPECT_FALSE(popup->AutoScroll());
    EXPECT_EQ(popup->Position(), poDesigned);
    EXPECT_EQ(popup->ClientWidth(), 296);
    EXPECT_EQ(popup->ClientHeight(), 230);
    EXPECT_EQ(popup->MinWidth(), popup->Width());
    EXPECT_EQ(popup->MinHeight(), popup->Height());
    const TPoint corner = PlacedAt(scene, stored);
    EXPECT_EQ(popup->Left(), corner.X);
    EXPECT_EQ(popup->Top(), corner.Y);

    EXPECT_EQ(panel->Parent(), popup);
    EXPECT_TRUE(panel->Visible());
    EXPECT_TRUE(panel->InPopup());
    EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 296, 121));

    auto* memo = Child<TMemo>(popup, "StatusMemo");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->BoundsRect(), Rect(6, 122, 290, 180));
    EXPECT_TRUE(memo->ReadOnly());
    EXPECT_EQ(memo->ScrollBars(), ssVertical);
    EXPECT_EQ(memo->DisplayedText(), "You can use the provided external power supply.");
    EXPECT_EQ(panel->StatusMemo(), memo);

    struct {
        const char* Name;
        const char* Caption;
        int Left;
        TAnchors Anchors;
    } const buttons[] = {
        {"PreviousButton", "Previous", 6, akLeft | akBottom},
        {"NextButton", "Next", 119, akBottom},
        {"DoneButton", "Done", 232, akRight | akBottom},
    };
    for (const auto& b : buttons) {
        auto* button = Child<TButton>(popup, b.Name);
        ASSERT_NE(button, nullptr) << b.Name;
        EXPECT_EQ(button->Caption(), b.Caption);
        EXPECT_EQ(button->BoundsRect(), Bounds(b.Left, 186, 58, 25)) << b.Name;
        EXPECT_EQ(button->Anchors(), b.Anchors) << b.Name;
        EXPECT_EQ(button->Parent(), popup);
    }

    TStatusBar* status = popup->PopupStatus();
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status, Child<TStatusBar>(popup, "PopupStatus"));
    EXPECT_EQ(status->BoundsRect(), Rect(0, 211, 296, 230));
    EXPECT_EQ(status->Align(), alNone);
    ASSERT_EQ(status->PanelCount(), 1);
    EXPECT_EQ(status->Panels(0).Bevel, pbNone);
    EXPECT_TRUE(status->Panels(0).Text.empty());

    EXPECT_TRUE(WaitFor([&] { return panel->Focused(); }, 2000));
}

TEST(Popup, NarrowPanelGetsAWidenedPopup)
{
    BoardScene scene;
    const TRect stored = Bounds(440, 300, 145, 9);
    TRadioPanel* panel = scene.AddPanel("LEDPanel", stored, "LED indicates Power and Activity");
    TRadioPanel* stretchy = scene.AddPanel("StretchPanel", Bounds(440, 100, 145, 9));
    stretchy->SetFinalAnchors(akLeft | akTop | akRight | akBottom);
    TBoardHighlight* ring = scene.AddRing("LED Light", htOptions, Bounds(10, 10, 30, 30));
    ring->SetRadioPanel(panel);
    TBoardHighlight* other = scene.AddRing("Stretch", htOptions, Bounds(60, 10, 30, 30));
    other->SetRadioPanel(stretchy);
    ASSERT_TRUE(scene.Show());

    TPopupForm* popup = Open(ring);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Tag(), 0);
    EXPECT_EQ(popup->Width(), 194);
    EXPECT_EQ(popup->Height(), 122);
    const int w = popup->ClientWidth(), h = popup->ClientHeight();
    EXPECT_EQ(w, 194);
    EXPECT_EQ(h, 122);
    EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 145, 9));
    EXPECT_EQ(Child<TMemo>(popup, "StatusMemo")->BoundsRect(), Bounds(6, h - 50 - 58, w - 12, 58));
    EXPECT_EQ(Child<TButton>(popup, "NextButton")->BoundsRect(), Bounds((w - 58) / 2, h - 44, 58, 25));
    EXPECT_EQ(Child<TButton>(popup, "DoneButton")->BoundsRect(), Bounds(w - 64, h - 44, 58, 25));
    EXPECT_EQ(popup->PopupStatus()->BoundsRect(), Bounds(0, h - 19, w, 19));

    // Anchored to the right and bottom, the panel grows with the popup.
    TPopupForm* grown = Open(other);
    ASSERT_NE(grown, nullptr);
    EXPECT_EQ(stretchy->BoundsRect(), Bounds(0, 0, 194, 13));
}

TEST(Popup, RingWithoutPanelGetsABarePopupBelowTheBoard)
{
    BoardScene scene;
    TBoardHighlight* ring = scene.AddRing("Bare", htCalibration, Bounds(10, 10, 30, 30));
    ASSERT_TRUE(scene.Show());
    TPopupForm* popup = Open(ring);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Tag(), 2);
    EXPECT_EQ(popup->Width(), 194);
    EXPECT_EQ(popup->Height(), 141);
    EXPECT_EQ(popup->Left(), scene.Board->Left());
    EXPECT_EQ(popup->Top(), scene.Board->Top() + BoardScene::BoardHeight + 38);
    const int w = popup->ClientWidth(), h = popup->ClientHeight();
    EXPECT_EQ(Child<TMemo>(popup, "StatusMemo")->BoundsRect(), Bounds(6, h - 108, w - 12, 58));
    EXPECT_TRUE(Child<TMemo>(popup, "StatusMemo")->Text().empty());
    auto* done = Child<TButton>(popup, "DoneButton");
    EXPECT_TRUE(WaitFor([&] { return done->Focused(); }, 2000));
}

TEST(Popup, KeptOnTheScreenOneCorrectionPerAxis)
{
    // No value: the axis keeps the designed place.
    constexpr std::optional<int> Placed;
    struct {
        TRect Stored;
        std::optional<int> Left, Top;
    } const cases[] = {
        {Bounds(-400, 50, 296, 121), 0, Placed},
        {Bounds(900, 50, 296, 121), 1024 - 296, Placed},
        {Bounds(100, -200, 296, 121), Placed, 0},
        {Bounds(100, 600, 296, 121), Placed, 768 - 230},
        {Bounds(0, 0, 1100, 121), 1024 - 1100, Placed}, // wider than the screen: the right edge wins
    };
    for (const auto& c : cases) {
        BoardScene scene;
        TRadioPanel* panel = scene.AddPanel("Panel", c.Stored);
        TBoardHighlight* ring = scene.AddRing("Edge", htSettings, Bounds(10, 10, 30, 30));
        ring->SetRadioPanel(panel);
        ASSERT_TRUE(scene.Show());
        TPopupForm* popup = Open(ring);
        ASSERT_NE(popup, nullptr);
        const TPoint placed = PlacedAt(scene, c.Stored);
        EXPECT_EQ(popup->Left(), c.Left.value_or(placed.X)) << c.Stored.Left << ", " << c.Stored.Top;
        EXPECT_EQ(popup->Top(), c.Top.value_or(placed.Y)) << c.Stored.Left << ", " << c.Stored.Top;
    }
}

TEST(Popup, AnyFormWithTheSameCaptionAndTagBlocksBuilding)
{
    struct {
        const char* Title;
        THighlightType Type;
        const char* FormCaption;
        int FormTag;
        bool FormShown;
        bool Builds;
    } const cases[] = {
        {"Twin", htSettings, "Twin", 1, false, false},
        {"T&win", htSettings, "Twin", 1, true, false},
        {"Twin", htOptions, "Twin", 1, false, true},
        {"Twin", htSettings, "twin", 1, false, true},
    };
    for (const auto& c : cases) {
        BoardScene scene;
        auto* other = new TForm(scene.Form);
        other->SetCaption(c.FormCaption);
        other->SetTag(c.FormTag);
        other->SetBounds(600, 500, 100, 100);
        TBoardHighlight* ring = scene.AddRing(c.Title, c.Type, Bounds(10, 10, 30, 30));
        ASSERT_TRUE(scene.Show());
        if (c.FormShown)
            other->Show();
        Open(ring);
        EXPECT_TRUE(ring->Lit());
        EXPECT_EQ(ring->Popup() != nullptr, c.Builds) << c.Title << " / " << c.FormCaption;
    }
}

TEST(Popup, PanelContentIsReadOnceAndActivationEventsComeFromThePanel)
{
    BoardScene scene;
    TRadioPanel* panel = scene.AddPanel("Panel", Bounds(440, 300, 200, 40), "First text");
    panel->SetMemoHeight(40);
    TObject* activatedBy = nullptr;
    TObject* deactivatedBy = nullptr;
    panel->OnActivate = [&](TObject* s) { activatedBy = s; };
    panel->OnDeactivate = [&](TObject* s) { deactivatedBy = s; };
    TBoardHighlight* ring = scene.AddRing("Reader", htSettings, Bounds(10, 10, 30, 30));
    ring->SetRadioPanel(panel);
    ASSERT_TRUE(scene.Show());

    TPopupForm* popup = Open(ring);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(activatedBy, popup);
    EXPECT_EQ(popup->ClientHeight(), 40 + 40 + 51);
    auto* memo = Child<TMemo>(popup, "StatusMemo");
    panel->Lines().Clear();
    panel->Lines().Add("Second text");
    panel->SetMemoHeight(90);
    EXPECT_EQ(memo->DisplayedText(), "First text");
    EXPECT_EQ(memo->Height(), 40);

    scene.Form->SetFocus();
    EXPECT_EQ(deactivatedBy, popup);
    ring->DoneClick(nullptr);
    Open(ring);
    EXPECT_EQ(ring->Popup(), popup); // the same window again
    EXPECT_EQ(memo->DisplayedText(), "First text");
}

TEST(Popup, LeavingThePopupClosesItOnlyWhenAskedTo)
{
    BoardScene scene;
    TBoardHighlight* ring = scene.AddRing("Leave", htSettings, Bounds(10, 10, 30, 30));
    ASSERT_TRUE(scene.Show());
    TPopupForm* popup = Open(ring);
    ASSERT_NE(popup, nullptr);
    popup->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(popup->Visible());

    popup->SetCloseOnLeave(true);
    const TPoint insides[] = {{popup->Left(), popup->Top()}, {popup->Left() + popup->Width() - 1, popup->Top() + popup->Height() - 1}};
    for (TPoint p : insides) {
        SetCursorPos(p.X, p.Y);
        popup->Perform(CM_MOUSELEAVE, 0, 0);
        EXPECT_TRUE(popup->Visible()) << p.X << ", " << p.Y;
    }
    SetCursorPos(popup->Left() + popup->Width(), popup->Top() + 10); // right edge excluded
    popup->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(popup->Visible());
    EXPECT_FALSE(popup->CloseOnLeave());
    EXPECT_FALSE(ring->Lit());
}

TEST(Popup, DoneWithoutAPopupDoesNothing)
{
    BoardScene scene;
    TBoardHighlight* ring = scene.AddRing("Nothing", htSettings, Bounds(10, 10, 30, 30));
    ASSERT_TRUE(scene.Show());
    ring->DoneClick(nullptr);
    EXPECT_EQ(ring->Popup(), nullptr);
    EXPECT_FALSE(ring->Lit());
}

TEST(Popup, ANewSizeGivenRightAfterShowingStays)
{
    BoardScene scene;
    TRadioPanel* panel = scene.AddPanel("PowerPanel", Bounds(321, 296, 296, 121), "Text");
    TBoardHighlight* ring = scene.AddRing("&External Power", htSettings, Bounds(10, 10, 32, 58));
    ring->SetRadioPanel(panel);
    ASSERT_TRUE(scene.Show());
    TPopupForm* popup = Open(ring);
    ASSERT_NE(popup, nullptr);
    popup->SetBounds(500, 300, 330, 250);
    EXPECT_EQ(popup->BoundsRect(), Bounds(500, 300, 330, 250));
    DrainEvents();
    EXPECT_EQ(popup->BoundsRect(), Bounds(500, 300, 330, 250));
    popup->SetBounds(480, 280, 340, 260);
    DrainEvents();
    EXPECT_EQ(popup->BoundsRect(), Bounds(480, 280, 340, 260));
    EXPECT_EQ(popup->ClientWidth(), 340);
}
