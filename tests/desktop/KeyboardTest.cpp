// The whole tour from the keyboard, with real key events from the X server
// (xdotool) into the active window: the board's cursor over the rings, each
// popup opened pinned with Enter and closed with Esc, the power source chosen
// with the arrow keys and moved back with Space on the jumper, F1 for help.
#include <QApplication>
#include <QPixmap>
#include <algorithm>
#include <QProcess>
#include <QScreen>
#include <vector>

#include "DesktopFixture.h"
#include "common/RingEntry.h"
#include "SetupCtrls/jumper/ThreeJumper.h"
#include "toolkit/Application.h"
#include "toolkit/MainMenu.h"
#include "toolkit/MenuItem.h"
#include "toolkit/QtBridge.h"
#include "toolkit/RadioButton.h"

namespace {
void Xdotool(const QStringList& args)
{
    ASSERT_EQ(QProcess::execute("xdotool", args), 0) << args.join(' ').toStdString();
}

// The colour on the screen at a point, as the user sees it.
TColor ScreenPixel(TPoint p)
{
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0, p.X, p.Y, 1, 1).toImage();
    return shot.isNull() ? clNone : FromQRgb(shot.pixel(0, 0));
}
} // namespace

class KeyboardTour : public DesktopTest {
protected:
    // Real key presses into whatever window the window manager has active.
    void Key(const char* keys) { Xdotool({"key", "--clearmodifiers", keys}); }
    void Activate(TForm* f) { Xdotool({"windowactivate", "--sync", QString::number(f->Handle()->winId())}); }
    bool KeyboardWindowIs(TForm* f)
    {
        return WaitFor([&] { return QGuiApplication::focusWindow() == f->Handle()->windowHandle(); });
    }
    // The board has the keyboard and its cursor shows on the ring.
    bool CursorOn(TBoardHighlight* ring)
    {
        return WaitFor([&] { return board->FocusedChild() == ring && ring->KeyboardFocused(); });
    }
    TMenuItem* EntryOf(TBoardHighlight* ring) const { return RingEntry(form->MainMenu1, ring); }
    // Where the cap sits, as the screen shows the jumper: each end of the
    // body is covered by the cap only while it sits on that end's pins.
    bool CapSeenOn(bool left)
    {
        TThreeJumper* j = form->BusPowerJumper;
        const TColor cap = ColorToRGB(j->JumperColor());
        return WaitFor([&] {
            const TColor leftEnd = ScreenPixel(j->ClientToScreen(TPoint{3, j->Height() / 2}));
            const TColor rightEnd = ScreenPixel(j->ClientToScreen(TPoint{j->Width() - 3, j->Height() / 2}));
            return (leftEnd == cap) == left && (rightEnd == cap) == !left;
        });
    }
};

TEST_F(KeyboardTour, EveryRingPopupAndControlFromTheKeyboard)
{
    // The help window comes up with Start focused; Esc presses it and the
    // first ring's popup opens pinned with the keyboard in it.
    ASSERT_TRUE(WaitFor([&] { return form->SetSup->HelpForm() && form->SetSup->HelpForm()->Visible(); }));
    THelpForm* help = form->SetSup->HelpForm();
    WaitOnScreen(help);
    Activate(help);
    Key("Escape");
    TBoardHighlight* power = form->PowerHighlight;
    ASSERT_TRUE(WaitFor([&] { return !help->Visible() && power->Popup() && power->Popup()->Visible(); }));
    EXPECT_TRUE(power->Pinned());
    ASSERT_TRUE(KeyboardWindowIs(power->Popup()));

    // Esc closes it as Done does; the keyboard is back on its ring.
    Key("Escape");
    ASSERT_TRUE(WaitFor([&] { return !power->Popup()->Visible(); }));
    EXPECT_FALSE(power->Lit());
    ASSERT_TRUE(CursorOn(power));
    ASSERT_TRUE(KeyboardWindowIs(form));

    // Tab walks the four rings in child order and comes round again; the
    // focus mark shows on the screen around the ring it rests on.
    std::vector<TBoardHighlight*> visited;
    for (int i = 0; i < 4; ++i) {
        TControl* before = board->FocusedChild();
        Key("Tab");
        ASSERT_TRUE(WaitFor([&] { return board->FocusedChild() != before; })) << "Tab " << i;
        auto* ring = dynamic_cast<TBoardHighlight*>(board->FocusedChild());
        ASSERT_NE(ring, nullptr);
        visited.push_back(ring);
        const TRect mark = ring->FocusMarkRect();
        EXPECT_TRUE(WaitFor([&] {
            return ScreenPixel(board->ClientToScreen(TPoint{mark.Left, mark.Top + mark.Height() / 2})) == clBlack &&
                   ScreenPixel(board->ClientToScreen(TPoint{mark.Left + 1, mark.Top + mark.Height() / 2})) == clWhite;
        })) << ring->Name();
    }
    EXPECT_EQ(visited.back(), power);
    for (TBoardHighlight* ring : {form->LedHighlight, form->USBHighlight, form->DCINHighlight, power})
        EXPECT_EQ(std::count(visited.begin(), visited.end(), ring), 1) << ring->Name();
    Key("shift+Tab");
    ASSERT_TRUE(CursorOn(visited[2]));
    Key("Right");
    ASSERT_TRUE(CursorOn(power));

    // Enter opens each ring's popup pinned, Esc closes it and the keyboard
    // comes back to the ring; Tab goes on to the next.
    for (int i = 0; i < 4; ++i) {
        auto* ring = dynamic_cast<TBoardHighlight*>(board->FocusedChild());
        ASSERT_NE(ring, nullptr);
        Key("Return");
        ASSERT_TRUE(WaitFor([&] { return ring->Popup() && ring->Popup()->Visible(); })) << ring->Name();
        TPopupForm* popup = ring->Popup();
        EXPECT_TRUE(ring->Pinned());
        EXPECT_TRUE(EntryOf(ring)->Checked());
        ASSERT_TRUE(KeyboardWindowIs(popup)) << ring->Name();

        if (ring == power) {
            WaitOnScreen(popup);
            TRadioButton* bus = form->BusPowerRadio;
            TRadioButton* ext = form->ExtPowerRadio;
            TThreeJumper* jumper = form->BusPowerJumper;
            ASSERT_TRUE(bus->Checked());
            ASSERT_TRUE(CapSeenOn(false));
            // Tab: the jumper, then the radio group at its checked button.
            Key("Tab");
            ASSERT_TRUE(WaitFor([&] { return jumper->KeyboardFocused(); }));
            Key("Tab");
            ASSERT_TRUE(WaitFor([&] { return bus->Focused(); }));
            // An arrow chooses "External Powered": the jumper's cap moves to VEXT.
            Key("Down");
            ASSERT_TRUE(WaitFor([&] { return ext->Checked() && ext->Focused(); }));
            EXPECT_FALSE(bus->Checked());
            EXPECT_EQ(jumper->JumperState(), jsLeft);
            EXPECT_TRUE(CapSeenOn(true));
            // The group is one tab stop: Shift+Tab goes back to the jumper,
            // whose Space moves the cap back and checks "USB Bus Powered".
            Key("shift+Tab");
            ASSERT_TRUE(WaitFor([&] { return jumper->KeyboardFocused(); }));
            Key("space");
            ASSERT_TRUE(WaitFor([&] { return jumper->JumperState() == jsRight; }));
            EXPECT_TRUE(bus->Checked());
            EXPECT_FALSE(ext->Checked());
            EXPECT_TRUE(CapSeenOn(false));
        }

        Key("Escape");
        ASSERT_TRUE(WaitFor([&] { return !popup->Visible(); })) << ring->Name();
        EXPECT_FALSE(EntryOf(ring)->Checked());
        ASSERT_TRUE(CursorOn(ring)) << ring->Name();
        ASSERT_TRUE(KeyboardWindowIs(form));
        Key("Tab");
        ASSERT_TRUE(WaitFor([&] { return board->FocusedChild() != ring; }));
    }

    // F1 shows the help window.
    Key("F1");
    EXPECT_TRUE(WaitFor([&] { return help->Visible(); }));
}

TEST_F(KeyboardTour, EnterOnAPinnedRingClosesItsPopupAndF1WorksInAPopup)
{
    ASSERT_TRUE(WaitFor([&] { return form->SetSup->HelpForm() && form->SetSup->HelpForm()->Visible(); }));
    THelpForm* help = form->SetSup->HelpForm();
    WaitOnScreen(help);
    Activate(help);
    Key("Return");
    TBoardHighlight* ring = form->PowerHighlight;
    ASSERT_TRUE(WaitFor([&] { return ring->Popup() && ring->Popup()->Visible(); }));
    TPopupForm* popup = ring->Popup();
    ASSERT_TRUE(KeyboardWindowIs(popup));
    // F1 in the popup shows help; Start there pins the same popup again.
    Key("F1");
    ASSERT_TRUE(WaitFor([&] { return help->Visible(); }));
    WaitOnScreen(help);
    Activate(help);
    Key("Return");
    ASSERT_TRUE(WaitFor([&] { return !help->Visible(); }));
    EXPECT_TRUE(popup->Visible());
    EXPECT_TRUE(ring->Pinned());
    // Over to the main window, as Alt+Tab would: the cursor waits on the
    // ring, and Enter (or Space) there closes the pinned popup.
    Activate(form);
    ASSERT_TRUE(KeyboardWindowIs(form));
    Key("Tab");
    ASSERT_TRUE(WaitFor([&] { return board->FocusedChild() != nullptr && board->FocusedChildShown(); }));
    while (board->FocusedChild() != ring) {
        TControl* before = board->FocusedChild();
        Key("Tab");
        ASSERT_TRUE(WaitFor([&] { return board->FocusedChild() != before; }));
    }
    ASSERT_TRUE(CursorOn(ring));
    EXPECT_TRUE(popup->Visible());
    Key("space");
    ASSERT_TRUE(WaitFor([&] { return !popup->Visible(); }));
    EXPECT_FALSE(EntryOf(ring)->Checked());
    EXPECT_FALSE(ring->Lit());
    EXPECT_TRUE(CursorOn(ring));
}
