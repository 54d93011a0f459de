#include "MainWindowFixture.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/PopupForm.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "SetupCtrls/jumper/ThreeJumper.h"
#include "toolkit/Bitmap.h"
#include "toolkit/RadioButton.h"

namespace {
// Which end of the drawn jumper carries the cap: the cap's maroon shows at
// the far left column for jsLeft and at the far right column for jsRight.
TJumperState DrawnState(const TThreeJumper* j)
{
    const TBitmap* b = j->RotatedBitmap();
    auto isCap = [&](int x) {
        const uint8_t* p = b->ScanLine(b->Height() / 2) + x * 4;
        return p[2] == 0x80 && p[1] == 0 && p[0] == 0;
    };
    bool left = isCap(1), right = isCap(b->Width() - 2);
    return left && !right ? jsLeft : right && !left ? jsRight : jsOpen;
}
} // namespace

class PowerCouplingTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ShowAndPaint();
        // The power popup takes the panel in; there the jumper paints.
        form->PowerHighlight->Perform(CM_MOUSEENTER, 0, 0);
        ASSERT_NE(form->PowerHighlight->Popup(), nullptr);
        ASSERT_TRUE(WaitFor([&] { return form->BusPowerJumper->RotatedBitmap()->Width() > 0; }));
        jumper = form->BusPowerJumper;
        usb = form->BusPowerRadio;
        ext = form->ExtPowerRadio;
    }
    // A real press and release over the jumper, routed by its panel.
    void ClickJumper()
    {
        TPoint p{jumper->Left() + jumper->Width() / 2, jumper->Top() + jumper->Height() / 2};
        form->PowerPanel->PointerButton(true, mbLeft, p, false);
        form->PowerPanel->PointerButton(false, mbLeft, p, false);
    }
    void ExpectInStep(TJumperState state)
    {
        EXPECT_EQ(jumper->JumperState(), state);
        EXPECT_EQ(usb->Checked(), state == jsRight);
        EXPECT_EQ(ext->Checked(), state == jsLeft);
    }
    TThreeJumper* jumper = nullptr;
    TRadioButton* usb = nullptr;
    TRadioButton* ext = nullptr;
};

TEST_F(PowerCouplingTest, StartsOnBusPowerWithHandlersAttachedAfterLoading)
{
    ExpectInStep(jsRight);
    EXPECT_EQ(DrawnState(jumper), jsRight);
    EXPECT_TRUE(bool(jumper->OnClick));
    EXPECT_TRUE(bool(usb->OnClick));
    EXPECT_TRUE(bool(ext->OnClick));
}

TEST_F(PowerCouplingTest, JumperClicksAlternateAndNeverLeaveTheCapOpen)
{
    const TJumperState expected[] = {jsLeft, jsRight, jsLeft, jsRight, jsLeft};
    for (TJumperState state : expected) {
        ClickJumper();
        // The handlers have run inside the click: the open position is gone already.
        ExpectInStep(state);
        ASSERT_TRUE(WaitFor([&] { return DrawnState(jumper) == state; }));
        EXPECT_EQ(DrawnState(jumper), state);
    }
}

TEST_F(PowerCouplingTest, RadioButtonsSetTheJumper)
{
    ext->UserClick();
    ExpectInStep(jsLeft);
    ext->UserClick(); // already checked: nothing
    ExpectInStep(jsLeft);
    usb->UserClick();
    ExpectInStep(jsRight);
    usb->UserClick();
    ExpectInStep(jsRight);
    ASSERT_TRUE(WaitFor([&] { return DrawnState(jumper) == jsRight; }));
}
