#include <QImage>
#include <QMenuBar>
#include <QWidget>
#include <cstdlib>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/PopupForm.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "SetupCtrls/supporter/HelpForm.h"
#include "SetupCtrls/supporter/SetupSupporter.h"
#include "template/Assets.h"
#include "SetupCtrls/supporter/SetupSupporter.h"
#include "toolkit/Label.h"
#include "toolkit/Bitmap.h"
#include "toolkit/JpegImage.h"
#include "toolkit/MainMenu.h"
#include "toolkit/MenuItem.h"
#include "toolkit/Picture.h"

TEST_F(MainWindowTest, DefinitionCreatesComponentsInOrderWithTheirStoredValues)
{
    std::vector<std::string> names;
    for (int i = 0; i < form->ComponentCount(); ++i)
        names.push_back(form->Components(i)->Name());
    const std::vector<std::string> expected = {
        "BoardImage1", "PowerHighlight", "LedHighlight", "USBHighlight", "DCINHighlight", "PowerPanel", "Image1",
        "BusPowerJumper", "Label1", "Label2", "ExtPowerRadio", "BusPowerRadio", "USBPanel", "LEDPanel", "DCINPanel",
        "MainMenu1", "File1", "Exit2", "Help1", "Howtousethisprogram1", "TechnicalSupport1", "SetSup"};
    EXPECT_EQ(names, expected);

    EXPECT_EQ(form->Caption(), "Setup");
    EXPECT_EQ(form->Align(), alClient);
    EXPECT_EQ(form->WindowState(), wsMaximized);
    EXPECT_EQ(form->BoardImage1->BoundsRect(), Bounds(142, 2, 600, 718));
    EXPECT_EQ(form->BoardImage1->First(), form->PowerHighlight);
    EXPECT_EQ(form->BoardImage1->Menu(), form->MainMenu1);
    EXPECT_EQ(form->PowerHighlight->RadioPanel(), form->PowerPanel);
    EXPECT_EQ(form->DCINHighlight->RadioPanel(), form->DCINPanel);
    EXPECT_EQ(form->BoardImage1->Picture()->Width(), 600);
    EXPECT_EQ(form->BoardImage1->Picture()->Height(), 718);
    // The rings are the board image's children, in creation order.
    ASSERT_EQ(form->BoardImage1->ControlCount(), 4);
    EXPECT_EQ(form->BoardImage1->Controls(0), form->PowerHighlight);
    EXPECT_EQ(form->BoardImage1->Controls(3), form->DCINHighlight);
    // Loading raised nothing: the creation handler ran last and hooked the idle event.
    EXPECT_TRUE(bool(Application->OnIdle));
    EXPECT_FALSE(form->IsLoading());
}

TEST_F(MainWindowTest, StartsWithPanelsHiddenAndThePhotographWholeBelowTheHeader)
{
    ShowAndPaint();
    for (TRadioPanel* p : {form->PowerPanel, form->USBPanel, form->LEDPanel, form->DCINPanel}) {
        EXPECT_FALSE(p->Visible()) << p->Name();
        EXPECT_FALSE(p->Handle()->isVisible()) << p->Name();
    }
    TBoardImage* board = form->BoardImage1;
    EXPECT_TRUE(board->DesignPosSaved());
    EXPECT_EQ(board->DesignLeft(), 142);
    EXPECT_EQ(board->DesignTop(), 2);
    // Centred on the whole window (top 25) the photograph would slip under the
    // header: the room below it still holds the photograph at its own size,
    // so it moves down into the middle of that room, unzoomed.
    ASSERT_NE(form->SetSup->HeaderLabel(), nullptr);
    const TRect room = form->FreeClientRect();
    EXPECT_EQ(room.Top, form->SetSup->HeaderLabel()->Height());
    ASSERT_GT((form->Height() - 718) / 2, 0);
    ASSERT_LT((form->Height() - 718) / 2, room.Top);
    ASSERT_GE(room.Height(), 718);
    EXPECT_EQ(board->Zoom(), 1.0);
    EXPECT_EQ(board->Width(), 600);
    EXPECT_EQ(board->Height(), 718);
    EXPECT_EQ(board->Left(), (form->Width() - 600) / 2);
    EXPECT_EQ(board->Top(), room.Top + (room.Height() - 718) / 2);
    for (TBoardHighlight* h : {form->PowerHighlight, form->LedHighlight, form->USBHighlight, form->DCINHighlight})
        EXPECT_TRUE(h->Prepared()) << h->Name();
}

TEST_F(MainWindowTest, PhotographIsDecodedOnceHoweverOftenTheBoardRepaints)
{
    ShowAndPaint();
    auto* jpeg = dynamic_cast<TJPEGImage*>(form->BoardImage1->Picture()->Graphic());
    ASSERT_NE(jpeg, nullptr);
    EXPECT_TRUE(jpeg->Progressive());
    EXPECT_EQ(jpeg->Components(), 3);
    EXPECT_EQ(jpeg->DecodeCount(), 1);
    // Read where the program carries it, its header once.
    EXPECT_EQ(jpeg->DataBytes(), BoardPhotoJpeg);
    EXPECT_EQ(jpeg->HeaderReadCount(), 1);
    for (int i = 0; i < 5; ++i) {
        form->BoardImage1->Repaint();
        form->USBHighlight->Repaint();
    }
    form->PowerHighlight->Perform(CM_MOUSEENTER, 0, 0);
    DrainEvents();
    EXPECT_EQ(jpeg->DecodeCount(), 1);
}

TEST_F(MainWindowTest, TheBoardIsPaintedWholeOnceAtStartUpAndNotAgainByRepaintsThatChangeNothingBeneath)
{
    ShowAndPaint();
    // Start-up is over once the help window has come up by itself.
    ASSERT_TRUE(WaitFor([&] { return form->SetSup->HelpForm() && form->SetSup->HelpForm()->Visible(); }));
    DrainEvents();
    TBoardImage* board = form->BoardImage1;
    auto* surface = static_cast<TkSurfaceWidget*>(board->Handle());
    EXPECT_EQ(board->PictureDrawCount(), 1);

    // Repaints, an exposure, rings changing their looks, a popup over the board.
    board->Repaint();
    surface->repaint();
    form->USBHighlight->Perform(CM_MOUSEENTER, 0, 0);
    DrainEvents();
    ASSERT_TRUE(form->USBHighlight->Lit());
    form->USBHighlight->Popup()->Close();
    DrainEvents();
    for (TBoardHighlight* ring : {form->PowerHighlight, form->LedHighlight, form->USBHighlight, form->DCINHighlight})
        ring->Repaint();
    EXPECT_EQ(board->PictureDrawCount(), 1);

    // What shows is still the photograph with the rings on it.
    const QImage shown = surface->grab().toImage();
    auto* jpeg = static_cast<TJPEGImage*>(board->Picture()->Graphic());
    // Unzoomed on this screen: outside every ring the pixels are the photograph's own.
    ASSERT_EQ(board->DestRect(), Rect(0, 0, jpeg->Width(), jpeg->Height()));
    for (QPoint p : {QPoint(300, 100), QPoint(5, 5), QPoint(590, 700)})
        EXPECT_EQ(shown.pixel(p), jpeg->Bitmap()->Image().pixel(p)) << p.x() << "," << p.y();
    const TRect usb = form->USBHighlight->BoundsRect();
    const QImage idle = form->USBHighlight->IdleBitmap().Image();
    EXPECT_EQ(shown.pixel(usb.Left + usb.Width() / 2, usb.Top + 2),
              idle.pixel(idle.width() / 2, 2 * idle.height() / usb.Height()));
}

TEST_F(MainWindowTest, MenuBarAfterFirstPaintListsTheRingsBetweenFileAndHelp)
{
    ShowAndPaint();
    struct Row {
        std::string caption, name;
        std::vector<std::pair<std::string, std::string>> items;
    };
    const std::vector<Row> expected = {
        {"&File", "File1", {{"&Exit", "Exit2"}}},
        {"&Settings", "Settings1", {{"&External Power", "ExternalPower1"}}},
        {"&Options", "Options1", {{"LED Light", "LEDLight1"}, {"&USB Connector", "USBConnector1"}, {"DC Input", "DCInput1"}}},
        {"&Help", "Help1", {{"H&ow to use this program", "Howtousethisprogram1"}, {"&Technical Support", "TechnicalSupport1"}}},
    };
    TMenuItem* bar = form->MainMenu1->Items();
    ASSERT_EQ(bar->Count(), int(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        TMenuItem* top = bar->Items(int(i));
        EXPECT_EQ(top->Caption(), expected[i].caption);
        EXPECT_EQ(top->Name(), expected[i].name);
        EXPECT_EQ(top->Owner(), form);
        ASSERT_EQ(top->Count(), int(expected[i].items.size())) << top->Caption();
        for (size_t j = 0; j < expected[i].items.size(); ++j) {
            EXPECT_EQ(top->Items(int(j))->Caption(), expected[i].items[j].first);
            EXPECT_EQ(top->Items(int(j))->Name(), expected[i].items[j].second);
        }
    }
    // What the user sees in the menu bar follows the items.
    auto* qbar = form->Handle()->findChild<QMenuBar*>();
    ASSERT_NE(qbar, nullptr);
    QStringList shown;
    for (QAction* a : qbar->actions())
        shown << a->text();
    EXPECT_EQ(shown, QStringList({"&File", "&Settings", "&Options", "&Help"}));
}

TEST_F(MainWindowTest, ExitClosesTheMainWindowAndEndsTheProgram)
{
    ShowAndPaint();
    form->PowerHighlight->Perform(CM_MOUSEENTER, 0, 0);
    TPopupForm* popup = form->PowerHighlight->Popup();
    ASSERT_NE(popup, nullptr);
    form->Exit2->Click();
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(Application->Terminated());
}
