#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardImage.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "toolkit/Application.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/Form.h"
#include "toolkit/WinApi.h"

namespace {
struct Box {
    std::string Text;
    unsigned Flags;
};

// Answers every message box with the given answer and records it.
class BoxRecorder {
public:
    explicit BoxRecorder(int answer)
    {
        SetMessageBoxHandler([this, answer](const std::string& text, const std::string&, unsigned flags) {
            Boxes.push_back(Box{text, flags});
            return answer;
        });
    }
    ~BoxRecorder() { SetMessageBoxHandler(nullptr); }
    std::vector<Box> Boxes;
};

struct Rings {
    TForm* Form;
    TBoardImage* Board;
    TBoardHighlight* A;  // "One", settings
    TBoardHighlight* A2; // "One", settings: A's group
    TBoardHighlight* B;  // "Two", settings
    TRadioPanel* PanelA;
    TRadioPanel* PanelB;
};

TBoardHighlight* MakeRing(TForm* owner, TWinControl* parent, const char* name, const char* title)
{
    auto* ring = new TBoardHighlight(owner);
    ring->SetName(name);
    ring->SetParent(parent);
    ring->SetTitle(title);
    return ring;
}

Rings MakeRings(bool designing)
{
    Rings r{};
    r.Form = new TForm(Application);
    r.Board = new TBoardImage(r.Form);
    r.Board->SetParent(r.Form);
    r.PanelA = new TRadioPanel(r.Form);
    r.PanelA->SetName("PanelA");
    r.PanelB = new TRadioPanel(r.Form);
    r.PanelB->SetName("PanelB");
    r.A = MakeRing(r.Form, r.Board, "RingA", "One");
    r.A2 = MakeRing(r.Form, r.Board, "RingA2", "One");
    r.B = MakeRing(r.Form, r.Board, "RingB", "Two");
    r.B->SetRadioPanel(r.PanelB);
    if (designing)
        r.Form->SetDesigning(true);
    return r;
}
} // namespace

TEST(RadioPanel, NewPanelIsHiddenAndCaptionless)
{
    TForm form(Application);
    auto* panel = new TRadioPanel(&form);
    panel->SetName("PowerPanel");
    EXPECT_FALSE(panel->Visible());
    EXPECT_EQ(panel->Width(), 194);
    EXPECT_EQ(panel->Height(), 100);
    EXPECT_EQ(panel->MemoHeight(), 58);
    EXPECT_EQ(panel->BevelOuter(), bvNone);
    EXPECT_FALSE(panel->RadioEnabled());
    EXPECT_EQ(panel->Anchors(), akLeft | akTop);
    EXPECT_EQ(panel->FinalAnchors(), akLeft | akTop);
    EXPECT_EQ(panel->Lines().Count(), 0);
    EXPECT_TRUE(panel->Caption().empty());
    EXPECT_FALSE(panel->InPopup());
    EXPECT_EQ(panel->StatusMemo(), nullptr);
}

TEST(RadioPanel, FinalAnchorsWaitForThePopupAndLinesAreCopied)
{
    TForm form(Application);
    auto* panel = new TRadioPanel(&form);
    panel->SetParent(&form);
    panel->SetFinalAnchors(akLeft | akTop | akRight);
    EXPECT_EQ(panel->Anchors(), akLeft | akTop);
    auto* popup = new TForm(&form);
    panel->MoveIntoPopup(popup);
    EXPECT_EQ(panel->Parent(), popup);
    EXPECT_EQ(panel->Anchors(), akLeft | akTop | akRight);
    panel->SetFinalAnchors(akLeft | akBottom);
    EXPECT_EQ(panel->Anchors(), akLeft | akBottom);

    TStringList lines;
    lines.Add("one");
    lines.Add("two");
    panel->SetLines(lines);
    lines.Put(0, "changed");
    EXPECT_EQ(panel->Lines().Lines(), (std::vector<std::string>{"one", "two"}));
}

TEST(RadioPanel, RingsOfAnotherGroupCannotTakeAPanel)
{
    for (bool designing : {false, true}) {
        BoxRecorder boxes(IDNO);
        Rings r = MakeRings(designing);
        r.A->SetRadioPanel(r.PanelB); // B's, another group
        EXPECT_EQ(r.A->RadioPanel(), nullptr) << designing;
        if (designing) {
            ASSERT_EQ(boxes.Boxes.size(), 1u);
            EXPECT_EQ(boxes.Boxes[0].Text, "PanelB has already been assigned to RingB.");
            EXPECT_EQ(boxes.Boxes[0].Flags & 0xF, MB_OK);
        } else {
            EXPECT_TRUE(boxes.Boxes.empty());
        }
        delete r.Form;
    }
}

TEST(RadioPanel, MembersOfOneGroupShareAPanel)
{
    BoxRecorder boxes(IDYES);
    Rings r = MakeRings(false);
    r.A->SetRadioPanel(r.PanelA);
    r.A2->SetRadioPanel(r.PanelA);
    EXPECT_EQ(r.A->RadioPanel(), r.PanelA);
    EXPECT_EQ(r.A2->RadioPanel(), r.PanelA);
    r.A->SetRadioPanel(nullptr);
    EXPECT_EQ(r.A->RadioPanel(), nullptr);
    EXPECT_TRUE(boxes.Boxes.empty()); // nothing is asked at run time
    delete r.Form;
}

TEST(RadioPanel, DesignerOffersToSynchroniseTheGroup)
{
    for (int answer : {IDYES, IDNO}) {
        BoxRecorder boxes(answer);
        Rings r = MakeRings(true);
        r.A->SetRadioPanel(r.PanelA);
        EXPECT_EQ(r.A->RadioPanel(), r.PanelA);
        ASSERT_EQ(boxes.Boxes.size(), 1u);
        EXPECT_EQ(boxes.Boxes[0].Text, "RingA's RadioPanel property changed. Synchronize linked component RingA2?");
        EXPECT_EQ(boxes.Boxes[0].Flags & 0xF, MB_YESNO);
        EXPECT_EQ(r.A2->RadioPanel(), answer == IDYES ? r.PanelA : nullptr);
        delete r.Form;
    }
}

TEST(RadioPanel, RingWithoutParentTakesThePanel)
{
    TForm form(Application);
    auto* panel = new TRadioPanel(&form);
    TBoardHighlight ring(nullptr);
    ring.SetRadioPanel(panel);
    EXPECT_EQ(ring.RadioPanel(), panel);
    ring.LinkRadioPanel(nullptr);
    EXPECT_EQ(ring.RadioPanel(), nullptr);
}
