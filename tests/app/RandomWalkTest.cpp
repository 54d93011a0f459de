// A seeded random walk over the real main window: pointer moves over the
// board, the rings and the popups, in bursts and at leisure, clicks, menu
// entries, Previous / Next / Done, the close box, the jumper and the radio
// buttons, the help window and its Start. After every step the board must be
// in a state its rules allow.
//
// The offscreen platform keeps no stacking order, so this test plays the
// window system itself: it eats the platform's own pointer events and delivers
// enter, move, leave, press and release to the window that lies on top at the
// pointer, as an X server would. Activations are the platform's, and besides
// the walk plays a window manager whose activation of a window arrives late,
// when the program may have hidden that window again.
//
// SETTINGS_RANDOM_SEED repeats a walk; SETTINGS_RANDOM_STEPS makes it longer.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "common/RingEntry.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/PopupForm.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "SetupCtrls/jumper/ThreeJumper.h"
#include "SetupCtrls/supporter/HelpForm.h"
#include "SetupCtrls/supporter/SetupSupporter.h"
#include "toolkit/Button.h"
#include "toolkit/MainMenu.h"
#include "toolkit/MenuItem.h"
#include "toolkit/RadioButton.h"
#include "toolkit/Screen.h"
#include "toolkit/WinApi.h"

namespace {

// Stands in for the window system's pointer: only its own events reach the windows.
class PointerModel : public QObject {
public:
    PointerModel() { qApp->installEventFilter(this); }
    ~PointerModel() override { qApp->removeEventFilter(this); }

    void MoveTo(TPoint p)
    {
        FAt = p;
        QCursor::setPos(p.X, p.Y);
        Deliver();
    }
    // After windows were shown or hidden, the pointer may be over another one.
    void Recross() { Deliver(); }
    // The window manager activates a window that was shown at some time,
    // whether or not it is still shown.
    TForm* ActivateLate(size_t pick)
    {
        std::vector<TForm*> alive;
        for (const TGuard<TForm>& g : FEverShown)
            if (TForm* f = g.Get())
                alive.push_back(f);
        if (alive.empty())
            return nullptr;
        TForm* f = alive[pick % alive.size()];
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(f->Handle(), &activate);
        return f;
    }
    void Click(TPoint p)
    {
        MoveTo(p);
        if (QWindow* w = FWindow.data()) {
            Send(w, QEvent::MouseButtonPress, Qt::LeftButton);
            if (QWindow* still = FWindow.data())
                Send(still, QEvent::MouseButtonRelease, Qt::NoButton);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (!watched->isWindowType() || !e->spontaneous())
            return false;
        switch (e->type()) {
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
        }
    }

private:
    // The topmost shown form at the pointer: stay-on-top forms over the
    // others, the one shown last over the rest.
    QWindow* WindowAt(TPoint p)
    {
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TForm* f = Screen->Forms(i);
            bool known = false;
            for (const TGuard<TForm>& g : FOrder)
                known = known || g.Get() == f;
            if (f->Visible() && !known) {
                FOrder.emplace_back(f);
                FEverShown.emplace_back(f);
            }
        }
        std::vector<TGuard<TForm>> kept;
        for (const TGuard<TForm>& g : FOrder)
            if (g.Get() && g.Get()->Visible())
                kept.push_back(g);
        FOrder = kept;
        for (int onTop = 1; onTop >= 0; --onTop)
            for (auto it = FOrder.rbegin(); it != FOrder.rend(); ++it) {
                TForm* f = it->Get();
                if ((f->FormStyle() == fsStayOnTop) == bool(onTop) && PtInRect(f->BoundsRect(), p))
                    return f->Handle()->windowHandle();
            }
        return nullptr;
    }
    void Deliver()
    {
        QWindow* w = WindowAt(FAt);
        if (w != FWindow.data()) {
            if (QWindow* old = FWindow.data()) {
                QEvent leave(QEvent::Leave);
                QCoreApplication::sendEvent(old, &leave);
            }
            FWindow = w;
            if (w) {
                const QPointF global(FAt.X, FAt.Y), local = w->mapFromGlobal(QPoint(FAt.X, FAt.Y));
                QEnterEvent enter(local, local, global);
                QCoreApplication::sendEvent(w, &enter);
            }
        }
        if (QWindow* now = FWindow.data())
            Send(now, QEvent::MouseMove, Qt::NoButton);
    }
    void Send(QWindow* w, QEvent::Type type, Qt::MouseButtons buttons)
    {
        const QPointF global(FAt.X, FAt.Y), local = w->mapFromGlobal(QPoint(FAt.X, FAt.Y));
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, local, global, button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }

    TPoint FAt{0, 0};
    QPointer<QWindow> FWindow;
    std::vector<TGuard<TForm>> FOrder;
    std::vector<TGuard<TForm>> FEverShown;
};

unsigned SeedFromEnvironment()
{
    if (const char* s = std::getenv("SETTINGS_RANDOM_SEED"))
        return unsigned(std::strtoul(s, nullptr, 10));
    return unsigned(std::chrono::steady_clock::now().time_since_epoch().count());
}

int StepsFromEnvironment()
{
    const char* s = std::getenv("SETTINGS_RANDOM_STEPS");
    return s ? std::atoi(s) : 20000;
}

} // namespace

class RandomWalk : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        Application->OnException = [this](TObject*, const std::exception& e) { FErrors.push_back(e.what()); };
        SetMessageBoxHandler([](const std::string&, const std::string&, unsigned) { return IDOK; });
        ShowAndPaint();
        ASSERT_TRUE(WaitFor([&] {
            for (TBoardHighlight* r : Rings())
                if (!r->Prepared())
                    return false;
            return true;
        }));
    }
    void TearDown() override
    {
        Application->OnException = nullptr;
        SetMessageBoxHandler(nullptr);
        MainWindowTest::TearDown();
    }

    std::vector<TBoardHighlight*> Rings() const
    {
        return {form->PowerHighlight, form->LedHighlight, form->USBHighlight, form->DCINHighlight};
    }
    TMenuItem* EntryOf(TBoardHighlight* ring) const { return RingEntry(form->MainMenu1, ring); }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(FRandom); }
    TPoint Within(const TControl* c)
    {
        return c->ClientToScreen(TPoint{Pick(std::max(1, c->Width())), Pick(std::max(1, c->Height()))});
    }
    TPoint Within(const TForm* f) { return TPoint{f->Left() + Pick(f->Width()), f->Top() + Pick(f->Height())}; }

    // Somewhere a user's pointer goes: a ring, the bare board, a shown popup
    // or one of its controls, the help window, anywhere on the screen.
    TPoint SomePlace()
    {
        std::vector<TPopupForm*> shown;
        for (TBoardHighlight* r : Rings())
            if (r->Popup() && r->Popup()->Visible())
                shown.push_back(r->Popup());
        switch (Pick(8)) {
        case 0:
        case 1:
        case 2:
            return Within(Rings()[size_t(Pick(4))]);
        case 3:
            return Within(form->BoardImage1);
        case 4:
        case 5:
            if (!shown.empty()) {
                TPopupForm* p = shown[size_t(Pick(int(shown.size())))];
                static const char* const kParts[] = {"PreviousButton", "NextButton", "DoneButton", "StatusMemo"};
                if (Pick(2) == 0)
                    return Within(p);
                if (auto* c = dynamic_cast<TControl*>(p->FindComponent(kParts[Pick(4)])))
                    return Within(c);
                return Within(p);
            }
            return Within(form->BoardImage1);
        case 6:
            if (form->PowerHighlight->Popup() && form->PowerHighlight->Popup()->Visible()) {
                TControl* parts[] = {form->BusPowerJumper, form->ExtPowerRadio, form->BusPowerRadio};
                return Within(parts[Pick(3)]);
            }
            if (THelpForm* help = form->SetSup->HelpForm(); help && help->Visible())
                return Pick(2) ? Within(help->StartButton()) : Within(help);
            return Within(form->BoardImage1);
        default:
            return TPoint{Pick(Screen->Width()), Pick(Screen->Height())};
        }
    }

    // One step of the walk; returns what it did.
    std::string Step(PointerModel& pointer)
    {
        std::ostringstream did;
        const int action = Pick(100);
        if (action < 40) {
            TPoint p = SomePlace();
            pointer.MoveTo(p);
            did << "move " << p.X << "," << p.Y;
        } else if (action < 45) {
            TForm* f = pointer.ActivateLate(size_t(Pick(16)));
            did << "late activation of " << (f ? f->Caption() : std::string("nothing"));
        } else if (action < 65) {
            // The window system catches up: activations, paints, crossings.
            pointer.Recross();
            QCoreApplication::processEvents();
            did << "events";
        } else if (action < 82) {
            TPoint p = SomePlace();
            pointer.Click(p);
            did << "click " << p.X << "," << p.Y;
        } else if (action < 90) {
            TBoardHighlight* r = Rings()[size_t(Pick(4))];
            EntryOf(r)->Click();
            did << "menu " << r->Title();
        } else if (action < 95) {
            did << "close box (none shown)";
            for (TBoardHighlight* r : Rings())
                if (r->Popup() && r->Popup()->Visible()) {
                    QCloseEvent close;
                    QCoreApplication::sendEvent(r->Popup()->Handle(), &close);
                    did.str("close box " + r->Title());
                    break;
                }
        } else {
            THelpForm* help = form->SetSup->HelpForm();
            if (help && help->Visible() && Pick(2)) {
                help->StartButton()->Click();
                did << "Start";
            } else {
                form->Howtousethisprogram1->Click();
                did << "help";
            }
        }
        return did.str();
    }

    ::testing::AssertionResult Holds()
    {
        if (!FErrors.empty())
            return ::testing::AssertionFailure() << "an error was raised: " << FErrors.front();
        for (TBoardHighlight* r : Rings()) {
            TPopupForm* p = r->Popup();
            const bool shown = p && p->Visible();
            if (r->Lit() != shown)
                return ::testing::AssertionFailure() << r->Title() << ": lit " << r->Lit() << ", popup shown " << shown;
            if (EntryOf(r)->Checked() != (shown && r->Pinned()))
                return ::testing::AssertionFailure() << r->Title() << ": entry ticked " << EntryOf(r)->Checked()
                                                     << ", shown " << shown << ", pinned " << r->Pinned();
            if (r->PopupActive() && !shown)
                return ::testing::AssertionFailure() << r->Title() << ": popup active while hidden";
            if (p && r->RadioPanel() && r->RadioPanel()->Parent() != p)
                return ::testing::AssertionFailure() << r->Title() << ": its panel left its popup";
            int twins = 0;
            for (int i = 0; i < Screen->FormCount(); ++i)
                if (Screen->Forms(i)->Caption() == r->PlainTitle() && Screen->Forms(i)->Tag() == int(r->HighlightType()))
                    ++twins;
            if (twins > 1)
                return ::testing::AssertionFailure() << r->Title() << ": " << twins << " popups";
        }
        if (TForm* active = Application->ActiveForm(); active && !active->Visible())
            return ::testing::AssertionFailure() << "the hidden form " << active->Caption() << " is active";
        const TJumperState j = form->BusPowerJumper->JumperState();
        if (form->BusPowerRadio->Checked() != (j == jsRight) || form->ExtPowerRadio->Checked() != (j == jsLeft))
            return ::testing::AssertionFailure() << "jumper " << int(j) << " but USB radio "
                                                 << form->BusPowerRadio->Checked() << ", external radio "
                                                 << form->ExtPowerRadio->Checked();
        return ::testing::AssertionSuccess();
    }

    std::mt19937 FRandom;
    std::vector<std::string> FErrors;
};

TEST_F(RandomWalk, EveryStateOnTheWayIsOneTheBoardAllows)
{
    const unsigned seed = SeedFromEnvironment();
    const int steps = StepsFromEnvironment();
    FRandom.seed(seed);
    PointerModel pointer;
    std::deque<std::string> recent;
    for (int step = 0; step < steps; ++step) {
        recent.push_back(Step(pointer));
        if (recent.size() > 12)
            recent.pop_front();
        ::testing::AssertionResult ok = Holds();
        if (!ok) {
            std::ostringstream trail;
            for (const std::string& s : recent)
                trail << "\n  " << s;
            FAIL() << ok.message() << "\nat step " << step << " of SETTINGS_RANDOM_SEED=" << seed
                   << "; the last steps:" << trail.str();
        }
    }
    // Settled at the end: the last activations arrive and change nothing allowed.
    pointer.Recross();
    DrainEvents();
    EXPECT_TRUE(Holds()) << "after the walk settled, SETTINGS_RANDOM_SEED=" << seed;
}
