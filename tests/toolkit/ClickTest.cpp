#include <gtest/gtest.h>

#include <QEvent>
#include <string>
#include <vector>

#include "tests/toolkit/ToolkitSupport.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/GraphicControl.h"

using namespace tk_test;

namespace {

class Target : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int Clicks = 0;
    int DoubleClicks = 0;
    void Click() override
    {
        ++Clicks;
        TGraphicControl::Click();
    }
    void DblClick() override
    {
        ++DoubleClicks;
        TGraphicControl::DblClick();
    }
};

// A panel with a windowless target at (20, 20)-(60, 60); events go to the
// panel's widget as Qt delivers them.
class Click : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = MakeForm(80, 80, 200, 120);
        panel = new TCustomPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(0, 0, 200, 120);
        panel->OnClick = [this](TObject*) { ++panelClicks; };
        target = new Target(form.get());
        target->SetParent(panel);
        target->SetBounds(20, 20, 40, 40);
        target->OnClick = [this](TObject* sender) { senders.push_back(sender); };
        ASSERT_TRUE(ShowAndWait(form.get()));
    }
    void Send(QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        SendMouse(panel->Handle(), type, x, y, button);
    }

    FormPtr form;
    TCustomPanel* panel = nullptr;
    Target* target = nullptr;
    std::vector<TObject*> senders;
    int panelClicks = 0;
};

} // namespace

TEST_F(Click, PressAndReleaseOnAChildClickItOnce)
{
    Send(QEvent::MouseButtonPress, 30, 30);
    EXPECT_TRUE(senders.empty());
    Send(QEvent::MouseButtonRelease, 50, 55);
    EXPECT_EQ(target->Clicks, 1);
    ASSERT_EQ(senders.size(), 1u);
    EXPECT_EQ(senders[0], target);
    EXPECT_EQ(panelClicks, 0);
}

TEST_F(Click, WhereThePressAndTheReleaseHappenDecides)
{
    struct Case {
        const char* name;
        QPoint press, release;
        Qt::MouseButton button;
        int targetClicks, panelClicks;
    };
    const Case cases[] = {
        {"inside", {25, 25}, {59, 59}, Qt::LeftButton, 1, 0},
        {"released outside the child", {25, 25}, {61, 30}, Qt::LeftButton, 0, 0},
        {"released off the panel", {25, 25}, {-5, 30}, Qt::LeftButton, 0, 0},
        // The panel took the press, and the release lies inside the panel.
        {"pressed on the panel, released on the child", {100, 100}, {30, 30}, Qt::LeftButton, 0, 1},
        {"on the panel itself", {100, 100}, {110, 90}, Qt::LeftButton, 0, 1},
        {"right button", {25, 25}, {30, 30}, Qt::RightButton, 0, 0},
    };
    for (const Case& c : cases) {
        target->Clicks = 0;
        panelClicks = 0;
        Send(QEvent::MouseButtonPress, c.press.x(), c.press.y(), c.button);
        Send(QEvent::MouseButtonRelease, c.release.x(), c.release.y(), c.button);
        EXPECT_EQ(target->Clicks, c.targetClicks) << c.name;
        EXPECT_EQ(panelClicks, c.panelClicks) << c.name;
    }
}

TEST_F(Click, AFastDoubleClickGivesOneClick)
{
    Send(QEvent::MouseButtonPress, 30, 30);
    Send(QEvent::MouseButtonRelease, 30, 30);
    Send(QEvent::MouseButtonDblClick, 30, 30);
    Send(QEvent::MouseButtonRelease, 30, 30);
    EXPECT_EQ(target->Clicks, 1);
    EXPECT_EQ(target->DoubleClicks, 1);
    // The next ordinary press starts a click again.
    Send(QEvent::MouseButtonPress, 30, 30);
    Send(QEvent::MouseButtonRelease, 30, 30);
    EXPECT_EQ(target->Clicks, 2);
}

TEST_F(Click, AClickHandlerMayDestroyItsControl)
{
    TGuard<Target> guard(target);
    target->OnClick = [](TObject* sender) { delete static_cast<Target*>(sender); };
    Send(QEvent::MouseButtonPress, 30, 30);
    Send(QEvent::MouseButtonRelease, 30, 30);
    EXPECT_FALSE(guard.Alive());
    EXPECT_EQ(panel->ControlCount(), 0);
    // The panel goes on taking clicks.
    Send(QEvent::MouseButtonPress, 30, 30);
    Send(QEvent::MouseButtonRelease, 30, 30);
    EXPECT_EQ(panelClicks, 1);
}

TEST_F(Click, AChildDestroyedBetweenPressAndReleaseClicksNothing)
{
    Send(QEvent::MouseButtonPress, 30, 30);
    delete target;
    Send(QEvent::MouseButtonRelease, 30, 30);
    EXPECT_EQ(panelClicks, 0);
    EXPECT_TRUE(senders.empty());
}
