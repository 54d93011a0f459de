#pragma once
// The real main window on a real X display (Xvfb + openbox): the pointer is
// moved by warping the X pointer, so windows get genuine enter, move and leave
// events, across top-level windows too.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardImage.h"
#include "SetupCtrls/board/PopupForm.h"
#include "SetupCtrls/supporter/HelpForm.h"
#include "SetupCtrls/supporter/SetupSupporter.h"
#include "WindowManager.h"
#include "common/Wait.h"
#include "template/MainForm.h"
#include "toolkit/Application.h"
#include "toolkit/MainMenu.h"
#include "toolkit/MenuItem.h"
#include "toolkit/Screen.h"
#include "toolkit/SurfaceWidget.h"
#include "toolkit/WinApi.h"

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X display (run under tools/with-desktop.sh)";
        form = new TMainForm(Application);
        Application->SetMainForm(form);
        form->Show();
        board = form->BoardImage1;
        auto* surface = static_cast<TkSurfaceWidget*>(board->Handle());
        // Maximised by the window manager, painted, the header in place and
        // the board placed below it where it will stay.
        ASSERT_TRUE(WaitFor([&] {
            // (Qt reports the maximised state as soon as it asks for it; the
            // window manager's answer is the size.)
            const bool maximised = form->ClientWidth() >= Screen->Width() - 4 && form->Top() <= 0;
            return surface->Painted() && maximised && form->SetSup->HeaderLabel() &&
                   form->PowerHighlight->Prepared();
        }));
        ASSERT_TRUE(WaitFor([&] {
            const TRect before = board->BoundsRect();
            const int renders = form->PowerHighlight->RenderCount();
            DrainEvents(50);
            return BoardInRoom() && before == board->BoundsRect() && renders == form->PowerHighlight->RenderCount();
        }));
    }
    void TearDown() override
    {
        if (!form)
            return;
        Application->OnIdle = nullptr;
        delete form;
        DrainEvents();
    }

    // The help window comes up by itself shortly after start-up; most tests
    // want it out of the way.
    void DismissHelp()
    {
        ASSERT_TRUE(WaitFor([&] { return form->SetSup->HelpForm() && form->SetSup->HelpForm()->Visible(); }));
        form->SetSup->HelpForm()->Hide();
        DrainEvents();
    }

    // A user moves into a window only once it is there: mapped, exposed,
    // and framed by the window manager (asked of it directly: Qt's own idea
    // of the frame can lag behind).
    void WaitOnScreen(TForm* f)
    {
        ASSERT_TRUE(WaitFor([&] {
            QWindow* w = f->Handle()->windowHandle();
            return w && w->isExposed() && !desktop_test::FrameExtents(f->Handle()).isNull();
        })) << f->Caption() << " was never framed by the window manager";
        DrainEvents(100);
    }

    void PointerTo(TPoint screen)
    {
        SetCursorPos(screen.X, screen.Y);
        WaitFor([&] { return GetCursorPos() == screen; }, 2000);
    }
    TPoint CentreOf(TControl* c) { return c->ClientToScreen(TPoint{c->Width() / 2, c->Height() / 2}); }
    TPoint CentreOf(TForm* f) { return TPoint{f->Left() + f->Width() / 2, f->Top() + f->Height() / 2}; }
    // A place on the photograph far from every ring and popup.
    TPoint OnBoard() { return board->ClientToScreen(TPoint{board->Width() * 560 / 600, board->Height() * 40 / 718}); }
    // The whole photograph lies in the client area below the header.
    bool BoardInRoom() const
    {
        const TRect room = form->FreeClientRect();
        const TRect b = board->BoundsRect();
        return b.Left >= room.Left && b.Top >= room.Top && b.Right <= room.Right && b.Bottom <= room.Bottom;
    }

    // The main menu's entry with this caption under the top-level item `top`.
    TMenuItem* Entry(const std::string& top, const std::string& caption)
    {
        TMenuItem* bar = form->MainMenu1->Items();
        for (int i = 0; i < bar->Count(); ++i)
            if (bar->Items(i)->Caption() == top)
                for (int j = 0; j < bar->Items(i)->Count(); ++j)
                    if (bar->Items(i)->Items(j)->Caption() == caption)
                        return bar->Items(i)->Items(j);
        return nullptr;
    }

    TMainForm* form = nullptr;
    TBoardImage* board = nullptr;
};
