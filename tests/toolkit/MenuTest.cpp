#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <string>
#include <vector>

#include "tests/toolkit/ToolkitSupport.h"
#include "toolkit/MainMenu.h"
#include "toolkit/MenuItem.h"

using namespace tk_test;

namespace {

// A form with a main menu: "&File" (E&xit) and "&Settings" (&Jumper, &Power).
class Menu : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = MakeForm(20, 20, 300, 200);
        menu = new TMainMenu(form.get());
        file = Item("&File", menu->Items());
        Item("E&xit", file);
        settings = Item("&Settings", menu->Items());
        jumper = Item("&Jumper", settings);
        Item("&Power", settings);
        form->SetMenu(menu);
    }
    TMenuItem* Item(const std::string& caption, TMenuItem* parent)
    {
        auto* item = new TMenuItem(form.get());
        item->SetCaption(caption);
        item->OnClick = [this](TObject* sender) { clicked.push_back(sender); };
        if (parent)
            parent->Add(item);
        return item;
    }
    QMenuBar* Bar() const { return form->Handle()->findChild<QMenuBar*>(); }
    static QStringList Texts(const QList<QAction*>& actions)
    {
        QStringList out;
        for (QAction* a : actions)
            out << a->text();
        return out;
    }
    // The texts of the bar's menu at a position.
    QStringList MenuTexts(int index) const
    {
        QMenu* m = Bar()->actions().at(index)->menu();
        return m ? Texts(m->actions()) : QStringList{};
    }
    static std::vector<std::string> Captions(const TMenuItem* parent)
    {
        std::vector<std::string> out;
        for (int i = 0; i < parent->Count(); ++i)
            out.push_back(parent->Items(i)->Caption());
        return out;
    }

    FormPtr form;
    TMainMenu* menu = nullptr;
    TMenuItem *file = nullptr, *settings = nullptr, *jumper = nullptr;
    std::vector<TObject*> clicked;
};

} // namespace

TEST_F(Menu, TheMenuBarShowsTheItemsWithTheirAccelerators)
{
    ASSERT_NE(Bar(), nullptr);
    EXPECT_EQ(Texts(Bar()->actions()), (QStringList{"&File", "&Settings"}));
    EXPECT_EQ(MenuTexts(0), QStringList{"E&xit"});
    EXPECT_EQ(MenuTexts(1), (QStringList{"&Jumper", "&Power"}));
    EXPECT_EQ(jumper->Parent(), settings);
    EXPECT_EQ(jumper->Menu(), menu);
    EXPECT_EQ(settings->IndexOf(jumper), 0);
}

TEST_F(Menu, InsertingAndAppendingRebuildTheMenu)
{
    struct Step {
        const char* caption;
        int index; // -1 appends
        std::vector<std::string> expected;
    };
    const Step steps[] = {
        {"&Calibrate", -1, {"&Jumper", "&Power", "&Calibrate"}},
        {"&USB", 0, {"&USB", "&Jumper", "&Power", "&Calibrate"}},
        {"&LED", 2, {"&USB", "&Jumper", "&LED", "&Power", "&Calibrate"}},
        {"&Far", 99, {"&USB", "&Jumper", "&LED", "&Power", "&Calibrate", "&Far"}},
    };
    for (const Step& s : steps) {
        auto* item = Item(s.caption, nullptr);
        if (s.index < 0)
            settings->Add(item);
        else
            settings->Insert(s.index, item);
        EXPECT_EQ(Captions(settings), s.expected) << s.caption;
        ASSERT_EQ(settings->Count(), int(s.expected.size()));
        QStringList shown;
        for (const std::string& e : s.expected)
            shown << QString::fromStdString(e);
        EXPECT_EQ(MenuTexts(1), shown) << s.caption;
    }
}

TEST_F(Menu, CaptionChangesRemovalAndDestructionRebuildTheMenu)
{
    jumper->SetCaption("&Jumpers");
    EXPECT_EQ(MenuTexts(1), (QStringList{"&Jumpers", "&Power"}));
    settings->Remove(jumper);
    EXPECT_EQ(MenuTexts(1), QStringList{"&Power"});
    EXPECT_EQ(jumper->Parent(), nullptr);
    settings->Insert(1, jumper);
    EXPECT_EQ(MenuTexts(1), (QStringList{"&Power", "&Jumpers"}));
    delete jumper;
    EXPECT_EQ(MenuTexts(1), QStringList{"&Power"});
    EXPECT_EQ(settings->Count(), 1);

    Item("&Options", menu->Items());
    EXPECT_EQ(Texts(Bar()->actions()), (QStringList{"&File", "&Settings", "&Options"}));
}

TEST_F(Menu, TheCheckMarkFollowsChecked)
{
    jumper->SetChecked(true);
    ASSERT_NE(jumper->Action(), nullptr);
    EXPECT_TRUE(jumper->Action()->isCheckable());
    EXPECT_TRUE(jumper->Action()->isChecked());
    jumper->SetChecked(false);
    EXPECT_FALSE(jumper->Action()->isChecked());
    // The mark survives a rebuild.
    jumper->SetChecked(true);
    Item("&More", settings);
    EXPECT_TRUE(jumper->Action()->isChecked());
    EXPECT_TRUE(Bar()->actions().at(1)->menu()->actions().at(0)->isChecked());
}

TEST_F(Menu, TriggeringAnEntryCallsOnClickAndLeavesTheCheckMarkToTheItem)
{
    struct Case {
        const char* name;
        bool checkedBefore;
        bool handlerToggles;
    };
    const Case cases[] = {
        {"unchecked, left alone", false, false},
        {"checked, left alone", true, false},
        {"unchecked, handler ticks", false, true},
        {"checked, handler unticks", true, true},
    };
    for (const Case& c : cases) {
        jumper->SetChecked(c.checkedBefore);
        clicked.clear();
        jumper->OnClick = [this, &c](TObject* sender) {
            clicked.push_back(sender);
            if (c.handlerToggles)
                jumper->SetChecked(!jumper->Checked());
        };
        jumper->Action()->trigger();
        ASSERT_EQ(clicked.size(), 1u) << c.name;
        EXPECT_EQ(clicked[0], jumper) << c.name;
        const bool expected = c.checkedBefore != c.handlerToggles;
        EXPECT_EQ(jumper->Checked(), expected) << c.name;
        EXPECT_EQ(jumper->Action()->isChecked(), expected) << c.name;
    }
}

TEST_F(Menu, AnEntryMayRebuildTheMenuFromItsOwnClick)
{
    int added = 0;
    jumper->OnClick = [&](TObject*) {
        Item("&Added" + std::to_string(++added), settings);
        settings->Remove(jumper);
    };
    jumper->Action()->trigger();
    DrainEvents(20);
    EXPECT_EQ(MenuTexts(1), (QStringList{"&Power", "&Added1"}));
    EXPECT_EQ(jumper->Action(), nullptr);
}

TEST_F(Menu, ATopLevelItemWithoutSubItemsIsACommandOnTheBar)
{
    TMenuItem* help = Item("&Help", menu->Items());
    ASSERT_EQ(Bar()->actions().size(), 3);
    QAction* action = Bar()->actions().at(2);
    EXPECT_EQ(action->text(), "&Help");
    EXPECT_EQ(action->menu(), nullptr);
    action->trigger();
    EXPECT_EQ(clicked, std::vector<TObject*>{help});
}

TEST(MenuLifetime, AFormDestroysItsMenuWhicheverWasMadeFirst)
{
    for (bool itemsFirst : {false, true}) {
        auto* form = new TForm(nullptr);
        TMenuItem* top = nullptr;
        TMenuItem* sub = nullptr;
        if (itemsFirst) {
            top = new TMenuItem(form);
            sub = new TMenuItem(form);
        }
        auto* menu = new TMainMenu(form);
        if (!itemsFirst) {
            top = new TMenuItem(form);
            sub = new TMenuItem(form);
        }
        top->SetCaption("&Top");
        sub->SetCaption("&Sub");
        top->Add(sub);
        menu->Items()->Add(top);
        form->SetMenu(menu);
        TGuard<TMenuItem> topGuard(top), subGuard(sub);
        delete form;
        EXPECT_FALSE(topGuard.Alive()) << itemsFirst;
        EXPECT_FALSE(subGuard.Alive()) << itemsFirst;
    }
}

TEST(MenuLifetime, AMenuDestroyedBeforeItsFormLeavesTheFormUsable)
{
    FormPtr form = MakeForm(10, 10, 200, 100);
    auto* menu = new TMainMenu(form.get());
    auto* top = new TMenuItem(form.get());
    top->SetCaption("&Top");
    menu->Items()->Add(top);
    form->SetMenu(menu);
    delete menu;
    EXPECT_EQ(form->Menu(), nullptr);
    auto* next = new TMainMenu(form.get());
    EXPECT_NO_THROW(form->SetMenu(next));
    EXPECT_EQ(form->Menu(), next);
}
