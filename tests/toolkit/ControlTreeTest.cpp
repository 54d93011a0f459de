#include <gtest/gtest.h>

#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "tests/toolkit/ToolkitSupport.h"
#include "toolkit/Button.h"
#include "toolkit/Canvas.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControl.h"

using namespace tk_test;

namespace {

// A windowless control that counts its paints and can run code while painting.
class Painted : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int Paints = 0;
    std::function<void(Painted*)> DuringPaint;

protected:
    void Paint() override
    {
        ++Paints;
        Canvas()->Brush.Color = clGreen;
        Canvas()->FillRect(ClientRect());
        if (DuringPaint)
            DuringPaint(this);
    }
};

std::vector<TControl*> ChildrenOf(const TWinControl* parent)
{
    std::vector<TControl*> out;
    for (int i = 0; i < parent->ControlCount(); ++i)
        out.push_back(parent->Controls(i));
    return out;
}

} // namespace

TEST(ControlTree, ChildrenFollowTheOrderTheyWereParented)
{
    TCustomPanel panel(nullptr);
    std::vector<TControl*> made;
    for (int i = 0; i < 4; ++i) {
        auto* c = new Painted(&panel);
        c->SetParent(&panel);
        made.push_back(c);
    }
    EXPECT_EQ(ChildrenOf(&panel), made);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(panel.IndexOfControl(made[size_t(i)]), i);
    TGraphicControl stranger(nullptr);
    EXPECT_EQ(panel.IndexOfControl(&stranger), -1);
}

TEST(ControlTree, BringToFrontMovesTheControlToTheEndOfItsParentsList)
{
    struct Case {
        int moved;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {0, {1, 2, 3, 0}},
        {1, {0, 2, 3, 1}},
        {3, {0, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        TCustomPanel panel(nullptr);
        std::vector<TControl*> made;
        for (int i = 0; i < 4; ++i) {
            made.push_back(new Painted(&panel));
            made.back()->SetParent(&panel);
        }
        made[size_t(c.moved)]->BringToFront();
        std::vector<TControl*> expected;
        for (int i : c.expected)
            expected.push_back(made[size_t(i)]);
        EXPECT_EQ(ChildrenOf(&panel), expected) << "moved " << c.moved;
    }
}

TEST(ControlTree, BringToFrontWhileTheParentPaintsItsChildren)
{
    FormPtr form = MakeForm(40, 40, 200, 100);
    std::vector<Painted*> kids;
    for (int i = 0; i < 3; ++i) {
        auto* c = new Painted(form.get());
        c->SetParent(form.get());
        c->SetBounds(10 + 30 * i, 10, 40, 40);
        kids.push_back(c);
    }
    // The first child moves itself over the others in the middle of the paint walk.
    bool moved = false;
    kids[0]->DuringPaint = [&](Painted* self) {
        if (!moved) {
            moved = true;
            self->BringToFront();
        }
    };
    ASSERT_TRUE(ShowAndWait(form.get()));
    ASSERT_TRUE(WaitFor([&] { return kids[1]->Paints > 0 && kids[2]->Paints > 0 && moved; }));
    EXPECT_EQ(ChildrenOf(form.get()), (std::vector<TControl*>{kids[1], kids[2], kids[0]}));
    // It was repainted on top: the overlap shows the moved child's paint last.
    int before = kids[0]->Paints;
    kids[0]->Repaint();
    EXPECT_GT(kids[0]->Paints, before);
}

TEST(ControlTree, DestroyingAParentDestroysTheControlsItParents)
{
    FormPtr form = MakeForm(0, 0, 200, 100);
    auto* panel = new TCustomPanel(form.get());
    panel->SetParent(form.get());
    // Owned by the form, parented by the panel.
    auto* label = new Painted(form.get());
    label->SetParent(panel);
    auto* button = new TButton(form.get());
    button->SetParent(panel);
    QPointer<QWidget> buttonWidget = button->Handle();
    TGuard<TControl> labelGuard(label), buttonGuard(button);
    const int owned = form->ComponentCount();

    delete panel;
    EXPECT_FALSE(labelGuard.Alive());
    EXPECT_FALSE(buttonGuard.Alive());
    EXPECT_TRUE(buttonWidget.isNull());
    EXPECT_EQ(form->ComponentCount(), owned - 3);
    EXPECT_EQ(form->ControlCount(), 0);
}

TEST(ControlTree, ADestroyedControlLeavesItsParentAndItsOwner)
{
    TComponent owner(nullptr);
    TCustomPanel parent(nullptr);
    auto* a = new Painted(&owner);
    auto* b = new TButton(&owner);
    auto* c = new Painted(&owner);
    for (TControl* x : {static_cast<TControl*>(a), static_cast<TControl*>(b), static_cast<TControl*>(c)})
        x->SetParent(&parent);

    delete b;
    EXPECT_EQ(ChildrenOf(&parent), (std::vector<TControl*>{a, c}));
    EXPECT_EQ(owner.ComponentCount(), 2);
    delete a;
    EXPECT_EQ(ChildrenOf(&parent), (std::vector<TControl*>{c}));
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), c);
}

TEST(ControlTree, AWindowedControlsWidgetFollowsItsParent)
{
    FormPtr form = MakeForm(0, 0, 300, 200);
    auto* left = new TCustomPanel(form.get());
    left->SetParent(form.get());
    auto* right = new TCustomPanel(form.get());
    right->SetParent(form.get());
    auto* moving = new TButton(form.get());

    EXPECT_EQ(left->Handle()->parentWidget(), form->ClientHost());
    moving->SetParent(left);
    EXPECT_EQ(moving->Handle()->parentWidget(), left->Handle());
    moving->SetParent(right);
    EXPECT_EQ(moving->Handle()->parentWidget(), right->Handle());
    EXPECT_EQ(ChildrenOf(left), std::vector<TControl*>{});
    EXPECT_EQ(ChildrenOf(right), std::vector<TControl*>{moving});
    moving->SetParent(form.get());
    EXPECT_EQ(moving->Handle()->parentWidget(), form->ClientHost());
    moving->SetParent(nullptr);
    EXPECT_EQ(moving->Handle()->parentWidget(), nullptr);
    EXPECT_FALSE(moving->Handle()->isVisible());
    delete moving;
}

TEST(ControlTree, AWidgetShowsTheBoundsOfItsControlWhateverTheOrderOfPlacing)
{
    FormPtr form = MakeForm(0, 0, 300, 200);
    ASSERT_TRUE(ShowAndWait(form.get()));
    struct Case {
        const char* name;
        bool boundsFirst;
        bool visible;
    };
    const Case cases[] = {
        {"parent then bounds", false, true},
        {"bounds then parent", true, true},
        {"hidden, bounds then parent", true, false},
    };
    for (const Case& c : cases) {
        auto* panel = new TCustomPanel(form.get());
        panel->SetVisible(c.visible);
        if (c.boundsFirst)
            panel->SetBounds(12, 34, 120, 56);
        panel->SetParent(form.get());
        if (!c.boundsFirst)
            panel->SetBounds(12, 34, 120, 56);
        QWidget* w = panel->Handle();
        EXPECT_EQ(w->geometry(), QRect(12, 34, 120, 56)) << c.name;
        EXPECT_EQ(panel->ClientWidth(), 120) << c.name;
        EXPECT_EQ(panel->ClientHeight(), 56) << c.name;
        EXPECT_EQ(w->isVisible(), c.visible) << c.name;
        panel->SetVisible(true);
        EXPECT_TRUE(w->isVisible()) << c.name;
        delete panel;
    }
}
