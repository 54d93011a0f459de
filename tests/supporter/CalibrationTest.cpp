// Calibration passes driven by the supporter's timer: reading the channels,
// the "Total A/D failure" box with Retry and Cancel, the missing-handler box,
// posting results into the host's lists and resetting its channel buttons.
#include <QElapsedTimer>

#include "SupporterFixture.h"
#include "common/Wait.h"
#include "toolkit/Button.h"
#include "toolkit/Memo.h"

namespace {

const char* const kFailureText =
    "Total A/D failure. The card may not be installed, or it may be installed at a different base address.";

class CalibrationTest : public SupporterTest {
protected:
    void SetUp() override
    {
        SupporterTest::SetUp();
        results = new TMemo(main);
        results->SetParent(main);
        button = new TButton(main);
        button->SetParent(main);
        button->SetCaption("Stop");
        hidden = new TButton(main);
        hidden->SetParent(main);
        sup->AddChannelControls({&results, &button, &hidden, 0});
    }

    TMemo* results = nullptr;
    TButton* button = nullptr;
    TControl* hidden = nullptr;
};

TEST_F(CalibrationTest, NoChannelsMeansTotalFailureAndRetryRunsAnotherPassLater)
{
    sup->SetChannels(0);
    int reads = 0, begins = 0;
    sup->SetOnBeginCalib([&](TObject* sender) {
        EXPECT_EQ(sender, sup);
        ++begins;
    });
    sup->SetOnGetCalibString([&](TObject*, uint8_t, bool&) {
        ++reads;
        return std::string("x");
    });
    QElapsedTimer clock;
    std::vector<qint64> boxTimes;
    std::vector<bool> timerDuringBox;
    SetMessageBoxHandler([&](const std::string& text, const std::string& caption, unsigned flags) {
        boxes.push_back({text, caption, flags});
        boxTimes.push_back(clock.elapsed());
        timerDuringBox.push_back(sup->TimerActive());
        return boxes.size() == 1 ? IDRETRY : IDCANCEL;
    });

    clock.start();
    sup->SetCalibrating(true);
    ASSERT_TRUE(sup->TimerActive());
    ASSERT_TRUE(WaitFor([&] { return boxes.size() == 2; }, 3000));
    ASSERT_TRUE(WaitFor([&] { return !sup->Calibrating(); }));

    EXPECT_EQ(reads, 0);
    EXPECT_EQ(begins, 2);
    for (const RecordedBox& box : boxes) {
        EXPECT_EQ(box.text, kFailureText);
        EXPECT_EQ(box.caption, "Total A/D failure");
        EXPECT_EQ(box.flags, 0x50135u);
    }
    // No tick can start a pass while a box is up; Retry waited a full period.
    EXPECT_EQ(timerDuringBox, (std::vector<bool>{false, false}));
    EXPECT_GE(boxTimes[1] - boxTimes[0], 90);
    // Cancel ended the calibration: the button is a Start button now.
    EXPECT_FALSE(sup->TimerActive());
    EXPECT_EQ(button->Caption(), "Start");
    EXPECT_FALSE(hidden->Visible());
    EXPECT_TRUE(errors.empty());
}

TEST_F(CalibrationTest, MissingReadHandlerIsReportedAndEndsTheCalibration)
{
    AnswerBoxes({IDOK});
    sup->SetCalibrating(true);
    sup->TimerTick();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Error: calibration begun, but OnGetCalibString isn't assigned.");
    EXPECT_EQ(boxes[0].caption, "OnGetCalibString Not Assigned");
    EXPECT_EQ(boxes[0].flags, 0x50030u);
    EXPECT_FALSE(sup->Calibrating());
    EXPECT_FALSE(sup->TimerActive());
    EXPECT_EQ(button->Caption(), "Start");
    // The pass stopped before hiding anything.
    EXPECT_TRUE(hidden->Visible());
}

TEST_F(CalibrationTest, GoodPassPostsEveryChannelAndGoesOn)
{
    AnswerBoxes({IDCANCEL});
    std::vector<int> channels;
    sup->SetOnGetCalibString([&](TObject* sender, uint8_t channel, bool& allBad) {
        EXPECT_EQ(sender, sup);
        EXPECT_EQ(allBad, channels.empty() || channels.back() < 1);
        channels.push_back(channel);
        if (channel == 1)
            allBad = false;
        return "reading " + std::to_string(channel * 10);
    });
    results->Lines().Add("old 0");
    sup->SetCalibrating(true);
    sup->TimerTick();

    EXPECT_EQ(channels, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(sup->Calibrating());
    EXPECT_TRUE(sup->TimerActive());
    EXPECT_FALSE(hidden->Visible());
    ASSERT_EQ(results->Lines().Count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(results->Lines().Strings(i), "Channel " + std::to_string(i) + "\treading " + std::to_string(i * 10));
    EXPECT_EQ(button->Caption(), "Stop");

    // The timer brings the next pass.
    channels.clear();
    ASSERT_TRUE(WaitFor([&] { return channels.size() == 4; }));
    sup->EndCalibration();
    EXPECT_FALSE(sup->TimerActive());
}

TEST_F(CalibrationTest, HandlerThatSaysAllBadAtTheEndWins)
{
    AnswerBoxes({IDCANCEL});
    sup->SetChannels(2);
    sup->SetOnGetCalibString([](TObject*, uint8_t channel, bool& allBad) {
        allBad = channel == 1;
        return std::string("?");
    });
    sup->SetCalibrating(true);
    sup->TimerTick();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Total A/D failure");
    EXPECT_FALSE(sup->Calibrating());
}

TEST_F(CalibrationTest, EndingHandsTheButtonsTheStartHandlerUnlessTold)
{
    int starts = 0;
    sup->SetOnStartButtonClick([&](TObject*) { ++starts; });
    sup->SetCalibrating(true);
    sup->EndCalibration();
    EXPECT_FALSE(sup->Calibrating());
    EXPECT_EQ(button->Caption(), "Start");
    button->Click();
    EXPECT_EQ(starts, 1);

    button->SetCaption("Stop");
    sup->SetChangeButtons(false);
    sup->EndCalibration();
    EXPECT_EQ(button->Caption(), "Stop");
}

TEST_F(CalibrationTest, ResultsFollowTheHostsCurrentControls)
{
    // The host replaces its list; the supporter finds the new one.
    TMemo* replacement = new TMemo(main);
    results = replacement;
    sup->ShowChannelResult(2, "ok");
    ASSERT_EQ(replacement->Lines().Count(), 3);
    EXPECT_EQ(replacement->Lines().Strings(2), "Channel 2\tok");
    EXPECT_EQ(replacement->Lines().Strings(0), "");

    // An empty place is skipped.
    results = nullptr;
    button = nullptr;
    hidden = nullptr;
    sup->SetOnGetCalibString([](TObject*, uint8_t, bool& allBad) {
        allBad = false;
        return std::string("fine");
    });
    sup->SetCalibrating(true);
    sup->TimerTick();
    sup->EndCalibration();
    EXPECT_FALSE(sup->Calibrating());
}

TEST_F(CalibrationTest, WithoutChannelControlsEndingStillStops)
{
    TSetupSupporter bare(nullptr);
    bare.SetCalibrating(true);
    EXPECT_TRUE(bare.TimerActive());
    bare.ShowChannelResult(0, "x");
    bare.EndCalibration();
    EXPECT_FALSE(bare.Calibrating());
    EXPECT_FALSE(bare.TimerActive());
}

TEST_F(CalibrationTest, RefusedTimerOnRetryReachesTheApplicationHandlerFromTheTick)
{
    sup->SetChannels(0);
    sup->SetOnGetCalibString([](TObject*, uint8_t, bool&) { return std::string(); });
    SetMessageBoxHandler([&](const std::string&, const std::string&, unsigned) {
        TMessageWindow::SetRefuseTimers(true);
        return IDRETRY;
    });
    TMessage tick{WM_TIMER, 1, 0, 0};
    sup->SetCalibrating(true);
    sup->WndProc(tick);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].outOfResources);
    EXPECT_EQ(errors[0].message, "Not enough timers available");
    EXPECT_EQ(errors[0].sender, sup);
    EXPECT_TRUE(sup->Calibrating());
    EXPECT_FALSE(sup->TimerActive());
}

} // namespace
