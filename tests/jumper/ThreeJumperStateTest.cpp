#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "JumperSupport.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

TEST(ThreeJumperState, NewJumperHasItsDefaults)
{
    TThreeJumper jumper(nullptr);
    EXPECT_EQ(jumper.Width(), 43);
    EXPECT_EQ(jumper.Height(), 18);
    EXPECT_EQ(jumper.JumperState(), jsOpen);
    EXPECT_EQ(jumper.Orientation(), otUp);
    EXPECT_EQ(jumper.BaseColor(), clGray);
    EXPECT_EQ(jumper.PinColor(), clYellow);
    EXPECT_EQ(jumper.JumperColor(), clMaroon);
    EXPECT_EQ(jumper.BorderStyle(), bsSingle);
    EXPECT_TRUE(jumper.AllowOpen());
    EXPECT_STREQ(jumper.ClassName(), "TThreeJumper");
}

TEST(ThreeJumperState, ClicksCycleTheCapAndReportEachMoveOnce)
{
    struct Case {
        bool allowOpen;
        TJumperState start;
        std::vector<TJumperState> afterClicks;
    };
    const Case cases[] = {
        {true, jsOpen, {jsLeft, jsRight, jsOpen, jsLeft}},
        {false, jsLeft, {jsRight, jsLeft, jsRight}},
        {false, jsRight, {jsLeft, jsRight}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "allowOpen " << c.allowOpen << " start " << c.start);
        TThreeJumper jumper(nullptr);
        jumper.SetAllowOpen(c.allowOpen);
        jumper.SetJumperState(c.start);
        ASSERT_EQ(jumper.JumperState(), c.start);
        std::vector<TJumperState> seen;
        jumper.OnClick = [&](TObject* sender) {
            EXPECT_EQ(sender, &jumper);
            seen.push_back(jumper.JumperState());
        };
        for (size_t i = 0; i < c.afterClicks.size(); ++i) {
            jumper.Click();
            EXPECT_EQ(jumper.JumperState(), c.afterClicks[i]);
            // One OnClick per click, and the handler already saw the new state.
            ASSERT_EQ(seen.size(), i + 1);
            EXPECT_EQ(seen.back(), c.afterClicks[i]);
        }
    }
}

TEST(ThreeJumperState, OpenPositionIsRefusedWithoutAllowOpen)
{
    CountingJumper jumper(nullptr);
    jumper.SetJumperState(jsRight);
    jumper.SetAllowOpen(false);
    EXPECT_EQ(jumper.JumperState(), jsRight) << "forbidding the open position leaves a closed cap alone";

    jumper.invalidations = 0;
    jumper.SetJumperState(jsOpen);
    EXPECT_EQ(jumper.JumperState(), jsRight);
    EXPECT_EQ(jumper.invalidations, 0);

    jumper.SetAllowOpen(true);
    jumper.SetJumperState(jsOpen);
    ASSERT_EQ(jumper.JumperState(), jsOpen);
    jumper.invalidations = 0;
    jumper.SetAllowOpen(false);
    EXPECT_EQ(jumper.JumperState(), jsLeft) << "an open jumper gets its cap on the left pair";
    EXPECT_GE(jumper.invalidations, 1);

    jumper.SetAllowOpen(true);
    EXPECT_EQ(jumper.JumperState(), jsLeft) << "allowing the open position again does not open the jumper";
}

TEST(ThreeJumperState, SettersRepaintOnlyOnChangeAndNeverRaiseOnClick)
{
    struct Setter {
        std::string name;
        std::function<void(TThreeJumper&)> sameValue;
        std::function<void(TThreeJumper&)> newValue;
    };
    const std::vector<Setter> setters = {
        {"JumperState", [](TThreeJumper& j) { j.SetJumperState(jsOpen); }, [](TThreeJumper& j) { j.SetJumperState(jsRight); }},
        {"BaseColor", [](TThreeJumper& j) { j.SetBaseColor(clGray); }, [](TThreeJumper& j) { j.SetBaseColor(clGreen); }},
        {"PinColor", [](TThreeJumper& j) { j.SetPinColor(clYellow); }, [](TThreeJumper& j) { j.SetPinColor(clWhite); }},
        {"JumperColor", [](TThreeJumper& j) { j.SetJumperColor(clMaroon); }, [](TThreeJumper& j) { j.SetJumperColor(clBlue); }},
        {"Orientation", [](TThreeJumper& j) { j.SetOrientation(otUp); }, [](TThreeJumper& j) { j.SetOrientation(otDown); }},
        {"BorderStyle", [](TThreeJumper& j) { j.SetBorderStyle(bsSingle); }, [](TThreeJumper& j) { j.SetBorderStyle(bsNone); }},
        {"AllowOpen", [](TThreeJumper& j) { j.SetAllowOpen(true); }, [](TThreeJumper& j) { j.SetAllowOpen(false); }},
    };
    for (const Setter& s : setters) {
        SCOPED_TRACE(s.name);
        CountingJumper jumper(nullptr);
        int clicks = 0;
        jumper.OnClick = [&](TObject*) { ++clicks; };
        jumper.invalidations = 0;
        s.sameValue(jumper);
        EXPECT_EQ(jumper.invalidations, 0);
        s.newValue(jumper);
        EXPECT_GE(jumper.invalidations, 1);
        EXPECT_EQ(clicks, 0);
    }
}

TEST(ThreeJumperState, NewValuesAreStored)
{
    TThreeJumper jumper(nullptr);
    jumper.SetBaseColor(clGreen);
    jumper.SetPinColor(clWhite);
    jumper.SetJumperColor(clBlue);
    jumper.SetOrientation(otRight);
    jumper.SetBorderStyle(bsNone);
    EXPECT_EQ(jumper.BaseColor(), clGreen);
    EXPECT_EQ(jumper.PinColor(), clWhite);
    EXPECT_EQ(jumper.JumperColor(), clBlue);
    EXPECT_EQ(jumper.Orientation(), otRight);
    EXPECT_EQ(jumper.BorderStyle(), bsNone);
}

TEST(ThreeJumperState, DoubleClickPressDoesNotAdvanceAgain)
{
    auto form = std::make_unique<TForm>(nullptr);
    auto* panel = new TCustomPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 120, 60);
    auto* jumper = new TThreeJumper(form.get());
    jumper->SetParent(panel);
    jumper->SetBounds(20, 10, 43, 18);
    int clicks = 0;
    jumper->OnClick = [&](TObject*) { ++clicks; };
    const TPoint onJumper{30, 15};

    panel->PointerButton(true, mbLeft, onJumper, false);
    panel->PointerButton(false, mbLeft, onJumper, false);
    panel->PointerButton(true, mbLeft, onJumper, true);
    panel->PointerButton(false, mbLeft, onJumper, false);
    EXPECT_EQ(jumper->JumperState(), jsLeft);
    EXPECT_EQ(clicks, 1);

    // The next ordinary press and release is a click again.
    panel->PointerButton(true, mbLeft, onJumper, false);
    panel->PointerButton(false, mbLeft, onJumper, false);
    EXPECT_EQ(jumper->JumperState(), jsRight);
    EXPECT_EQ(clicks, 2);
}

TEST(ThreeJumperState, RightButtonDoesNotClick)
{
    auto form = std::make_unique<TForm>(nullptr);
    auto* panel = new TCustomPanel(form.get());
    panel->SetParent(form.get());
    auto* jumper = new TThreeJumper(form.get());
    jumper->SetParent(panel);
    jumper->SetBounds(0, 0, 43, 18);
    panel->PointerButton(true, mbRight, TPoint{5, 5}, false);
    panel->PointerButton(false, mbRight, TPoint{5, 5}, false);
    EXPECT_EQ(jumper->JumperState(), jsOpen);
}
