#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "tests/toolkit/ToolkitSupport.h"
#include "toolkit/Button.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/Exceptions.h"
#include "toolkit/MainMenu.h"
#include "toolkit/MenuItem.h"
#include "toolkit/MessageWindow.h"

using namespace tk_test;

namespace {

// Runs a real event loop (so the queue runs empty and blocks, as in the
// program) until the condition holds or the deadline passes.
bool RunLoopUntil(const std::function<bool()>& condition, int timeoutMs = 3000)
{
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition() || clock.elapsed() > timeoutMs)
            loop.quit();
    });
    poll.start(5);
    if (!condition())
        loop.exec();
    return condition();
}

// Lets a real event loop run through `ticks` polls of 5 ms.
void RunLoopFor(int ticks)
{
    int n = 0;
    RunLoopUntil([&] { return ++n > ticks; });
}

// What a failing handler throws: our errors, other standard ones, anything.
void ThrowKind(int kind, const std::string& text)
{
    if (kind == 0)
        throw Exception(text);
    if (kind == 1)
        throw std::runtime_error(text);
    throw 42;
}

class Faulty : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
    bool Fail = true;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        if (Fail)
            throw Exception("paint failed");
        TCustomPanel::Paint();
    }
};

} // namespace

TEST(ApplicationExceptions, AButtonClickThatThrowsReachesOnExceptionAndLaterClicksWork)
{
    struct Case {
        int kind;
        const char* expected;
    };
    for (const Case& c : {Case{0, "boom"}, Case{1, "boom"}, Case{2, "Unknown error"}}) {
        ExceptionLog errors;
        FormPtr form = MakeForm(10, 10, 200, 100);
        auto* button = new TButton(form.get());
        button->SetParent(form.get());
        int clicks = 0;
        button->OnClick = [&](TObject*) {
            if (++clicks == 1)
                ThrowKind(c.kind, "boom");
        };
        auto* widget = static_cast<QAbstractButton*>(button->Handle());
        widget->click();
        ASSERT_EQ(errors.Messages, std::vector<std::string>{c.expected});
        EXPECT_EQ(errors.Senders[0], button);
        widget->click();
        EXPECT_EQ(clicks, 2);
        EXPECT_EQ(errors.Messages.size(), 1u);
    }
}

TEST(ApplicationExceptions, WithoutAHandlerTheMessageGoesToAnErrorBox)
{
    MessageBoxLog boxes;
    FormPtr form = MakeForm(10, 10, 200, 100);
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    button->OnClick = [](TObject*) { throw Exception("Nothing to do"); };
    static_cast<QAbstractButton*>(button->Handle())->click();
    ASSERT_EQ(boxes.Texts, std::vector<std::string>{"Nothing to do"});
    EXPECT_EQ(boxes.Flags[0] & 0xF0, MB_ICONSTOP);
}

TEST(ApplicationExceptions, AMenuItemThatThrowsReachesOnException)
{
    ExceptionLog errors;
    FormPtr form = MakeForm(10, 10, 200, 100);
    auto* menu = new TMainMenu(form.get());
    auto* file = new TMenuItem(form.get());
    file->SetCaption("&File");
    auto* item = new TMenuItem(form.get());
    item->SetCaption("&Go");
    int runs = 0;
    item->OnClick = [&](TObject*) {
        ++runs;
        throw Exception("menu failed");
    };
    file->Add(item);
    menu->Items()->Add(file);
    form->SetMenu(menu);
    QAction* action = item->Action();
    ASSERT_NE(action, nullptr);
    action->trigger();
    action->trigger();
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(errors.Messages, (std::vector<std::string>{"menu failed", "menu failed"}));
    EXPECT_EQ(errors.Senders[0], item);
}

TEST(ApplicationExceptions, ATimerTickThatThrowsDoesNotStopTheTimer)
{
    ExceptionLog errors;
    int ticks = 0;
    TMessageWindow window([&](TMessage& m) {
        if (m.Msg == WM_TIMER) {
            ++ticks;
            throw Exception("tick " + std::to_string(ticks));
        }
    });
    ASSERT_TRUE(window.SetTimer(3, 10));
    ASSERT_TRUE(RunLoopUntil([&] { return ticks >= 3; }));
    window.KillTimer(3);
    ASSERT_GE(errors.Messages.size(), 3u);
    EXPECT_EQ(errors.Messages[0], "tick 1");
    EXPECT_EQ(errors.Messages[2], "tick 3");
}

TEST(ApplicationExceptions, APaintThatThrowsIsReportedAndPaintingGoesOn)
{
    MessageBoxLog boxes;
    FormPtr form = MakeForm(10, 10, 200, 100);
    auto* panel = new Faulty(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 100, 50);
    form->Show();
    // Inside a paint no box is shown; it comes once the loop runs.
    ASSERT_TRUE(WaitFor([&] { return panel->Paints > 0; }));
    ASSERT_TRUE(WaitFor([&] { return !boxes.Texts.empty(); }));
    EXPECT_EQ(boxes.Texts[0], "paint failed");

    panel->Fail = false;
    const int before = panel->Paints;
    panel->Repaint();
    EXPECT_EQ(panel->Paints, before + 1);

    ExceptionLog errors;
    panel->Fail = true;
    panel->Repaint();
    ASSERT_EQ(errors.Messages, std::vector<std::string>{"paint failed"});
    EXPECT_EQ(errors.Senders[0], panel);
}

TEST(ApplicationExceptions, TheEventLoopRunsOnAfterAFailingHandler)
{
    ExceptionLog errors;
    FormPtr form = MakeForm(10, 10, 200, 100);
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        ++clicks;
        throw Exception("again");
    };
    auto* widget = static_cast<QAbstractButton*>(button->Handle());
    QTimer::singleShot(0, widget, [widget] { widget->click(); });
    QTimer::singleShot(15, widget, [widget] { widget->click(); });
    EXPECT_TRUE(RunLoopUntil([&] { return clicks == 2; }));
    EXPECT_EQ(errors.Messages.size(), 2u);
}

namespace {

class PaintCounting : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        TCustomPanel::Paint();
    }
};

class CountingForm : public TForm {
public:
    using TForm::TForm;
    int Paints = 0;

protected:
    void PaintWindow(TCanvas& canvas) override
    {
        ++Paints;
        TForm::PaintWindow(canvas);
    }
};

// Runs in a fresh process (nothing has painted there yet) and exits 0 when
// the idle event behaved: not before the main form's first paint, then once
// for a handler that unhooks itself, again and again for one that stays.
[[noreturn]] void IdleScenario(bool covered)
{
    auto* form = Application->CreateForm<CountingForm>();
    form->SetBounds(20, 20, 300, 200);
    PaintCounting* cover = nullptr;
    if (covered) {
        // A panel over the whole client area: the form's own surface never paints.
        cover = new PaintCounting(form);
        cover->SetParent(form);
        cover->SetAlign(alClient);
    }
    auto painted = [&] { return cover ? cover->Paints > 0 : form->Paints > 0; };

    int once = 0;
    bool paintedBeforeIdle = true;
    Application->OnIdle = [&](TObject* sender, bool&) {
        ++once;
        paintedBeforeIdle = paintedBeforeIdle && painted() && sender == Application;
        Application->OnIdle = nullptr;
    };
    RunLoopFor(6);
    if (once != 0) {
        std::fprintf(stderr, "idle before the main form was shown\n");
        std::exit(1);
    }
    form->Show();
    if (!RunLoopUntil([&] { return once > 0; })) {
        std::fprintf(stderr, "no idle after the main form painted\n");
        std::exit(2);
    }
    RunLoopFor(6);
    if (once != 1 || !paintedBeforeIdle) {
        std::fprintf(stderr, "idle ran %d times, painted first: %d\n", once, int(paintedBeforeIdle));
        std::exit(3);
    }
    int staying = 0;
    Application->OnIdle = [&](TObject*, bool&) { ++staying; };
    RunLoopUntil([&] { return staying >= 3; });
    Application->OnIdle = nullptr;
    std::exit(staying >= 3 ? 0 : 4);
}

} // namespace

TEST(ApplicationIdleDeathTest, IdleStartsAfterTheMainFormPaintedAndAnUnhookedHandlerRunsOnce)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(IdleScenario(false), ::testing::ExitedWithCode(0), "");
}

TEST(ApplicationIdleDeathTest, AMainFormCoveredByAPanelStillStartsTheIdleEvent)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(IdleScenario(true), ::testing::ExitedWithCode(0), "");
}
