// The pictures in docs/, taken from the real window: runs only when
// SETTINGS_SCREENSHOT_DIR names a folder (tools/screenshots.sh).
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <cstdlib>

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include "DesktopFixture.h"
#include "common/DarkPalette.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "SetupCtrls/jumper/ThreeJumper.h"
#include "template/Assets.h"
#include "toolkit/RadioButton.h"

class Screenshots : public DesktopTest {
protected:
    void SetUp() override
    {
        const char* dir = std::getenv("SETTINGS_SCREENSHOT_DIR");
        if (!dir || !*dir)
            GTEST_SKIP() << "SETTINGS_SCREENSHOT_DIR is not set";
        folder = dir;
        // As the program does: its icon on every window.
        Application->SetIcon(AppIconPng, AppIconPng_size);
        DesktopTest::SetUp();
    }
    void Shot(const char* name)
    {
        DrainEvents(400);
        QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
        ASSERT_TRUE(shot.save(folder + "/" + name, "PNG"));
    }
    QString folder;
};

TEST_F(Screenshots, HelpWindowBoardAndPopups)
{
    ASSERT_TRUE(WaitFor([&] { return form->SetSup->HelpForm() && form->SetSup->HelpForm()->Visible(); }));
    PointerTo(TPoint{1000, 740});
    Shot("help-window.png");

    THelpForm* help = form->SetSup->HelpForm();
    help->Hide();
    // Gone from the screen, and the board repainted where it stood.
    ASSERT_TRUE(WaitFor([&] { return !help->Handle()->windowHandle()->isExposed(); }));
    form->BoardImage1->Repaint();
    Shot("main-window.png");

    TBoardHighlight* ring = form->PowerHighlight;
    PointerTo(CentreOf(ring));
    ASSERT_TRUE(WaitFor([&] { return ring->Popup() && ring->Popup()->Visible(); }));
    WaitOnScreen(ring->Popup());
    Shot("external-power-popup.png");

    // Into the popup (it stays), then a real click on the jumper.
    PointerTo(CentreOf(ring->Popup()));
    ASSERT_TRUE(WaitFor([&] { return ring->Pinned(); }));
    TPoint j = CentreOf(form->BusPowerJumper);
    PointerTo(j);
    QProcess::execute("xdotool", {"click", "1"});
    ASSERT_TRUE(WaitFor([&] { return form->BusPowerJumper->JumperState() == jsLeft; }));
    EXPECT_TRUE(form->ExtPowerRadio->Checked());
    Shot("jumper-vext.png");
}

TEST_F(Screenshots, ExternalPowerPopupUnderADarkPalette)
{
    const QPalette saved = QApplication::palette();
    const QString savedStyle = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(DarkPalette());
    DismissHelp();
    PointerTo(TPoint{1000, 740});
    TBoardHighlight* ring = form->PowerHighlight;
    ring->MenuItemClick(nullptr);
    ASSERT_TRUE(ring->Popup() && ring->Popup()->Visible());
    WaitOnScreen(ring->Popup());
    Shot("external-power-popup-dark.png");
    QApplication::setPalette(saved);
    QApplication::setStyle(QStyleFactory::create(savedStyle));
}
