#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <string>
#include <vector>

#include "tests/toolkit/ToolkitSupport.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/RadioButton.h"

using namespace tk_test;

namespace {

using Log = std::vector<std::string>;

// Three radio buttons on one panel and one on another panel; every OnClick
// is logged by name.
class Radio : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = MakeForm(30, 30, 300, 200);
        auto* left = new TCustomPanel(form.get());
        left->SetParent(form.get());
        auto* right = new TCustomPanel(form.get());
        right->SetParent(form.get());
        right->SetLeft(150);
        for (const char* name : {"One", "Two", "Three"})
            group.push_back(Add(left, name));
        other = Add(right, "Other");
    }
    TRadioButton* Add(TWinControl* parent, const std::string& name)
    {
        auto* r = new TRadioButton(form.get());
        r->SetName(name);
        r->SetCaption(name);
        r->SetParent(parent);
        r->SetTop(20 * parent->ControlCount());
        r->OnClick = [this](TObject* sender) { clicks.push_back(static_cast<TRadioButton*>(sender)->Name()); };
        return r;
    }
    // Checked state of One, Two, Three and Other, as the controls and their widgets show it.
    std::vector<bool> States() const
    {
        std::vector<bool> out;
        for (TRadioButton* r : {group[0], group[1], group[2], other}) {
            bool shown = static_cast<QAbstractButton*>(r->Handle())->isChecked();
            EXPECT_EQ(shown, r->Checked()) << r->Name();
            out.push_back(r->Checked());
        }
        return out;
    }
    void UserClick(TRadioButton* r) { static_cast<QAbstractButton*>(r->Handle())->click(); }

    FormPtr form;
    std::vector<TRadioButton*> group;
    TRadioButton* other = nullptr;
    Log clicks;
};

} // namespace

TEST_F(Radio, CheckingAButtonUnchecksItsSiblingsSilentlyAndClicksItself)
{
    other->SetChecked(true);
    group[1]->SetChecked(true);
    clicks.clear();

    group[0]->SetChecked(true);
    EXPECT_EQ(States(), (std::vector<bool>{true, false, false, true}));
    EXPECT_EQ(clicks, Log{"One"});
}

TEST_F(Radio, OnlyAChangeToCheckedRaisesOnClick)
{
    struct Case {
        const char* name;
        bool start, set;
        Log expected;
    };
    const Case cases[] = {
        {"unchecked to checked", false, true, {"Two"}},
        {"checked to checked", true, true, {}},
        {"checked to unchecked", true, false, {}},
        {"unchecked to unchecked", false, false, {}},
    };
    for (const Case& c : cases) {
        group[1]->SetChecked(c.start);
        clicks.clear();
        group[1]->SetChecked(c.set);
        EXPECT_EQ(clicks, c.expected) << c.name;
        EXPECT_EQ(group[1]->Checked(), c.set) << c.name;
        EXPECT_EQ(static_cast<QAbstractButton*>(group[1]->Handle())->isChecked(), c.set) << c.name;
    }
}

TEST_F(Radio, NothingIsRaisedWhileTheOwnerIsLoading)
{
    group[2]->SetChecked(true);
    clicks.clear();
    form->BeginLoading();
    group[0]->SetChecked(true);
    form->EndLoading();
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(States(), (std::vector<bool>{true, false, false, false}));
    // After loading, a change clicks again.
    group[1]->SetChecked(true);
    EXPECT_EQ(clicks, Log{"Two"});
}

TEST_F(Radio, AUserClickChecksAnUncheckedButtonAndIgnoresACheckedOne)
{
    group[0]->SetChecked(true);
    clicks.clear();

    UserClick(group[2]);
    EXPECT_EQ(clicks, Log{"Three"});
    EXPECT_EQ(States(), (std::vector<bool>{false, false, true, false}));

    UserClick(group[2]);
    EXPECT_EQ(clicks, Log{"Three"});
    EXPECT_EQ(States(), (std::vector<bool>{false, false, true, false}));
}

TEST_F(Radio, AClickHandlerMayCheckAnotherButton)
{
    // Coupled controls set each other from their handlers; each change clicks once.
    group[0]->OnClick = [this](TObject*) {
        clicks.push_back("One");
        group[2]->SetChecked(true);
    };
    UserClick(group[0]);
    EXPECT_EQ(clicks, (Log{"One", "Three"}));
    EXPECT_EQ(States(), (std::vector<bool>{false, false, true, false}));
}

TEST_F(Radio, TheGroupIsOneTabStopAndTheArrowsCheckTheNextButtonAsAClickDoes)
{
    ASSERT_TRUE(ShowAndWait(form.get()));
    group[0]->SetChecked(true);
    clicks.clear();
    // Only the checked button is reached by Tab.
    auto tabStops = [this] {
        std::vector<bool> out;
        for (TRadioButton* r : group)
            out.push_back(r->TabStop() && (r->Handle()->focusPolicy() & Qt::TabFocus));
        return out;
    };
    EXPECT_EQ(tabStops(), (std::vector<bool>{true, false, false}));

    group[0]->SetFocus();
    struct Step {
        int key;
        int checked;
    };
    // Down and Right go on, Up and Left back, wrapping round inside the group.
    const Step steps[] = {{Qt::Key_Down, 1}, {Qt::Key_Right, 2}, {Qt::Key_Down, 0}, {Qt::Key_Up, 2}, {Qt::Key_Left, 1}};
    Log expected;
    for (const Step& s : steps) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QKeyEvent press(QEvent::KeyPress, s.key, Qt::NoModifier);
        QApplication::sendEvent(focused, &press);
        expected.push_back(group[size_t(s.checked)]->Name());
        EXPECT_EQ(clicks, expected);
        EXPECT_TRUE(group[size_t(s.checked)]->Checked());
        EXPECT_EQ(QApplication::focusWidget(), group[size_t(s.checked)]->Handle());
        std::vector<bool> stops(3, false);
        stops[size_t(s.checked)] = true;
        EXPECT_EQ(tabStops(), stops);
    }
    // The button on the other panel is another group.
    EXPECT_FALSE(other->Checked());
}
