#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/toolkit/ToolkitSupport.h"
#include "toolkit/Button.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/Pointer.h"
#include <memory>

using namespace tk_test;

namespace {

using Log = std::vector<std::string>;

// A windowless child that writes "+name" / "-name" for CM_MOUSEENTER and
// CM_MOUSELEAVE (and the WParam when it is not 0), then runs a reaction that
// may destroy it or reorder its siblings.
class Spot : public TGraphicControl {
public:
    Spot(TComponent* owner, const std::string& name, Log& log) : TGraphicControl(owner), FLog(log) { SetName(name); }
    std::function<void(Spot*, unsigned)> React;

    void WndProc(TMessage& m) override
    {
        if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
            std::string entry = (m.Msg == CM_MOUSEENTER ? "+" : "-") + Name();
            if (m.WParam != 0)
                entry += "/" + std::to_string(m.WParam);
            FLog.push_back(entry);
            TGuard<Spot> self(this);
            if (React)
                React(this, m.Msg);
            if (!self.Alive())
                return;
        }
        TGraphicControl::WndProc(m);
    }

private:
    Log& FLog;
};

// A panel that records the notifications it gets, its own and those its
// children pass on (LParam names the child).
class Board : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
    Log Heard;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
            auto* from = reinterpret_cast<TControl*>(m.LParam);
            Heard.push_back((m.Msg == CM_MOUSEENTER ? "+" : "-") + (from ? from->Name() : std::string("self")));
        }
        TCustomPanel::WndProc(m);
    }
};

// A form with a board and three windowless spots: A and B overlap (B lies
// above A between 60 and 80), C stands alone.
class PointerTracking : public ::testing::Test {
protected:
    void SetUp() override
    {
        ParkPointer();
        form = MakeForm(100, 100, 400, 300);
        board = new Board(form.get());
        board->SetName("Board");
        board->SetParent(form.get());
        board->SetBounds(10, 10, 300, 200);
        a = AddSpot("A", 20, 20);
        b = AddSpot("B", 60, 60);
        c = AddSpot("C", 200, 20, 40);
        ASSERT_TRUE(ShowAndWait(form.get()));
    }
    void TearDown() override
    {
        form.reset();
        ParkPointer();
    }

    Spot* AddSpot(const std::string& name, int x, int y, int size = 60)
    {
        auto* s = new Spot(form.get(), name, log);
        s->SetParent(board);
        s->SetBounds(x, y, size, size);
        return s;
    }

    // Moves the pointer to a point of the board's client area and waits
    // until the log has grown by `expected` entries.
    ::testing::AssertionResult MoveTo(int x, int y, size_t expected)
    {
        TPoint p = board->ClientToScreen(TPoint{x, y});
        return MoveToScreen(p.X, p.Y, expected);
    }
    ::testing::AssertionResult MoveToScreen(int x, int y, size_t expected)
    {
        size_t start = log.size();
        SetCursorPos(x, y);
        WaitFor([&] { return log.size() >= start + expected && GetCursorPos() == TPoint{x, y}; }, 2000);
        DrainEvents(30);
        if (log.size() != start + expected)
            return ::testing::AssertionFailure() << "expected " << expected << " new entries, got " << log.size() - start;
        return ::testing::AssertionSuccess();
    }
    Log Since(size_t start) const { return Log(log.begin() + long(start), log.end()); }

    Log log;
    FormPtr form;
    Board* board = nullptr;
    Spot *a = nullptr, *b = nullptr, *c = nullptr;
};

} // namespace

TEST_F(PointerTracking, EnterAndLeaveFollowThePointerOverOverlappingChildren)
{
    struct Step {
        int x, y;
        Log expected;
    };
    const Step steps[] = {
        {5, 5, {}},               // the board itself
        {30, 30, {"+A"}},         // onto A
        {50, 50, {}},             // still A
        {70, 70, {"-A", "+B"}},   // where B lies over A: the frontmost gets it
        {110, 110, {}},           // B alone
        {150, 150, {"-B"}},       // off both
        {210, 30, {"+C"}},        // straight onto C
        {40, 30, {"-C", "+A"}},   // from C to A in one move
        {250, 180, {"-A"}},
    };
    for (const Step& s : steps) {
        size_t start = log.size();
        ASSERT_TRUE(MoveTo(s.x, s.y, s.expected.size())) << s.x << "," << s.y;
        EXPECT_EQ(Since(start), s.expected) << s.x << "," << s.y;
    }
}

TEST_F(PointerTracking, LeavingTheWindowLeavesTheChildUnderThePointer)
{
    ASSERT_TRUE(MoveTo(30, 30, 1));
    size_t start = log.size();
    ASSERT_TRUE(MoveToScreen(900, 700, 1));
    EXPECT_EQ(Since(start), (Log{"-A"}));
    EXPECT_EQ(TkPointer::Hovered(), nullptr);
}

TEST_F(PointerTracking, ChildrenPassTheirNotificationsToTheirParent)
{
    ASSERT_TRUE(MoveTo(30, 30, 1));
    ASSERT_TRUE(MoveTo(70, 70, 2));
    ASSERT_TRUE(MoveTo(150, 150, 1));
    Log fromChildren;
    for (const std::string& h : board->Heard)
        if (h != "+self" && h != "-self")
            fromChildren.push_back(h);
    EXPECT_EQ(fromChildren, (Log{"+A", "-A", "+B", "-B"}));
}

TEST_F(PointerTracking, TheTopChildAfterBringToFrontGetsThePointer)
{
    a->BringToFront();
    ASSERT_TRUE(MoveTo(70, 70, 1));
    EXPECT_EQ(log, (Log{"+A"}));
}

TEST_F(PointerTracking, ALeaveHandlerMayDestroyItsControl)
{
    TGuard<Spot> guardA(a);
    a->React = [](Spot* self, unsigned msg) {
        if (msg == CM_MOUSELEAVE)
            delete self;
    };
    ASSERT_TRUE(MoveTo(30, 30, 1));
    ASSERT_TRUE(MoveTo(70, 70, 2));
    EXPECT_EQ(log, (Log{"+A", "-A", "+B"}));
    EXPECT_FALSE(guardA.Alive());
    EXPECT_EQ(TkPointer::Hovered(), b);
    // The place A covered alone now belongs to the board.
    ASSERT_TRUE(MoveTo(30, 30, 1));
    EXPECT_EQ(log.back(), "-B");
}

TEST_F(PointerTracking, AnEnterHandlerMayDestroyItsControl)
{
    b->React = [](Spot* self, unsigned msg) {
        if (msg == CM_MOUSEENTER)
            delete self;
    };
    ASSERT_TRUE(MoveTo(110, 110, 1));
    // The pointer is over the board where B was.
    EXPECT_EQ(TkPointer::Hovered(), board);
    // A lies beneath where B was: the next move finds it.
    ASSERT_TRUE(MoveTo(71, 71, 1));
    EXPECT_EQ(log, (Log{"+B", "+A"}));
}

TEST_F(PointerTracking, ALeaveHandlerMayReorderTheChildren)
{
    // Leaving, A moves over B: the pointer then lies on A again, and the
    // tracker hands it to the child that is frontmost after the handler ran.
    a->React = [](Spot* self, unsigned msg) {
        if (msg == CM_MOUSELEAVE)
            self->BringToFront();
    };
    ASSERT_TRUE(MoveTo(30, 30, 1));
    ASSERT_TRUE(MoveTo(70, 70, 2));
    EXPECT_EQ(log, (Log{"+A", "-A", "+A"}));
    EXPECT_EQ(TkPointer::Hovered(), a);
    EXPECT_EQ(board->IndexOfControl(a), board->ControlCount() - 1);
    ASSERT_TRUE(MoveTo(110, 110, 2));
    EXPECT_EQ(Since(3), (Log{"-A", "+B"}));
}

TEST_F(PointerTracking, NotificationsAreSynchronousAndMayDestroyTheirTarget)
{
    // Perform returns after the handler has run, even when it removed the target.
    TGuard<Spot> guard(c);
    c->React = [](Spot* self, unsigned) { delete self; };
    EXPECT_EQ(c->Perform(CM_MOUSEENTER, 1, 0), 0);
    EXPECT_EQ(log, (Log{"+C/1"}));
    EXPECT_FALSE(guard.Alive());
    EXPECT_EQ(board->ControlCount(), 2);
}

TEST_F(PointerTracking, WindowedChildrenTellTheirParentWhenThePointerComesAndGoes)
{
    auto* button = new TButton(form.get());
    button->SetName("Push");
    button->SetParent(board);
    button->SetBounds(150, 100, 80, 30);
    ASSERT_TRUE(WaitFor([&] { return button->Handle()->isVisible(); }));
    TPoint inside = board->ClientToScreen(TPoint{160, 110});
    SetCursorPos(inside.X, inside.Y);
    ASSERT_TRUE(WaitFor([&] { return !board->Heard.empty() && board->Heard.back() == "+Push"; }));
    // Back onto the board: the button's leave reaches the board, then the
    // board itself is entered.
    const size_t before = board->Heard.size();
    TPoint outside = board->ClientToScreen(TPoint{160, 180});
    SetCursorPos(outside.X, outside.Y);
    ASSERT_TRUE(WaitFor([&] { return board->Heard.size() >= before + 2; }));
    EXPECT_EQ(Log(board->Heard.begin() + long(before), board->Heard.end()), (Log{"-Push", "+self"}));
    EXPECT_EQ(TkPointer::Hovered(), board);
}

namespace {

// A form that records the pointer position at each CM_MOUSELEAVE it gets.
class LeaveWatcher : public TForm {
public:
    using TForm::TForm;
    std::vector<TPoint> LeftAt;
    std::vector<intptr_t> Sources;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == CM_MOUSELEAVE) {
            LeftAt.push_back(GetCursorPos());
            Sources.push_back(m.LParam);
        }
        TForm::WndProc(m);
    }
};

} // namespace

TEST(FormPointer, AFormHearsThePointerLeaveItAndSeesWhereItWent)
{
    ParkPointer();
    std::unique_ptr<LeaveWatcher> form(new LeaveWatcher(nullptr));
    form->SetBounds(200, 200, 300, 200);
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 80, 30);
    ASSERT_TRUE(ShowAndWait(form.get()));

    TPoint inside = form->ClientToScreen(TPoint{150, 150});
    SetCursorPos(inside.X, inside.Y);
    ASSERT_TRUE(WaitFor([&] { return GetCursorPos() == inside; }));
    DrainEvents(30);
    form->LeftAt.clear();
    form->Sources.clear();

    // Onto a button of the form and back: the form hears its own leave (the
    // pointer went onto its child) and the button's, each with the pointer
    // still inside the form.
    TPoint onButton = button->ClientToScreen(TPoint{5, 5});
    SetCursorPos(onButton.X, onButton.Y);
    DrainEvents(30);
    SetCursorPos(inside.X, inside.Y);
    ASSERT_TRUE(WaitFor([&] { return form->LeftAt.size() >= 2; }));
    DrainEvents(30);
    EXPECT_EQ(form->Sources, (std::vector<intptr_t>{0, reinterpret_cast<intptr_t>(button)}));
    for (const TPoint& at : form->LeftAt)
        EXPECT_TRUE(PtInRect(form->BoundsRect(), at));

    // Off the window: the form hears it with the pointer already outside.
    form->LeftAt.clear();
    SetCursorPos(900, 700);
    ASSERT_TRUE(WaitFor([&] { return !form->LeftAt.empty(); }));
    EXPECT_FALSE(PtInRect(form->BoundsRect(), form->LeftAt[0]));
    form.reset();
    ParkPointer();
}

TEST(FormPointer, DestroyingAShownActiveFormUnderThePointerIsClean)
{
    struct Case {
        const char* name;
        bool onButton;
    };
    for (const Case& c : {Case{"over a windowless child", false}, Case{"over a button", true}}) {
        ParkPointer();
        Log log;
        auto* form = new LeaveWatcher(nullptr);
        form->SetBounds(100, 100, 300, 200);
        auto* board = new Board(form);
        board->SetParent(form);
        board->SetBounds(0, 0, 200, 150);
        auto* spot = new Spot(form, "S", log);
        spot->SetParent(board);
        spot->SetBounds(10, 10, 50, 50);
        auto* button = new TButton(form);
        button->SetParent(form);
        button->SetBounds(220, 20, 60, 30);
        ASSERT_TRUE(ShowAndWait(form));
        TPoint p = c.onButton ? button->ClientToScreen(TPoint{5, 5}) : board->ClientToScreen(TPoint{20, 20});
        SetCursorPos(p.X, p.Y);
        if (!c.onButton) {
            ASSERT_TRUE(WaitFor([&] { return !log.empty(); })) << c.name;
        }
        DrainEvents(30);
        ASSERT_TRUE(form->Active()) << c.name;
        delete form;
        DrainEvents(50);
        EXPECT_EQ(Application->ActiveForm(), nullptr) << c.name;
    }
    ParkPointer();
}
