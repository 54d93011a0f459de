// The keyboard cursor a windowed control keeps over its windowless tab stops:
// Tab and the arrows move it in child order, Tab leaves at the ends when
// something else can take the focus, keys reach the child it rests on, and a
// focus mark is drawn around that child on the parent's surface.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <string>
#include <vector>

#include "tests/toolkit/ToolkitSupport.h"
#include "toolkit/Button.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/QtBridge.h"

using namespace tk_test;

namespace {

class Stop : public TGraphicControl {
public:
    Stop(TComponent* owner, std::vector<std::string>& log) : TGraphicControl(owner), FLog(log) { SetTabStop(true); }
    bool KeyDown(int key, TShiftState) override
    {
        if (key != VK_SPACE)
            return false;
        FLog.push_back(Name());
        return true;
    }

protected:
    void Paint() override
    {
        Canvas()->Brush.Color = clGreen;
        Canvas()->FillRect(ClientRect());
    }

private:
    std::vector<std::string>& FLog;
};

class Cursor : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = MakeForm(40, 40, 300, 120);
        panel = new TCustomPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(0, 0, 300, 80);
        panel->SetCaption("");
        for (int i = 0; i < 3; ++i) {
            auto* s = new Stop(form.get(), pressed);
            s->SetName("S" + std::to_string(i));
            s->SetParent(panel);
            s->SetBounds(20 + 90 * i, 20, 40, 40);
            stops.push_back(s);
        }
        // A windowless child that is no tab stop is passed over.
        auto* plain = new TGraphicControl(form.get());
        plain->SetParent(panel);
        plain->SetBounds(0, 0, 5, 5);
        ASSERT_TRUE(ShowAndWait(form.get()));
    }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(focused, &press);
    }
    int CursorAt() const
    {
        for (size_t i = 0; i < stops.size(); ++i)
            if (panel->FocusedChild() == stops[i])
                return int(i);
        return -1;
    }
    FormPtr form;
    TCustomPanel* panel = nullptr;
    std::vector<Stop*> stops;
    std::vector<std::string> pressed;
};

} // namespace

TEST_F(Cursor, TabAndArrowsWalkTheStopsAndTabLeavesAtTheEndsOnlyWhenSomethingElseTakesTheFocus)
{
    EXPECT_TRUE(panel->Handle()->focusPolicy() & Qt::TabFocus) << "windowless tab stops make their parent one";
    panel->SetFocus();
    ASSERT_TRUE(panel->Focused());
    // Focus given from the program shows no cursor until a key moves it.
    EXPECT_FALSE(panel->FocusedChildShown());
    Press(Qt::Key_Tab);
    EXPECT_EQ(CursorAt(), 0);
    EXPECT_TRUE(stops[0]->KeyboardFocused());
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    EXPECT_EQ(CursorAt(), 2);
    // Nothing else can take the focus: Tab comes round to the first stop.
    Press(Qt::Key_Tab);
    EXPECT_EQ(CursorAt(), 0);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(CursorAt(), 2);
    Press(Qt::Key_Right);
    EXPECT_EQ(CursorAt(), 0);
    Press(Qt::Key_Up);
    EXPECT_EQ(CursorAt(), 2);
    Press(Qt::Key_Space);
    EXPECT_EQ(pressed, std::vector<std::string>{"S2"});

    // With a button beside the panel, Tab at the last stop moves on to it, and
    // Shift+Tab from it comes back to the last stop.
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 85, 75, 25);
    DrainEvents();
    Press(Qt::Key_Tab);
    EXPECT_TRUE(button->Focused());
    EXPECT_FALSE(stops[2]->KeyboardFocused());
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(panel->Focused());
    EXPECT_EQ(CursorAt(), 2);
    EXPECT_TRUE(stops[2]->KeyboardFocused());
    // Keys another control leaves unused do not reach the cursor.
    button->SetFocus();
    Press(Qt::Key_Space);
    EXPECT_EQ(pressed.size(), 1u);
}

TEST_F(Cursor, TheFocusMarkIsDrawnAroundTheChildAndGoesWithTheFocus)
{
    panel->SetFocus();
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    ASSERT_EQ(CursorAt(), 1);
    DrainEvents();
    const TRect r = stops[1]->FocusMarkRect();
    auto pixel = [this](int x, int y) { return FromQRgb(panel->Handle()->grab(QRect(x, y, 1, 1)).toImage().pixel(0, 0)); };
    // Outside the child, dark then light; the child's own pixels stay its own.
    EXPECT_EQ(pixel(r.Left, r.Top + 10), clBlack);
    EXPECT_EQ(pixel(r.Left + 1, r.Top + 10), clWhite);
    EXPECT_EQ(pixel(stops[1]->Left(), stops[1]->Top() + 10), clGreen);
    EXPECT_EQ(pixel(stops[0]->Left() - 2, stops[0]->Top() + 10), ColorToRGB(panel->Color()));
    // A click's focus shows no cursor.
    panel->FocusEntered(false, false, true);
    DrainEvents();
    EXPECT_FALSE(stops[1]->KeyboardFocused());
    EXPECT_EQ(pixel(r.Left, r.Top + 10), ColorToRGB(panel->Color()));
}
