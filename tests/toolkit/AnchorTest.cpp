#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "tests/toolkit/ToolkitSupport.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/GraphicControl.h"

using namespace tk_test;

inline void PrintTo(const TRect& r, std::ostream* os)
{
    *os << "(" << r.Left << ", " << r.Top << ") " << r.Width() << " x " << r.Height();
}

namespace {

struct AnchorCase {
    const char* name;
    TAnchors anchors;
    TRect start; // in a 305 x 122 client area
    TRect grown; // after it grows to 390 x 200
};

const AnchorCase kAnchorCases[] = {
    {"left top keep their place", akLeft | akTop, Bounds(10, 10, 50, 20), Bounds(10, 10, 50, 20)},
    {"right follows the right edge", akRight | akTop, Bounds(200, 10, 50, 20), Bounds(285, 10, 50, 20)},
    {"left and right stretch", akLeft | akRight | akTop, Bounds(6, 10, 293, 20), Bounds(6, 10, 378, 20)},
    // (305 - 173) / 2 = 66: the centre 152 stays at the same fraction, 194 of 390.
    {"no horizontal anchor keeps it centred", akTop, Bounds(66, 97, 173, 25), Bounds(108, 97, 173, 25)},
    {"bottom follows the bottom edge", akLeft | akBottom, Bounds(8, 97, 73, 25), Bounds(8, 175, 73, 25)},
    {"no vertical anchor keeps the middle", akLeft, Bounds(8, 10, 73, 20), Bounds(8, 23, 73, 20)},
    {"all four stretch both ways", akLeft | akTop | akRight | akBottom, Bounds(0, 24, 305, 57), Bounds(0, 24, 390, 135)},
    {"bottom only: centred and kept at the bottom", akBottom, Bounds(66, 89, 173, 25), Bounds(108, 167, 173, 25)},
};

// The two kinds of parent whose client area changes size: a form and a panel.
struct Parent {
    const char* name;
    std::function<TWinControl*(TForm*)> make;
    std::function<void(TWinControl*, int, int)> resize;
};

const Parent kParents[] = {
    {"form", [](TForm* f) -> TWinControl* { return f; },
     [](TWinControl* p, int w, int h) { static_cast<TForm*>(p)->SetClientSize(w, h); }},
    {"panel",
     [](TForm* f) -> TWinControl* {
         auto* panel = new TCustomPanel(f);
         panel->SetParent(f);
         panel->SetBounds(0, 0, 305, 122);
         return panel;
     },
     [](TWinControl* p, int w, int h) { p->SetBounds(p->Left(), p->Top(), w, h); }},
};

} // namespace

TEST(Anchors, ControlsFollowTheEdgesTheyAreAnchoredTo)
{
    for (const Parent& parent : kParents) {
        FormPtr form = MakeForm(0, 0, 305, 122);
        TWinControl* host = parent.make(form.get());
        std::vector<TControl*> controls;
        for (const AnchorCase& c : kAnchorCases) {
            auto* ctl = new TGraphicControl(form.get());
            ctl->SetParent(host);
            ctl->SetBounds(c.start.Left, c.start.Top, c.start.Width(), c.start.Height());
            ctl->SetAnchors(c.anchors);
            controls.push_back(ctl);
        }
        ASSERT_EQ(host->ClientWidth(), 305);
        parent.resize(host, 390, 200);
        ASSERT_EQ(host->ClientWidth(), 390);
        ASSERT_EQ(host->ClientHeight(), 200);
        for (size_t i = 0; i < controls.size(); ++i)
            EXPECT_EQ(controls[i]->BoundsRect(), kAnchorCases[i].grown) << parent.name << ": " << kAnchorCases[i].name;

        // Going back gives the original places: nothing accumulates.
        parent.resize(host, 305, 122);
        for (size_t i = 0; i < controls.size(); ++i)
            EXPECT_EQ(controls[i]->BoundsRect(), kAnchorCases[i].start) << parent.name << ": " << kAnchorCases[i].name;
    }
}

TEST(Anchors, AnchorsActOnAShownFormResizedByTheWindowSystem)
{
    FormPtr form = MakeForm(0, 0, 305, 122);
    auto* ctl = new TGraphicControl(form.get());
    ctl->SetParent(form.get());
    ctl->SetBounds(200, 97, 50, 25);
    ctl->SetAnchors(akRight | akBottom);
    ASSERT_TRUE(ShowAndWait(form.get()));
    form->Handle()->resize(405, 222);
    ASSERT_TRUE(WaitFor([&] { return form->ClientWidth() == 405 && form->ClientHeight() == 222; }));
    EXPECT_EQ(ctl->BoundsRect(), Bounds(300, 197, 50, 25));
}

TEST(Anchors, AlignedChildrenShareTheClientArea)
{
    for (const Parent& parent : kParents) {
        FormPtr form = MakeForm(0, 0, 305, 122);
        TWinControl* host = parent.make(form.get());
        auto make = [&](TAlign align, int size) {
            auto* c = new TGraphicControl(form.get());
            c->SetParent(host);
            c->SetBounds(13, 17, size, size);
            c->SetAlign(align);
            return c;
        };
        TControl* top1 = make(alTop, 20);
        TControl* top2 = make(alTop, 10);
        TControl* bottom = make(alBottom, 19);
        TControl* client = make(alClient, 5);
        auto check = [&](int w, int h) {
            EXPECT_EQ(top1->BoundsRect(), Bounds(0, 0, w, 20)) << parent.name;
            EXPECT_EQ(top2->BoundsRect(), Bounds(0, 20, w, 10)) << parent.name;
            EXPECT_EQ(bottom->BoundsRect(), Bounds(0, h - 19, w, 19)) << parent.name;
            EXPECT_EQ(client->BoundsRect(), Bounds(0, 30, w, h - 49)) << parent.name;
        };
        check(305, 122);
        parent.resize(host, 390, 200);
        check(390, 200);
        // A hidden top child gives its room to the others.
        top1->Hide();
        EXPECT_EQ(top2->BoundsRect(), Bounds(0, 0, 390, 10)) << parent.name;
        EXPECT_EQ(client->BoundsRect(), Bounds(0, 10, 390, 171)) << parent.name;
    }
}
