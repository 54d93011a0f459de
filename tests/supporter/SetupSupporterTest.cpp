// The supporter's idle hook, the build of its header line and windows, the
// help window's first showing by the timer and the Help menu's commands.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "SupporterFixture.h"
#include "SetupCtrls/supporter/HelpForm.h"
#include "SetupCtrls/supporter/TechForm.h"
#include "toolkit/Button.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"

namespace {

// WaitFor never lets the event loop block, so the application's idle event
// (raised when the queue runs empty and the loop is about to wait) would not
// come; this runs a real nested loop instead.
bool RunLoopUntil(const std::function<bool()>& condition, int timeoutMs = 5000)
{
    if (condition())
        return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(timeoutMs, &loop, [&] { loop.quit(); });
    loop.exec();
    return condition();
}

TEST_F(SupporterTest, ConstructionDefaults)
{
    TSetupSupporter fresh(nullptr);
    EXPECT_EQ(fresh.Channels(), 8);
    EXPECT_TRUE(fresh.ChangeButtons());
    EXPECT_TRUE(fresh.bSeries());
    EXPECT_FALSE(fresh.UseCardNameB());
    EXPECT_FALSE(fresh.MultiPort());
    EXPECT_FALSE(fresh.Calibrating());
    EXPECT_FALSE(fresh.ShowHelpPending());
    EXPECT_FALSE(fresh.TimerActive());
    EXPECT_EQ(fresh.HelpForm(), nullptr);
}

TEST_F(SupporterTest, FirstIdleBuildsOnceAndTheFirstTickShowsHelpOnce)
{
    sup->HookIdle();
    main->Show();
    ASSERT_TRUE(RunLoopUntil([&] { return sup->WindowsBuilt(); }));
    QElapsedTimer sinceBuild;
    sinceBuild.start();

    // The handler unhooked itself before building.
    EXPECT_FALSE(Application->OnIdle);
    THelpForm* help = sup->HelpForm();
    ASSERT_NE(help, nullptr);
    ASSERT_NE(sup->TechForm(), nullptr);
    EXPECT_EQ(sup->PCIForm(), nullptr);
    EXPECT_FALSE(help->Visible());
    EXPECT_FALSE(sup->TechForm()->Visible());
    EXPECT_TRUE(sup->ShowHelpPending());
    EXPECT_TRUE(sup->TimerActive());

    ASSERT_TRUE(RunLoopUntil([&] { return help->Visible(); }, 2000));
    EXPECT_GE(sinceBuild.elapsed(), 90);
    EXPECT_FALSE(sup->ShowHelpPending());
    EXPECT_FALSE(sup->TimerActive());

    help->Hide();
    EXPECT_FALSE(RunLoopUntil([&] { return help->Visible(); }, 400));
    EXPECT_EQ(sup->HelpForm(), help);
    EXPECT_TRUE(errors.empty());
}

TEST_F(SupporterTest, HeaderLabelOnTheMainWindow)
{
    RunIdleOnce();
    TLabel* header = sup->HeaderLabel();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->Name(), "HeaderLabel");
    EXPECT_EQ(header->Owner(), main);
    EXPECT_EQ(header->Parent(), main);
    EXPECT_EQ(header->Align(), alTop);
    EXPECT_EQ(header->Alignment(), taCenter);
    EXPECT_EQ(header->Left(), 0);
    EXPECT_EQ(header->Top(), 0);
    EXPECT_EQ(header->Width(), main->ClientWidth());
    EXPECT_EQ(header->Font().Name(), "Tahoma");
    EXPECT_EQ(header->Font().Size(), 18);
    EXPECT_EQ(header->Font().Style(), TFontStyles(fsBold));
    EXPECT_EQ(header->Font().Color(), clBlack);
    EXPECT_EQ(header->Caption(), "LX-4410 Series Settings Program");
    EXPECT_EQ(main->FindComponent("HelpForm"), sup->HelpForm());
    EXPECT_EQ(main->FindComponent("TechForm"), sup->TechForm());
}

struct HeaderCase {
    bool series;
    bool useB;
    bool describesCards;  // no driver in this run: no card is found
    const char* expected;
};

void PrintTo(const HeaderCase& c, std::ostream* os)
{
    *os << '"' << c.expected << '"';
}

class HeaderText : public SupporterTest, public testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderText, NamesTheCardAndWhetherOneWasFound)
{
    const HeaderCase& c = GetParam();
    sup->SetCardNameB("LX-9000");
    sup->SetbSeries(c.series);
    sup->SetUseCardNameB(c.useB);
    if (c.describesCards)
        sup->SetOnGetCardString([](TObject*, int32_t) { return std::string("a card"); });
    RunIdleOnce();
    ASSERT_TRUE(errors.empty()) << errors.front().message;
    EXPECT_EQ(sup->HeaderLabel()->Caption(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Variants, HeaderText,
                         testing::Values(HeaderCase{true, false, false, "LX-4410 Series Settings Program"},
                                         HeaderCase{false, false, false, "LX-4410 Settings Program"},
                                         HeaderCase{true, true, false, "LX-9000 Series Settings Program"},
                                         HeaderCase{true, false, true, "No LX-4410 Series Card Found"},
                                         HeaderCase{false, false, true, "No LX-4410 Found"},
                                         HeaderCase{false, true, true, "No LX-9000 Found"}));

TEST_F(SupporterTest, RefusedTimerDuringTheBuildReachesTheApplicationHandler)
{
    TMessageWindow::SetRefuseTimers(true);
    sup->HookIdle();
    main->Show();
    ASSERT_TRUE(RunLoopUntil([&] { return !errors.empty(); }));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].outOfResources);
    EXPECT_EQ(errors[0].message, "Not enough timers available");
    EXPECT_EQ(errors[0].sender, Application);
    // Everything before the timer was built; the idle hook is gone, so no retry.
    EXPECT_EQ(sup->HeaderLabel()->Caption(), "LX-4410 Series Settings Program");
    EXPECT_FALSE(Application->OnIdle);
    EXPECT_FALSE(sup->TimerActive());
    EXPECT_FALSE(RunLoopUntil([&] { return errors.size() > 1; }, 300));
}

TEST_F(SupporterTest, AssigningOnBeginCalibStartsNothingByItself)
{
    sup->SetOnBeginCalib([](TObject*) {});
    EXPECT_FALSE(sup->TimerActive());
    RunIdleOnce();
    ASSERT_TRUE(sup->TimerActive());
    sup->SetOnBeginCalib(nullptr);
    EXPECT_TRUE(sup->TimerActive());
    EXPECT_TRUE(sup->ShowHelpPending());
}

TEST_F(SupporterTest, HelpCommandBeforeTheFirstIdleMomentBuildsAndShows)
{
    ASSERT_EQ(sup->HelpForm(), nullptr);
    sup->ShowHelp();
    THelpForm* help = sup->HelpForm();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->Visible());
    EXPECT_EQ(sup->HeaderLabel()->Caption(), "LX-4410 Series Settings Program");

    // The idle moment that follows unhooks itself and builds nothing twice.
    sup->HookIdle();
    RunIdleOnce();
    EXPECT_EQ(sup->HelpForm(), help);
    int headers = 0;
    for (int i = 0; i < main->ComponentCount(); ++i)
        headers += dynamic_cast<TLabel*>(main->Components(i)) != nullptr;
    EXPECT_EQ(headers, 1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(SupporterTest, TechSupportCommandBeforeTheFirstIdleMomentBuildsAndShows)
{
    sup->ShowTechSupport();
    ASSERT_NE(sup->TechForm(), nullptr);
    EXPECT_TRUE(sup->TechForm()->Visible());
    EXPECT_TRUE(errors.empty());
}

TEST_F(SupporterTest, HelpCommandsShowHiddenWindowsAndCloseHidesTech)
{
    RunIdleOnce();
    TTechForm* tech = sup->TechForm();
    sup->ShowTechSupport();
    EXPECT_TRUE(tech->Visible());
    tech->CloseButton()->Click();
    EXPECT_FALSE(tech->Visible());
    sup->ShowTechSupport();
    EXPECT_TRUE(tech->Visible());

    sup->ShowHelp();
    EXPECT_TRUE(sup->HelpForm()->Visible());
}

TEST_F(SupporterTest, DesignModeBuildsNothing)
{
    sup->SetDesigning(true);
    RunIdleOnce();
    EXPECT_EQ(sup->HelpForm(), nullptr);
    EXPECT_EQ(sup->HeaderLabel(), nullptr);
    EXPECT_FALSE(sup->TimerActive());
}

TEST_F(SupporterTest, OtherMessagesGoToTheDefaultProcedure)
{
    TMessage m{WM_USER + 5, 1, 2, 77};
    sup->WndProc(m);
    EXPECT_EQ(m.Result, 0);
    EXPECT_FALSE(sup->ShowHelpPending());
}

} // namespace
