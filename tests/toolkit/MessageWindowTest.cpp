#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>
#include <map>
#include <memory>
#include <vector>

#include "common/Wait.h"
#include "toolkit/MessageWindow.h"

namespace {

// Counts ticks per timer number and remembers every message.
struct TickLog {
    std::map<intptr_t, int> Ticks;
    std::vector<TMessage> Messages;
    TWndMethod Proc()
    {
        return [this](TMessage& m) {
            Messages.push_back(m);
            if (m.Msg == WM_TIMER)
                ++Ticks[m.WParam];
        };
    }
};

// Lets the system refuse timers for the length of a scope.
struct RefusingTimers {
    RefusingTimers() { TMessageWindow::SetRefuseTimers(true); }
    ~RefusingTimers() { TMessageWindow::SetRefuseTimers(false); }
};

} // namespace

TEST(MessageWindow, TicksArriveAsWmTimerWithTheTimerNumber)
{
    TickLog log;
    TMessageWindow window(log.Proc());
    ASSERT_TRUE(window.SetTimer(1, 10));
    ASSERT_TRUE(window.SetTimer(7, 15));
    EXPECT_TRUE(window.TimerActive(1));
    EXPECT_TRUE(window.TimerActive(7));
    EXPECT_FALSE(window.TimerActive(2));
    ASSERT_TRUE(WaitFor([&] { return log.Ticks[1] >= 2 && log.Ticks[7] >= 2; }));
    for (const TMessage& m : log.Messages) {
        EXPECT_EQ(m.Msg, WM_TIMER);
        EXPECT_TRUE(m.WParam == 1 || m.WParam == 7) << m.WParam;
        EXPECT_EQ(m.LParam, 0);
    }
}

TEST(MessageWindow, SettingARunningTimerAgainRestartsItsPeriod)
{
    TickLog log;
    TMessageWindow window(log.Proc());
    ASSERT_TRUE(window.SetTimer(1, 80));
    // Restart it every 20 ms for a while: it never gets to tick.
    QElapsedTimer sinceRestart;
    sinceRestart.start();
    int restarts = 0;
    QTimer restarter;
    QObject::connect(&restarter, &QTimer::timeout, [&] {
        if (restarts < 10) {
            ++restarts;
            window.SetTimer(1, 80);
            sinceRestart.restart();
        }
    });
    restarter.start(20);
    ASSERT_TRUE(WaitFor([&] { return restarts == 10 || log.Ticks[1] > 0; }));
    EXPECT_EQ(log.Ticks[1], 0);
    restarter.stop();
    ASSERT_TRUE(WaitFor([&] { return log.Ticks[1] > 0; }));
    // A full period passed after the last restart (coarse timers may fire 5% early).
    EXPECT_GE(sinceRestart.elapsed(), 75);
}

TEST(MessageWindow, KillTimerStopsOnlyThatTimer)
{
    TickLog log;
    TMessageWindow window(log.Proc());
    ASSERT_TRUE(window.SetTimer(1, 10));
    ASSERT_TRUE(window.SetTimer(2, 10));
    ASSERT_TRUE(WaitFor([&] { return log.Ticks[1] >= 1; }));
    window.KillTimer(1);
    window.KillTimer(99);
    EXPECT_FALSE(window.TimerActive(1));
    const int stopped = log.Ticks[1], other = log.Ticks[2];
    ASSERT_TRUE(WaitFor([&] { return log.Ticks[2] >= other + 5; }));
    EXPECT_EQ(log.Ticks[1], stopped);
    // A killed timer can be set again.
    ASSERT_TRUE(window.SetTimer(1, 10));
    EXPECT_TRUE(WaitFor([&] { return log.Ticks[1] > stopped; }));
}

TEST(MessageWindow, ARefusingSystemMakesSetTimerFail)
{
    TickLog log;
    TMessageWindow window(log.Proc());
    {
        RefusingTimers refuse;
        EXPECT_FALSE(window.SetTimer(1, 10));
        EXPECT_FALSE(window.TimerActive(1));
    }
    ASSERT_TRUE(window.SetTimer(2, 10));
    ASSERT_TRUE(WaitFor([&] { return log.Ticks[2] >= 4; }));
    EXPECT_EQ(log.Ticks.count(1), 0u);
}

TEST(MessageWindow, ATickHandlerMayKillItsTimerOrDestroyTheWindow)
{
    int ticks = 0;
    TMessageWindow* self = nullptr;
    TMessageWindow once([&](TMessage& m) {
        ++ticks;
        self->KillTimer(unsigned(m.WParam));
    });
    self = &once;
    ASSERT_TRUE(once.SetTimer(1, 5));
    TickLog other;
    TMessageWindow clock(other.Proc());
    clock.SetTimer(2, 5);
    ASSERT_TRUE(WaitFor([&] { return other.Ticks[2] >= 5; }));
    EXPECT_EQ(ticks, 1);

    int doomedTicks = 0;
    TMessageWindow* doomed = nullptr;
    doomed = new TMessageWindow([&](TMessage&) {
        TMessageWindow* w = doomed;
        doomed = nullptr;
        ++doomedTicks;
        delete w;
    });
    ASSERT_TRUE(doomed->SetTimer(3, 5));
    const int base = other.Ticks[2];
    ASSERT_TRUE(WaitFor([&] { return other.Ticks[2] >= base + 5; }));
    EXPECT_EQ(doomedTicks, 1);
    EXPECT_EQ(doomed, nullptr);
}

TEST(MessageWindow, SendDeliversAtOnceAndTheDefaultProcedureAnswersZero)
{
    TickLog log;
    TMessageWindow window(log.Proc());
    TMessage m{WM_USER + 5, 3, 4, 0};
    window.Send(m);
    ASSERT_EQ(log.Messages.size(), 1u);
    EXPECT_EQ(log.Messages[0].Msg, WM_USER + 5u);
    EXPECT_EQ(log.Messages[0].LParam, 4);

    TMessageWindow silent(nullptr);
    TMessage n{WM_USER, 0, 0, 77};
    silent.Send(n);
    EXPECT_EQ(n.Result, 0);
    EXPECT_EQ(TMessageWindow::DefWindowProc(n), 0);
}
