#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "BoardScene.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardImage.h"
#include "SetupCtrls/board/PopupForm.h"
#include "common/Wait.h"
#include "toolkit/Application.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/Form.h"
#include "toolkit/MenuItem.h"
#include "toolkit/WinApi.h"

namespace {
enum class GroupState { Closed, Open, Held, Pinned, Inconsistent };

const char* NameOf(GroupState s)
{
    switch (s) {
    case GroupState::Closed: return "Closed";
    case GroupState::Open: return "Open";
    case GroupState::Held: return "Held";
    case GroupState::Pinned: return "Pinned";
    default: return "Inconsistent";
    }
}

// Points inside a popup's lower half, below the scene's window.
TPoint InsidePopup(const TPopupForm* popup)
{
    return TPoint{popup->Left() + popup->Width() / 2, popup->Top() + popup->Height() - 5};
}

void MoveTo(TPoint p)
{
    SetCursorPos(p.X, p.Y);
}

// Two rings of one group ("Group", settings) and one ring of another.
class GroupTest : public ::testing::Test {
public:
    void SetUp() override
    {
        A = Scene.AddRing("Group", htSettings, Bounds(10, 10, 40, 40));
        Other = Scene.AddRing("Other", htSettings, Bounds(80, 100, 40, 40));
        B = Scene.AddRing("Group", htSettings, Bounds(150, 10, 40, 40));
        B->OnClick = [this](TObject*) { ++BClicks; };
        ASSERT_TRUE(Scene.Show());
    }

    TMenuItem* EntryItem() const { return Scene.Entry("&Settings", "Group"); }

    // The group's state as its flags tell it; anything that fits no row of the
    // state table is inconsistent.
    GroupState State() const
    {
        TPopupForm* popup = A->Popup() ? A->Popup() : B->Popup();
        TBoardHighlight* owner = A->Popup() ? A : B;
        const bool shown = popup && popup->Visible();
        const bool lit = A->Lit() && B->Lit();
        const bool unlit = !A->Lit() && !B->Lit();
        const bool closeOnLeave = popup && popup->CloseOnLeave();
        const bool ticked = EntryItem()->Checked();
        if (!shown && unlit && !closeOnLeave && !ticked)
            return GroupState::Closed;
        if (shown && lit && !owner->Pinned() && !closeOnLeave && !ticked)
            return GroupState::Open;
        if (shown && lit && owner->Pinned() && closeOnLeave && ticked)
            return GroupState::Held;
        if (shown && lit && owner->Pinned() && !closeOnLeave && ticked)
            return GroupState::Pinned;
        return GroupState::Inconsistent;
    }

    void ToOpen()
    {
        ParkPointer();
        A->Perform(CM_MOUSEENTER, 0, 0);
    }
    void ToHeld()
    {
        ToOpen();
        MoveTo(InsidePopup(A->Popup()));
        A->Perform(CM_MOUSELEAVE, 0, 0);
    }
    void ToPinned()
    {
        ToOpen();
        B->Click();
        ParkPointer();
        B->Perform(CM_MOUSELEAVE, 0, 0);
    }

    BoardScene Scene;
    TBoardHighlight* A = nullptr;
    TBoardHighlight* B = nullptr;
    TBoardHighlight* Other = nullptr;
    int BClicks = 0;
};
} // namespace

TEST_F(GroupTest, EnteringAMemberOpensOnePopupForTheWholeGroup)
{
    ASSERT_EQ(State(), GroupState::Closed);
    ToOpen();
    EXPECT_EQ(State(), GroupState::Open);
    ASSERT_NE(A->Popup(), nullptr);
    EXPECT_EQ(B->Popup(), nullptr); // found A's popup by caption and tag
    EXPECT_TRUE(A->Popup()->Active());
    EXPECT_TRUE(A->PopupActive());
    EXPECT_TRUE(B->PopupActive());
    EXPECT_FALSE(Other->Lit());
    EXPECT_FALSE(Other->PopupActive());
}

TEST_F(GroupTest, LeavingAnyMemberForTheBoardClosesTheGroup)
{
    ToOpen();
    TPopupForm* popup = A->Popup();
    B->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(State(), GroupState::Closed);
    EXPECT_FALSE(popup->Visible());
    EXPECT_FALSE(A->PopupActive());
    EXPECT_FALSE(B->PopupActive());
    EXPECT_EQ(A->Popup(), popup); // hidden, not destroyed
}

TEST_F(GroupTest, LeavingIntoThePopupHoldsIt)
{
    ToHeld();
    EXPECT_EQ(State(), GroupState::Held);
    EXPECT_TRUE(A->Popup()->Active());
}

TEST_F(GroupTest, ClickingAMemberPinsTheGroup)
{
    ToPinned();
    EXPECT_EQ(State(), GroupState::Pinned);
    EXPECT_EQ(BClicks, 1);
    EXPECT_TRUE(A->Popup()->Active());
}

TEST_F(GroupTest, HeldPopupClosesWhenThePointerLeavesIt)
{
    ToHeld();
    TPopupForm* popup = A->Popup();
    // Still on the window (frame or caption bar count as the window).
    MoveTo(TPoint{popup->Left(), popup->Top()});
    popup->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(State(), GroupState::Held);

    ParkPointer();
    popup->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(State(), GroupState::Closed);
}

TEST_F(GroupTest, PinnedGroupIgnoresThePointer)
{
    ToPinned();
    TPopupForm* popup = A->Popup();
    for (TBoardHighlight* ring : {A, B}) {
        ring->Perform(CM_MOUSEENTER, 0, 0);
        ring->Perform(CM_MOUSELEAVE, 0, 0);
    }
    popup->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(State(), GroupState::Pinned);
}

TEST_F(GroupTest, EveryWayOfClosingEndsClosed)
{
    struct Closer {
        const char* Name;
        bool NeedsTick;
        std::function<void(GroupTest&)> Run;
    };
    const Closer closers[] = {
        {"Done button", false, [](GroupTest& t) { t.A->DoneClick(nullptr); }},
        {"close box", false, [](GroupTest& t) { t.A->Popup()->Close(); }},
        {"ticked entry", true, [](GroupTest& t) { t.EntryItem()->Click(); }},
    };
    struct Opener {
        const char* Name;
        bool Ticks;
        std::function<void(GroupTest&)> Run;
    };
    const Opener openers[] = {
        {"Open", false, [](GroupTest& t) { t.ToOpen(); }},
        {"Held", true, [](GroupTest& t) { t.ToHeld(); }},
        {"Pinned", true, [](GroupTest& t) { t.ToPinned(); }},
    };
    for (const Opener& o : openers)
        for (const Closer& c : closers) {
            if (c.NeedsTick && !o.Ticks)
                continue;
            o.Run(*this);
            ASSERT_NE(State(), GroupState::Closed) << o.Name;
            c.Run(*this);
            EXPECT_EQ(State(), GroupState::Closed) << o.Name << " closed by " << c.Name << ": " << NameOf(State());
            EXPECT_FALSE(A->PopupActive()) << o.Name << " closed by " << c.Name;
        }
}

TEST_F(GroupTest, ActivationReachesEveryMemberAndLeavesTheStateAlone)
{
    ToOpen();
    Scene.Form->SetFocus();
    EXPECT_FALSE(A->PopupActive());
    EXPECT_FALSE(B->PopupActive());
    EXPECT_EQ(State(), GroupState::Open);
    A->Popup()->SetFocus();
    EXPECT_TRUE(A->PopupActive());
    EXPECT_TRUE(B->PopupActive());
    EXPECT_EQ(State(), GroupState::Open);
}

TEST_F(GroupTest, ReenteringAfterAPinnedPopupClosedShowsItUnpinned)
{
    ToPinned();
    TPopupForm* popup = A->Popup();
    const TRect placed = popup->BoundsRect();
    A->DoneClick(nullptr);
    EXPECT_TRUE(A->Pinned()); // closing does not unpin; showing again does
    popup->SetBounds(placed.Left + 30, placed.Top + 5, placed.Width() + 10, placed.Height());
    const TRect moved = popup->BoundsRect();
    B->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(State(), GroupState::Open);
    EXPECT_EQ(A->Popup(), popup);
    EXPECT_EQ(popup->BoundsRect(), moved);
    B->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(State(), GroupState::Closed);
}

TEST_F(GroupTest, ClickingARingWhosePopupWasClosedUnderThePointerShowsItPinned)
{
    ToPinned();
    A->Popup()->Close(); // e.g. from the keyboard, the pointer resting on A
    ASSERT_EQ(State(), GroupState::Closed);
    A->Click();
    EXPECT_EQ(State(), GroupState::Pinned);
    EXPECT_TRUE(A->Popup()->Active());
}

TEST_F(GroupTest, LeaveOnAnUnlitRingDoesNothing)
{
    B->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(State(), GroupState::Closed);
    EXPECT_EQ(A->Popup(), nullptr);
}

TEST_F(GroupTest, StartTourOpensTheFirstRingsPopupPinned)
{
    Scene.Board->SetFirst(A);
    Scene.Board->Perform(WM_SETUP_START, 0, 0);
    EXPECT_EQ(State(), GroupState::Pinned);
    EXPECT_TRUE(A->Popup()->Active());
    EXPECT_EQ(BClicks, 0);
    A->Perform(CM_MOUSEENTER, 0, 0);
    A->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(State(), GroupState::Pinned);
}

// ---- Child order and walks ----------------------------------------------------

namespace {
std::vector<std::string> ChildNames(TBoardImage* board)
{
    std::vector<std::string> names;
    for (int i = 0; i < board->ControlCount(); ++i)
        names.push_back(board->Controls(i)->Name());
    return names;
}

TBoardHighlight* NamedRing(BoardScene& scene, const char* name, const char* title, int left)
{
    TBoardHighlight* ring = scene.AddRing(title, htOptions, Bounds(left, 10, 20, 20));
    ring->SetName(name);
    return ring;
}

// Records the pointer notifications it gets; still a "TBoardHighlight" by class name.
class RecordingRing : public TBoardHighlight {
public:
    using TBoardHighlight::TBoardHighlight;
    std::vector<std::pair<unsigned, intptr_t>>* Log = nullptr;
    void WndProc(TMessage& m) override
    {
        if (Log && (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE))
            Log->emplace_back(m.Msg, m.WParam);
        TBoardHighlight::WndProc(m);
    }
};
} // namespace

TEST(HighlightGroupOrder, ActivatedMembersEndInFrontOwnerFirst)
{
    BoardScene scene;
    NamedRing(scene, "M1", "Group", 10);
    NamedRing(scene, "X", "Apart", 40);
    TBoardHighlight* m2 = NamedRing(scene, "M2", "Group", 70);
    NamedRing(scene, "Y", "Apart too", 100);
    NamedRing(scene, "M3", "Group", 130);
    ASSERT_TRUE(scene.Show());
    m2->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(ChildNames(scene.Board), (std::vector<std::string>{"X", "Y", "M2", "M1", "M3"}));
    for (int i = 2; i < 5; ++i)
        EXPECT_TRUE(static_cast<TBoardHighlight*>(scene.Board->Controls(i))->PopupActive());
}

TEST(HighlightGroupOrder, BroadcastsReachEachMemberOnceAndAreNeverRepeated)
{
    BoardScene scene;
    std::vector<std::pair<unsigned, intptr_t>> logs[3];
    RecordingRing* rings[3];
    for (int i = 0; i < 3; ++i) {
        rings[i] = new RecordingRing(scene.Form);
        rings[i]->SetParent(scene.Board);
        rings[i]->SetBounds(10 + 40 * i, 10, 20, 20);
        rings[i]->SetTitle("Echo");
        rings[i]->SetCreatePopup(i == 2);
        rings[i]->Log = &logs[i];
    }
    ASSERT_TRUE(scene.Show());
    ParkPointer();

    // An echo alone lights its ring and goes no further.
    rings[0]->Perform(CM_MOUSEENTER, 1, 0);
    EXPECT_TRUE(rings[0]->Lit());
    EXPECT_FALSE(rings[1]->Lit());
    EXPECT_TRUE(logs[1].empty());
    EXPECT_TRUE(logs[2].empty());
    rings[0]->Unlight();
    logs[0].clear();

    rings[1]->Perform(CM_MOUSEENTER, 0, 0);
    using Log = std::vector<std::pair<unsigned, intptr_t>>;
    EXPECT_EQ(logs[0], (Log{{CM_MOUSEENTER, 1}}));
    EXPECT_EQ(logs[1], (Log{{CM_MOUSEENTER, 0}, {CM_MOUSEENTER, 1}}));
    EXPECT_EQ(logs[2], (Log{{CM_MOUSEENTER, 1}}));
    for (RecordingRing* r : rings)
        EXPECT_TRUE(r->Lit());
    ASSERT_NE(rings[2]->Popup(), nullptr);
    EXPECT_TRUE(rings[2]->Popup()->Visible());

    for (auto& l : logs)
        l.clear();
    rings[0]->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(logs[0], (Log{{CM_MOUSELEAVE, 0}, {CM_MOUSELEAVE, 1}}));
    EXPECT_EQ(logs[1], (Log{{CM_MOUSELEAVE, 1}}));
    EXPECT_EQ(logs[2], (Log{{CM_MOUSELEAVE, 1}}));
    EXPECT_FALSE(rings[2]->Popup()->Visible());
    for (RecordingRing* r : rings)
        EXPECT_FALSE(r->Lit());

    // Unlit rings neither act nor broadcast.
    for (auto& l : logs)
        l.clear();
    rings[0]->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(logs[1].empty());
    EXPECT_TRUE(logs[2].empty());
}

TEST(HighlightGroupOrder, MembersWithoutPopupsLeaveItToTheOthers)
{
    BoardScene scene;
    TBoardHighlight* lone = scene.AddRing("Lone", htSettings, Bounds(10, 10, 20, 20));
    lone->SetCreatePopup(false);
    TBoardHighlight* quiet = scene.AddRing("Pair", htSettings, Bounds(40, 10, 20, 20));
    quiet->SetCreatePopup(false);
    TBoardHighlight* maker = scene.AddRing("Pair", htSettings, Bounds(70, 10, 20, 20));
    ASSERT_TRUE(scene.Show());
    ParkPointer();

    lone->Perform(CM_MOUSEENTER, 0, 0);
    lone->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(lone->Lit());
    EXPECT_EQ(lone->Popup(), nullptr);

    quiet->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(quiet->Popup(), nullptr);
    ASSERT_NE(maker->Popup(), nullptr);
    EXPECT_TRUE(maker->Popup()->Visible());
    EXPECT_TRUE(maker->Lit());
    quiet->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(maker->Popup()->Visible());
    EXPECT_FALSE(quiet->Lit());
    EXPECT_FALSE(maker->Lit());
}

TEST(HighlightGroupOrder, OnlyEqualTitleAndTypeMakeAGroup)
{
    struct {
        const char* Title;
        THighlightType Type;
    } const strangers[] = {{"Group", htOptions}, {"group", htSettings}, {"&Group", htSettings}, {"Gro&up", htSettings}};
    for (const auto& s : strangers) {
        BoardScene scene;
        TBoardHighlight* ring = scene.AddRing("Group", htSettings, Bounds(10, 10, 20, 20));
        TBoardHighlight* stranger = scene.AddRing(s.Title, s.Type, Bounds(40, 10, 20, 20));
        ASSERT_TRUE(scene.Show());
        ParkPointer();
        ring->Perform(CM_MOUSEENTER, 0, 0);
        EXPECT_TRUE(ring->Lit());
        EXPECT_FALSE(stranger->Lit()) << s.Title;
    }
}

TEST(HighlightGroupOrder, RingOffABoardImageActsAlone)
{
    BoardScene scene;
    auto* panel = new TCustomPanel(scene.Form);
    panel->SetParent(scene.Form);
    panel->SetBounds(0, 0, 90, 60);
    TBoardHighlight* rings[2];
    for (int i = 0; i < 2; ++i) {
        rings[i] = new TBoardHighlight(scene.Form);
        rings[i]->SetParent(panel);
        rings[i]->SetBounds(5 + 40 * i, 5, 30, 30);
        rings[i]->SetTitle("Loose");
    }
    ASSERT_TRUE(scene.Show());
    ASSERT_TRUE(WaitFor([&] { return rings[0]->Prepared(); }));
    ParkPointer();
    rings[0]->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(rings[0]->Lit());
    EXPECT_FALSE(rings[1]->Lit());
    ASSERT_NE(rings[0]->Popup(), nullptr);
    EXPECT_TRUE(rings[0]->Popup()->Visible());
    rings[0]->Click();
    EXPECT_TRUE(rings[0]->Pinned());
    rings[0]->DoneClick(nullptr);
    EXPECT_FALSE(rings[0]->Lit());
    // Closed while the pointer rests on the ring, then clicked: with no group
    // to walk, nothing focuses the popup or shows it again.
    rings[0]->Click();
    EXPECT_FALSE(rings[0]->Popup()->Visible());
    EXPECT_FALSE(rings[0]->Popup()->Active());
    EXPECT_FALSE(rings[0]->Lit());
}

// ---- Titles ---------------------------------------------------------------------

TEST(HighlightTitle, DerivedNames)
{
    struct {
        const char* Title;
        const char* Plain;
        const char* Ident;
    } const cases[] = {
        {"&External Power", "External Power", "ExternalPower"},
        {"&USB Connector", "USB Connector", "USBConnector"},
        {"LED Light", "LED Light", "LEDLight"},
        {"DC Input", "DC Input", "DCInput"},
        {"A&&B", "AB", "AB"},
        {"12 & 34!", "12  34!", ""},
        {"9 _x-1 \xc3\xa9t\xc3\xa9", "9 _x-1 \xc3\xa9t\xc3\xa9", "_x1t"},
        {"Ready_2", "Ready_2", "Ready_2"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        TBoardHighlight ring(nullptr);
        ring.SetTitle(c.Title);
        EXPECT_EQ(ring.Title(), c.Title);
        EXPECT_EQ(ring.PlainTitle(), c.Plain) << c.Title;
        EXPECT_EQ(ring.IdentTitle(), c.Ident) << c.Title;
    }
}

// ---- Real pointer moves within the board's window ----------------------------------

TEST(HighlightPointer, EnteringAndLeavingForTheBoardOpensAndClosesThePopup)
{
    BoardScene scene;
    TBoardHighlight* ring = scene.AddRing("Tracked", htSettings, Bounds(20, 20, 40, 40));
    ASSERT_TRUE(scene.Show());
    TMenuItem* entry = scene.Entry("&Settings", "Tracked");
    bool everTicked = false;
    const TPoint onRing = scene.Board->ClientToScreen(TPoint{40, 40});
    const TPoint onBoard = scene.Board->ClientToScreen(TPoint{200, 150});

    MoveTo(onRing);
    ASSERT_TRUE(WaitFor([&] { return ring->Popup() && ring->Popup()->Visible(); }));
    EXPECT_TRUE(ring->Lit());
    everTicked |= entry->Checked();
    MoveTo(onBoard);
    ASSERT_TRUE(WaitFor([&] {
        everTicked |= entry->Checked();
        return !ring->Popup()->Visible();
    }));
    EXPECT_FALSE(ring->Lit());
    EXPECT_FALSE(everTicked);
}
