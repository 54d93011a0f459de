// The main window on the screen it is run on (tools/with-desktop.sh --size
// and the density variables pick one): the whole board below the header,
// every ring's popup reachable and on the screen, the menu complete, the rings
// exact where the board fits and crisp on dense screens, and the board fitted
// again whenever the window changes size.
#include <QImage>
#include <QMenu>
#include <QFontMetrics>
#include <QMenuBar>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "SetupCtrls/board/RingShading.h"
#include "desktop/DesktopFixture.h"
#include "toolkit/Bitmap.h"
#include "toolkit/JpegImage.h"
#include "toolkit/Label.h"
#include "toolkit/Picture.h"
#include "toolkit/RadioButton.h"
#include "SetupCtrls/jumper/ThreeJumper.h"
#include "SetupCtrls/board/RadioPanel.h"

namespace {
struct Ring {
    const char* name;
    const char* caption;
};
const Ring Rings[] = {
    {"PowerHighlight", "External Power"},
    {"LedHighlight", "LED Light"},
    {"USBHighlight", "USB Connector"},
    {"DCINHighlight", "DC Input"},
};

bool Inside(const TRect& inner, const TRect& outer)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right && inner.Bottom <= outer.Bottom;
}

QImage GrabScreen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

uint32_t At(const QImage& image, int x, int y)
{
    return reinterpret_cast<const uint32_t*>(image.constScanLine(y))[x] & 0xFFFFFFu;
}

// A ring-sized piece of an image (device pixels), as a bitmap ShadeRing
// works on; black where the rectangle passes the image's edge.
std::unique_ptr<TBitmap> Crop(const QImage& image, const TRect& r)
{
    auto b = std::make_unique<TBitmap>();
    b->SetSize(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) {
            const bool in = image.rect().contains(r.Left + x, r.Top + y);
            reinterpret_cast<uint32_t*>(b->ScanLine(y))[x] = 0xFF000000u | (in ? At(image, r.Left + x, r.Top + y) : 0u);
        }
    return b;
}

uint32_t At(const TBitmap& b, int x, int y)
{
    return reinterpret_cast<const uint32_t*>(b.ScanLine(y))[x] & 0xFFFFFFu;
}
} // namespace

class ScreenFit : public DesktopTest {
protected:
    TBoardHighlight* RingNamed(const char* name) { return dynamic_cast<TBoardHighlight*>(form->FindComponent(name)); }
    double Ratio() const { return QGuiApplication::primaryScreen()->devicePixelRatio(); }
    // The ring's device pixels on the screen (whole ratios only). The window
    // manager places the window in device pixels, which need not be a whole
    // number of logical ones: the X server says where its client area starts.
    TRect DeviceRectOnScreen(TControl* c, int width, int height)
    {
        const int r = int(Ratio());
        QWidget* window = form->Handle()->window();
        QProcess info;
        info.start("xwininfo", {"-id", QString::number(window->winId())});
        info.waitForFinished(5000);
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        auto field = [&](const char* name) {
            const int at = out.indexOf(QLatin1String(name));
            return at < 0 ? 0 : out.mid(at + int(strlen(name))).section('\n', 0, 0).trimmed().toInt();
        };
        const QPoint inWindow = board->Handle()->mapTo(window, QPoint(0, 0));
        const int x = field("Absolute upper-left X:") + (inWindow.x() + c->Left()) * r;
        const int y = field("Absolute upper-left Y:") + (inWindow.y() + c->Top()) * r;
        return Bounds(x, y, width * r, height * r);
    }
    // Waits until the screen shows something else in the rectangle than before.
    QImage GrabChanged(const QImage& before, const TRect& r)
    {
        QImage now;
        WaitFor([&] {
            DrainEvents(30);
            now = GrabScreen();
            for (int y = r.Top; y < r.Bottom; ++y)
                for (int x = r.Left; x < r.Right; ++x)
                    if (At(now, x, y) != At(before, x, y))
                        return true;
            return false;
        });
        return now;
    }
};

TEST_F(ScreenFit, TheWholeBoardShowsBelowTheHeaderAndEveryRingOpensItsPopupOnTheScreen)
{
    DismissHelp();
    const TRect room = form->FreeClientRect();
    ASSERT_NE(form->SetSup->HeaderLabel(), nullptr);
    EXPECT_EQ(room.Top, form->SetSup->HeaderLabel()->Top() + form->SetSup->HeaderLabel()->Height());
    EXPECT_TRUE(Inside(board->BoundsRect(), room)) << "board " << board->Left() << "," << board->Top() << " " << board->Width()
                                                   << "x" << board->Height() << " in a room of " << room.Width() << "x"
                                                   << room.Height() << " at " << room.Top;
    const TRect screen = Bounds(0, 0, Screen->Width(), Screen->Height());
    for (const Ring& r : Rings) {
        TBoardHighlight* ring = RingNamed(r.name);
        ASSERT_NE(ring, nullptr);
        // What shows of the ring (the board clips it) lies in the room.
        const TRect onBoard = IntersectRect(ring->BoundsRect(), Rect(0, 0, board->Width(), board->Height()));
        ASSERT_FALSE(onBoard.IsEmpty()) << r.name;
        const TRect inForm = Bounds(board->Left() + onBoard.Left, board->Top() + onBoard.Top, onBoard.Width(), onBoard.Height());
        EXPECT_TRUE(Inside(inForm, room)) << r.name;
        // Most of the ring shows: only the LED ring reaches a little past the picture.
        EXPECT_GE(onBoard.Height() * 100, ring->Height() * 97) << r.name;

        // The pointer on the ring's centre, found from where the board is on the screen.
        const TPoint origin = board->ClientToScreen(TPoint{0, 0});
        PointerTo(TPoint{origin.X + ring->Left() + ring->Width() / 2, origin.Y + ring->Top() + ring->Height() / 2});
        ASSERT_TRUE(WaitFor([&] { return ring->Popup() && ring->Popup()->Visible(); }))
            << r.name << " lit " << ring->Lit() << " pointer " << GetCursorPos().X << "," << GetCursorPos().Y << " ring at "
            << ring->ClientToScreen(TPoint{0, 0}).X << "," << ring->ClientToScreen(TPoint{0, 0}).Y << " help exposed "
            << form->SetSup->HelpForm()->Handle()->windowHandle()->isExposed() << " active " << (Application->ActiveForm() ? Application->ActiveForm()->Caption() : "none")
            << " popup " << (ring->Popup() ? 1 : 0);
        TPopupForm* popup = ring->Popup();
        EXPECT_EQ(popup->Caption(), r.caption);
        const bool exposed = WaitFor([&] {
            QWindow* w = popup->Handle()->windowHandle();
            return w && w->isExposed() && popup->Handle()->frameGeometry() != popup->Handle()->geometry();
        });
        EXPECT_TRUE(Inside(popup->BoundsRect(), screen)) << r.name << " at " << popup->Left() << "," << popup->Top() << " "
                                                        << popup->Width() << "x" << popup->Height();
        // The frame the window manager gave it, once it has (on a loaded
        // machine it may not have framed it before the deadline).
        if (exposed) {
            EXPECT_TRUE(QRect(0, 0, Screen->Width(), Screen->Height()).contains(popup->Handle()->frameGeometry())) << r.name;
        }
        PointerTo(OnBoard());
        ASSERT_TRUE(WaitFor([&] { return !popup->Visible(); })) << r.name;
    }
}

TEST_F(ScreenFit, TheMenuBarHoldsEveryRing)
{
    auto* bar = form->Handle()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    std::vector<std::string> tops;
    std::vector<std::string> settings, options;
    for (QAction* a : bar->actions()) {
        tops.push_back(a->text().toStdString());
        std::vector<std::string>* into = a->text() == "&Settings" ? &settings : a->text() == "&Options" ? &options : nullptr;
        if (into && a->menu())
            for (QAction* e : a->menu()->actions())
                into->push_back(e->text().toStdString());
    }
    EXPECT_EQ(tops, (std::vector<std::string>{"&File", "&Settings", "&Options", "&Help"}));
    EXPECT_EQ(settings, (std::vector<std::string>{"&External Power"}));
    EXPECT_EQ(options, (std::vector<std::string>{"LED Light", "&USB Connector", "DC Input"}));
}

// Where the board fits at its own size (1280 x 1024), the screen shows what it
// always did: the photograph at one pixel per pixel, centred on the window,
// and each ring's idle and lit-active looks shaded from the photograph.
TEST_F(ScreenFit, WhereTheBoardFitsTheRingsAreThePhotographShaded)
{
    if (board->Zoom() != 1.0 || Ratio() != 1.0)
        GTEST_SKIP() << "the board is zoomed on this screen";
    DismissHelp();
    EXPECT_EQ(board->Left(), (form->Width() - 600) / 2);
    EXPECT_EQ(board->Top(), (form->Height() - 718) / 2);
    auto* jpeg = dynamic_cast<TJPEGImage*>(board->Picture()->Graphic());
    ASSERT_NE(jpeg, nullptr);
    QImage photo = jpeg->Bitmap()->Image();
    PointerTo(TPoint{Screen->Width() - 1, Screen->Height() - 1});
    for (const Ring& r : Rings) {
        TBoardHighlight* ring = RingNamed(r.name);
        ring->SetCreatePopup(false);
        const TRect onPhoto = IntersectRect(ring->BoundsRect(), Rect(0, 0, 600, 718));
        const TPoint o = ring->ClientToScreen(TPoint{0, 0});
        struct Look {
            bool lit;
            float strength;
            bool core;
        };
        for (const Look& look : {Look{false, ring->IdleStrength(), false}, Look{true, ring->LitActiveStrength(), true}}) {
            if (look.lit) {
                ring->Perform(CM_MOUSEENTER, 0, 0);
                ring->SetActiveState(true, false);
            }
            ring->Repaint();
            DrainEvents(100);
            QImage shown = GrabScreen();
            auto expected = Crop(photo, ring->BoundsRect());
            ShadeRing(expected.get(), ring->Width() - 1, ring->Height() - 1, look.strength, ring->RingColor(), look.core);
            int wrong = 0;
            for (int y = onPhoto.Top; y < onPhoto.Bottom; ++y)
                for (int x = onPhoto.Left; x < onPhoto.Right; ++x)
                    wrong += At(shown, o.X + x - ring->Left(), o.Y + y - ring->Top()) != At(*expected, x - ring->Left(), y - ring->Top());
            EXPECT_EQ(wrong, 0) << r.name << (look.lit ? " lit-active" : " idle");
        }
        ring->SetActiveState(false, false);
        ring->Perform(CM_MOUSELEAVE, 0, 0);
        ring->Unlight();
    }
}

// On a screen of two device pixels per pixel every ring is shaded per device
// pixel from what the board shows beneath it, not shaded at the board's
// pixels and enlarged.
TEST_F(ScreenFit, OnADenseScreenRingsAreShadedPerDevicePixel)
{
    if (Ratio() != 2.0)
        GTEST_SKIP() << "needs a device pixel ratio of 2 (QT_SCALE_FACTOR=2)";
    DismissHelp();
    PointerTo(TPoint{Screen->Width() - 1, Screen->Height() - 1});
    DrainEvents(200);
    QImage screen = GrabScreen();
    ASSERT_EQ(screen.width(), Screen->Width() * 2);
    for (const Ring& r : Rings) {
        TBoardHighlight* ring = RingNamed(r.name);
        EXPECT_EQ(ring->IdleBitmap().PixelWidth(), ring->Width() * 2) << r.name;
        const TRect device = DeviceRectOnScreen(ring, ring->Width(), ring->Height());
        // Only what the board shows of the ring (the LED ring passes its edge).
        const TRect boardDevice = DeviceRectOnScreen(board, board->Width(), board->Height());
        // and what lies on the screen: Qt rounds a client area of an odd
        // number of device pixels up, so its last half pixel may lie past the
        // screen's edge.
        const TRect shownArea = IntersectRect(IntersectRect(device, Bounds(boardDevice.Left - board->Left() * 2, boardDevice.Top - board->Top() * 2,
                                                                           board->Width() * 2, board->Height() * 2)),
                                              Bounds(0, 0, screen.width(), screen.height()));
        auto shown = Crop(screen, device);
        ring->SetVisible(false);
        QImage bare = GrabChanged(screen, device);
        ring->SetVisible(true);
        auto beneath = Crop(bare, device);
        auto expected = Crop(bare, device);
        ShadeRing(expected.get(), expected->Width() - 1, expected->Height() - 1, ring->IdleStrength(), ring->RingColor(), false);
        // The same shading at the board's own pixels, enlarged: what a ring
        // rendered at 96 dpi and doubled would show.
        auto coarse = std::make_unique<TBitmap>();
        coarse->SetSize(ring->Width(), ring->Height());
        for (int y = 0; y < ring->Height(); ++y)
            for (int x = 0; x < ring->Width(); ++x)
                reinterpret_cast<uint32_t*>(coarse->ScanLine(y))[x] = 0xFF000000u | At(*beneath, 2 * x, 2 * y);
        ShadeRing(coarse.get(), ring->Width() - 1, ring->Height() - 1, ring->IdleStrength(), ring->RingColor(), false);
        int wrong = 0, doubled = 0, band = 0;
        for (int y = shownArea.Top - device.Top; y < shownArea.Bottom - device.Top; ++y)
            for (int x = shownArea.Left - device.Left; x < shownArea.Right - device.Left; ++x) {
                wrong += At(*shown, x, y) != At(*expected, x, y);
                if (At(*expected, x, y) != At(*beneath, x, y)) {
                    ++band;
                    doubled += At(*shown, x, y) == At(*coarse, x / 2, y / 2);
                }
            }
        EXPECT_EQ(wrong, 0) << r.name;
        ASSERT_GT(band, 0) << r.name;
        // A doubled ring would match its enlarged shading everywhere.
        EXPECT_LT(doubled * 2, band) << r.name << ": " << doubled << " of " << band << " shaded pixels look doubled";
        screen = GrabChanged(bare, device);
    }
}

// Restored, and made smaller and larger by the user, the window keeps the
// whole board below its header; the rings render again only when the zoom
// changed, and never on hover.
TEST_F(ScreenFit, RestoringAndResizingFitTheBoardAgain)
{
    DismissHelp();
    TBoardHighlight* ring = form->USBHighlight;
    auto settle = [&] {
        return WaitFor([&] {
            const TRect before = board->BoundsRect();
            const int renders = ring->RenderCount();
            DrainEvents(60);
            return BoardInRoom() && board->BoundsRect() == before && renders == ring->RenderCount() && !ring->Lit();
        });
    };
    form->SetWindowState(wsNormal);
    ASSERT_TRUE(WaitFor([&] { return !(form->Handle()->windowState() & Qt::WindowMaximized); }));
    ASSERT_TRUE(settle());
    const int w = std::min(Screen->Width(), 700), h = std::min(Screen->Height(), 520);
    for (TPoint size : {TPoint{w, h}, TPoint{w - 120, h - 150}, TPoint{w, h}, TPoint{w - 40, h}}) {
        const double zoom = board->Zoom();
        const int renders = ring->RenderCount();
        form->SetBounds(10, 10, size.X, size.Y);
        ASSERT_TRUE(WaitFor([&] { return form->Width() == size.X && form->Height() == size.Y; })) << size.X << "x" << size.Y;
        ASSERT_TRUE(settle()) << size.X << "x" << size.Y << ": board " << board->Left() << "," << board->Top() << " "
                              << board->Width() << "x" << board->Height() << " zoom " << board->Zoom() << " room "
                              << form->FreeClientRect().Width() << "x" << form->FreeClientRect().Height() << " at "
                              << form->FreeClientRect().Top << " renders " << ring->RenderCount() << " lit " << ring->Lit();
        // A new zoom renders the looks again at the ring's new size. (The
        // window manager may pass through other sizes on the way, so how
        // often is checked without windows, in the board tests.)
        if (board->Zoom() != zoom) {
            EXPECT_GT(ring->RenderCount(), renders) << size.X << "x" << size.Y;
        }
        EXPECT_EQ(ring->IdleBitmap().Width(), ring->Width());
        EXPECT_EQ(ring->IdleBitmap().Height(), ring->Height());
        // Lighting the ring, its popup opening and closing again, render
        // nothing while the window keeps its size.
        const int afterFit = ring->RenderCount();
        const TRect window = form->BoundsRect();
        ring->Perform(CM_MOUSEENTER, 0, 0);
        ASSERT_TRUE(ring->Popup() && ring->Popup()->Visible());
        ring->Perform(CM_MOUSELEAVE, 0, 0);
        ASSERT_FALSE(ring->Popup()->Visible());
        DrainEvents(60);
        if (form->BoundsRect() == window) {
            EXPECT_EQ(ring->RenderCount(), afterFit);
        }
    }
    EXPECT_LT(board->Zoom(), 1.0);
    form->SetWindowState(wsMaximized);
    ASSERT_TRUE(WaitFor([&] { return form->ClientWidth() >= Screen->Width() - 4; }));
    ASSERT_TRUE(settle());
}

// A desktop whose logical density is not 96 dpi (large fonts that Qt does not
// turn into a device pixel ratio): the definition is laid out for 96 dpi and
// is scaled by the ratio, text included, before the board is fitted.
TEST_F(ScreenFit, LargeFontsScaleTheDefinitionAsDesignedFor96Dpi)
{
    const int dpi = Screen->PixelsPerInch();
    if (dpi == 96)
        GTEST_SKIP() << "the desktop's logical density is 96 dpi";
    const double k = dpi / 96.0;
    EXPECT_DOUBLE_EQ(form->Zoom(), k);
    auto scaled = [k](int v) { return int(std::lround(v * k)); };
    EXPECT_EQ(form->PowerPanel->Width(), scaled(296));
    EXPECT_EQ(form->PowerPanel->Height(), scaled(121));
    EXPECT_EQ(form->BusPowerJumper->Width(), scaled(43));
    EXPECT_EQ(form->ExtPowerRadio->Width(), scaled(121));
    EXPECT_EQ(board->BoundsAtZoom(1.0).Width(), scaled(600));
    // The captions fit their controls at the larger text.
    QFontMetrics metrics(form->ExtPowerRadio->Handle()->font());
    EXPECT_GT(metrics.height(), 13);
    EXPECT_LE(metrics.horizontalAdvance("External Powered") + 20, form->ExtPowerRadio->Width());
    // The header line's text too (18 points: 24 pixels at 96 dpi).
    EXPECT_GE(form->SetSup->HeaderLabel()->Height(), scaled(24));
}

// The pictures in docs/ taken on this screen: runs only when
// SETTINGS_SCREENSHOT_DIR names a folder (tools/screenshots.sh).
TEST_F(ScreenFit, Screenshots)
{
    const char* dir = std::getenv("SETTINGS_SCREENSHOT_DIR");
    if (!dir || !*dir)
        GTEST_SKIP() << "SETTINGS_SCREENSHOT_DIR is not set";
    const QString folder = QString::fromLocal8Bit(dir);
    DismissHelp();
    THelpForm* help = form->SetSup->HelpForm();
    ASSERT_TRUE(WaitFor([&] { return !help->Handle()->windowHandle()->isExposed(); }));
    PointerTo(TPoint{Screen->Width() - 1, Screen->Height() - 1});
    board->Repaint();
    DrainEvents(400);
    const QImage screen = GrabScreen();
    const QString size = QString("%1x%2").arg(Screen->Width()).arg(Screen->Height());
    if (Ratio() == 1.0) {
        ASSERT_TRUE(screen.save(folder + "/main-window-" + size + ".png", "PNG"));
    }
    // The power ring with some board around it, in the screen's own pixels.
    TBoardHighlight* ring = form->PowerHighlight;
    const int r = int(Ratio());
    const TRect d = DeviceRectOnScreen(ring, ring->Width(), ring->Height());
    const QRect around(d.Left - 16 * r, d.Top - 16 * r, d.Width() + 32 * r, d.Height() + 32 * r);
    ASSERT_TRUE(screen.copy(around).save(folder + QString("/ring-%1x.png").arg(r), "PNG"));
}
