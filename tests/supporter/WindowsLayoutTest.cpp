// Size, placement and anchors of the help and technical-support windows, the
// screen factor, the support text and the help window's Start button.
#include <QTextBlock>
#include <Qt>

#include "SupporterFixture.h"
#include "SetupCtrls/board/BoardImage.h"
#include "SetupCtrls/supporter/HelpForm.h"
#include "SetupCtrls/supporter/TechForm.h"
#include "common/Wait.h"
#include "toolkit/Button.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"
#include "toolkit/RichEdit.h"

namespace {

struct FactorCase {
    int width, height;
    double factor;
    int clientWidth, clientHeight;
};

void PrintTo(const FactorCase& c, std::ostream* os)
{
    *os << c.width << "x" << c.height;
}

class HelpScreenScaling : public SupporterTest, public testing::WithParamInterface<FactorCase> {};

TEST_P(HelpScreenScaling, FactorAndClientSize)
{
    const FactorCase& c = GetParam();
    EXPECT_DOUBLE_EQ(HelpScreenFactor(c.width, c.height), c.factor);
    auto* help = new THelpForm(main);
    help->Build("{\\rtf1 x}", HelpScreenFactor(c.width, c.height));
    EXPECT_EQ(help->ClientWidth(), c.clientWidth);
    EXPECT_EQ(help->ClientHeight(), c.clientHeight);
    // The rich view keeps its distances to all four edges, the button its
    // distance to the bottom and its place in the middle.
    TRichEdit* rich = help->HelpRich();
    EXPECT_EQ(rich->Left(), 0);
    EXPECT_EQ(rich->Top(), 24);
    EXPECT_EQ(help->ClientWidth() - rich->Left() - rich->Width(), 0);
    EXPECT_EQ(help->ClientHeight() - rich->Top() - rich->Height(), 41);
    TButton* start = help->StartButton();
    EXPECT_EQ(start->Width(), 173);
    EXPECT_EQ(start->Height(), 25);
    EXPECT_EQ(help->ClientHeight() - start->Top() - start->Height(), 8);
    EXPECT_LE(std::abs(2 * start->Left() + start->Width() - help->ClientWidth()), 2);
    EXPECT_EQ(help->HelpLabel()->Width(), help->ClientWidth());
}

INSTANTIATE_TEST_SUITE_P(Screens, HelpScreenScaling,
                         testing::Values(FactorCase{800, 600, 1.0, 305, 138},
                                         FactorCase{640, 480, 1.0, 305, 138},
                                         FactorCase{1024, 768, 1.28, 390, 177},
                                         FactorCase{1600, 900, 2.0, 610, 276},
                                         FactorCase{1920, 1080, 2.4, 732, 331}));

TEST_F(SupporterTest, HelpWindowAsBuiltOnThisScreen)
{
    RunIdleOnce();
    THelpForm* help = sup->HelpForm();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Name(), "HelpForm");
    EXPECT_EQ(help->Owner(), main);
    EXPECT_EQ(help->Caption(), "Instructions for Settings utility");
    EXPECT_EQ(help->FormStyle(), fsStayOnTop);
    EXPECT_EQ(help->Position(), poMainFormCenter);
    EXPECT_EQ(help->CloseButton(), nullptr);
    // The offscreen test screen is 1024 x 768.
    EXPECT_EQ(help->ClientWidth(), 390);
    EXPECT_EQ(help->ClientHeight(), 177);

    TLabel* label = help->HelpLabel();
    EXPECT_EQ(label->Name(), "HelpLabel");
    EXPECT_EQ(label->Caption(), "How to use this program");
    EXPECT_EQ(label->Align(), alTop);
    EXPECT_EQ(label->Alignment(), taCenter);
    EXPECT_EQ(label->Font().Name(), "Verdana");
    EXPECT_EQ(label->Font().Size(), 12);
    EXPECT_EQ(label->Font().Style(), TFontStyles(fsBold));
    EXPECT_GT(label->Height(), 0);
    EXPECT_LE(label->Height(), 24);

    TRichEdit* rich = help->HelpRich();
    EXPECT_EQ(rich->Name(), "HelpRich");
    EXPECT_TRUE(rich->ReadOnly());
    EXPECT_EQ(rich->ScrollBars(), ssVertical);
    EXPECT_EQ(rich->Color(), TColor(0x00DDDDDD));
    EXPECT_EQ(rich->Anchors(), TAnchors(akLeft | akTop | akRight | akBottom));

    TButton* start = help->StartButton();
    EXPECT_EQ(start->Name(), "StartButton");
    EXPECT_EQ(start->Caption(), "Start");
    EXPECT_TRUE(start->Default());
    EXPECT_TRUE(start->Cancel());
    EXPECT_EQ(start->TabOrder(), 0);
    EXPECT_EQ(start->Anchors(), TAnchors(akBottom));
}

TEST_F(SupporterTest, HelpWindowFirstShowsCentredOnTheMainWindowThenKeepsItsPlace)
{
    main->SetBounds(100, 50, 800, 600);
    main->Show();
    RunIdleOnce();
    THelpForm* help = sup->HelpForm();
    sup->ShowHelp();
    ASSERT_TRUE(help->Visible());
    // Offscreen windows have no frame: the outer size is the client size.
    EXPECT_EQ(help->Width(), 390);
    EXPECT_EQ(help->Height(), 177);
    EXPECT_EQ(help->Left(), 100 + (800 - 390) / 2);
    EXPECT_EQ(help->Top(), 50 + (600 - 177) / 2);

    help->Hide();
    main->SetBounds(0, 0, 500, 400);
    sup->ShowHelp();
    EXPECT_EQ(help->Left(), 100 + (800 - 390) / 2);
    EXPECT_EQ(help->Top(), 50 + (600 - 177) / 2);
}

// A board image that records the messages it receives instead of acting on them.
class RecordingBoard : public TBoardImage {
public:
    using TBoardImage::TBoardImage;
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_SETUP_START)
            received.push_back(message);
        else
            TBoardImage::WndProc(message);
    }
    std::vector<TMessage> received;
};

TEST_F(SupporterTest, StartSendsTheTourMessageToTheFirstBoardImageOnly)
{
    auto* other = new TButton(main);
    other->SetParent(main);
    auto* first = new RecordingBoard(main);
    first->SetParent(main);
    auto* second = new RecordingBoard(main);
    second->SetParent(main);
    RunIdleOnce();
    THelpForm* help = sup->HelpForm();
    sup->ShowHelp();

    help->StartButton()->Click();
    EXPECT_FALSE(help->Visible());
    ASSERT_EQ(first->received.size(), 1u);
    EXPECT_EQ(first->received[0].Msg, 1186u);
    EXPECT_EQ(first->received[0].WParam, 0);
    EXPECT_EQ(first->received[0].LParam, 0);
    EXPECT_TRUE(second->received.empty());

    // Esc in the window presses Start too.
    sup->ShowHelp();
    EXPECT_TRUE(help->FrameKey(Qt::Key_Escape));
    EXPECT_FALSE(help->Visible());
    EXPECT_EQ(first->received.size(), 2u);
    EXPECT_TRUE(errors.empty());
}

TEST_F(SupporterTest, StartWithoutABoardImageOnlyHides)
{
    RunIdleOnce();
    sup->ShowHelp();
    sup->HelpForm()->StartButton()->Click();
    EXPECT_FALSE(sup->HelpForm()->Visible());
    EXPECT_TRUE(errors.empty());
}

TEST_F(SupporterTest, TechWindowLayout)
{
    RunIdleOnce();
    TTechForm* tech = sup->TechForm();
    ASSERT_NE(tech, nullptr);
    EXPECT_EQ(tech->Name(), "TechForm");
    EXPECT_EQ(tech->Owner(), main);
    EXPECT_EQ(tech->Caption(), "Technical Support");
    EXPECT_EQ(tech->FormStyle(), fsStayOnTop);
    EXPECT_EQ(tech->Position(), poDefaultPosOnly);
    EXPECT_FALSE(tech->Visible());
    EXPECT_EQ(tech->ClientWidth(), 305);
    EXPECT_EQ(tech->ClientHeight(), 122);

    TMemo* memo = tech->TechMemo();
    EXPECT_EQ(memo->Name(), "TechMemo");
    EXPECT_EQ(memo->BoundsRect(), Bounds(0, 0, 305, 89));
    EXPECT_TRUE(memo->ReadOnly());
    EXPECT_EQ(memo->ScrollBars(), ssVertical);
    EXPECT_TRUE(memo->WordWrap());
    EXPECT_EQ(memo->Anchors(), TAnchors(akLeft | akTop | akRight | akBottom));

    TButton* close = tech->CloseButton();
    EXPECT_EQ(close->Name(), "CloseButton");
    EXPECT_EQ(close->Caption(), "Close");
    EXPECT_TRUE(close->Cancel());
    EXPECT_EQ(close->TabOrder(), 0);
    EXPECT_EQ(close->BoundsRect(), Bounds(116, 97, 73, 25));
    EXPECT_EQ(close->Anchors(), TAnchors(akBottom));

    // Growing the window stretches the memo and keeps the button centred at the bottom.
    tech->SetClientSize(405, 222);
    EXPECT_EQ(memo->BoundsRect(), Bounds(0, 0, 405, 189));
    EXPECT_EQ(close->Top(), 197);
    EXPECT_LE(std::abs(2 * close->Left() + close->Width() - 405), 2);

    sup->ShowTechSupport();
    EXPECT_TRUE(tech->FrameKey(Qt::Key_Escape));
    EXPECT_FALSE(tech->Visible());
}

TEST_F(SupporterTest, TechTextNamesTheMakerAndTheSupportLine)
{
    RunIdleOnce();
    TMemo* memo = sup->TechForm()->TechMemo();
    ASSERT_EQ(memo->Lines().Count(), 3);
    EXPECT_EQ(memo->Lines().Strings(0),
              "There are several ways to get technical support. First and fastest is to skim the relevant sections "
              "of the manual. However, some questions require personal assistance, and NORVEL stands ready to "
              "provide that help. You can call us weekdays 8 to 5 at 555-0142 for any of your product questions.");
    EXPECT_EQ(memo->Lines().Strings(1), "");
    EXPECT_EQ(memo->Lines().Strings(2),
              "In order to provide the best and fastest support possible, we ask that you be at your computer when "
              "you call, and have the NORVEL product manual and Software Master CD at hand.");
}

TEST(TechSupportText, EmptyCallHowLeavesTwoSpaces)
{
    const std::string text = TechSupportText("ACME", "");
    EXPECT_NE(text.find("You can call us  for any"), std::string::npos);
    EXPECT_NE(text.find("questions.\r\n\r\nIn order"), std::string::npos);
    EXPECT_NE(text.find("have the ACME product manual"), std::string::npos);
}

} // namespace
