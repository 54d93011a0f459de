#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "JumperSupport.h"
#include "common/Wait.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace {
// A jumper on a panel of a form that is never shown, painted on demand.
struct Painted {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TCustomPanel* panel = new TCustomPanel(form.get());
    CountingJumper* jumper;

    Painted()
    {
        panel->SetParent(form.get());
        panel->SetBounds(0, 0, 100, 80);
        jumper = new CountingJumper(form.get());
        jumper->SetParent(panel);
        jumper->SetJumperState(jsLeft);
    }
    void Paint() { PaintSurfaceOf(*panel); }
};

bool CapAt(const TThreeJumper& j, int x, int y) { return PixelOf(*j.RotatedBitmap(), x, y) == clMaroon; }
} // namespace

TEST(ThreeJumperTurn, OrientationSetBeforeTheFirstPaintKeepsTheGivenSize)
{
    struct Case {
        int width, height;
    };
    // Whatever size the jumper was given, turning it before it is first shown
    // leaves that size alone, now and at later paints.
    for (const Case c : {Case{43, 18}, Case{18, 43}}) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        Painted f;
        f.jumper->SetBounds(0, 0, c.width, c.height);
        f.jumper->SetOrientation(otLeft);
        f.Paint();
        f.Paint();
        EXPECT_EQ(f.jumper->Width(), c.width);
        EXPECT_EQ(f.jumper->Height(), c.height);
    }
}

TEST(ThreeJumperTurn, TurningAPaintedJumperExchangesItsSizeAtTheNextPaint)
{
    Painted f;
    f.Paint();
    f.jumper->SetOrientation(otLeft);
    EXPECT_EQ(f.jumper->Width(), 43) << "the setter itself does not resize";
    EXPECT_EQ(f.jumper->Height(), 18);

    f.Paint();
    EXPECT_EQ(f.jumper->Width(), 18);
    EXPECT_EQ(f.jumper->Height(), 43);
    // That paint still drew at the old size; the next one draws at the new.
    EXPECT_EQ(f.jumper->DrawBitmap()->Width(), 18);
    EXPECT_EQ(f.jumper->DrawBitmap()->Height(), 43);

    f.Paint();
    EXPECT_EQ(f.jumper->DrawBitmap()->Width(), 43);
    EXPECT_EQ(f.jumper->DrawBitmap()->Height(), 18);
    EXPECT_EQ(f.jumper->RotatedBitmap()->Width(), 18);
    EXPECT_EQ(f.jumper->RotatedBitmap()->Height(), 43);
    EXPECT_TRUE(CapAt(*f.jumper, 9, 39));
    EXPECT_EQ(f.jumper->Width(), 18) << "no further exchange";
}

TEST(ThreeJumperTurn, TurnsThatReturnToTheFirstPairCancelOut)
{
    struct Case {
        std::vector<TOrientationType> turns;
        int width, height;
    };
    const Case cases[] = {
        {{otLeft, otUp}, 43, 18},
        {{otLeft, otDown}, 43, 18},
        {{otRight, otLeft}, 18, 43},
        {{otDown, otRight}, 18, 43},
        {{otLeft, otUp, otRight}, 18, 43},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "turns " << c.turns.size() << " ending at " << c.turns.back());
        Painted f;
        f.Paint();
        for (TOrientationType o : c.turns)
            f.jumper->SetOrientation(o);
        f.Paint();
        f.Paint();
        EXPECT_EQ(f.jumper->Width(), c.width);
        EXPECT_EQ(f.jumper->Height(), c.height);
        EXPECT_EQ(f.jumper->RotatedBitmap()->Width(), c.width);
        EXPECT_EQ(f.jumper->RotatedBitmap()->Height(), c.height);
    }
}

TEST(ThreeJumperTurn, ShownJumperFollowsEachTurnOnScreen)
{
    auto* form = new TForm(Application);
    form->SetBounds(50, 50, 300, 200);
    auto* panel = new TCustomPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 200, 150);
    auto* jumper = new CountingJumper(form);
    jumper->SetParent(panel);
    jumper->SetBounds(20, 20, 43, 18);
    jumper->SetJumperState(jsLeft);
    form->Show();
    ASSERT_TRUE(WaitFor([&] { return jumper->paints > 0; }));

    struct Step {
        TOrientationType orientation;
        int width, height;
        int capX, capY; // inside the jsLeft cap: bottom, top, then right
    };
    const Step steps[] = {
        {otLeft, 18, 43, 9, 39},
        {otRight, 18, 43, 9, 3},
        {otDown, 43, 18, 39, 9},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "orientation " << s.orientation);
        const int before = jumper->paints;
        jumper->SetOrientation(s.orientation);
        // The paint that exchanges the size asks for one more at the new size.
        ASSERT_TRUE(WaitFor([&] {
            return jumper->paints > before && jumper->RotatedBitmap()->Width() == jumper->Width() &&
                   jumper->RotatedBitmap()->Height() == jumper->Height();
        }));
        EXPECT_EQ(jumper->Width(), s.width);
        EXPECT_EQ(jumper->Height(), s.height);
        EXPECT_TRUE(CapAt(*jumper, s.capX, s.capY));
    }
    delete form;
}
