// The board image: centring at paint, the design position, where the picture
// is drawn, an empty picture, and the start-tour message.
#include <gtest/gtest.h>

#include "BoardScene.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardImage.h"
#include "SetupCtrls/board/PopupForm.h"
#include "common/Wait.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/Form.h"
#include "toolkit/MenuItem.h"
#include "toolkit/Picture.h"

namespace {
// A form with a plain panel as the board's parent, so the parent's size is
// exactly what a case asks for.
struct Holder {
    TForm* form;
    TCustomPanel* parent;
    TBoardImage* board;
    Holder(int parentWidth, int parentHeight)
    {
        form = new TForm(Application);
        form->SetBounds(0, 0, 1024, 768);
        parent = new TCustomPanel(form);
        parent->SetParent(form);
        parent->SetBounds(0, 0, parentWidth, parentHeight);
        board = new TBoardImage(form);
        board->SetParent(parent);
        board->SetAutoSize(false);
        board->SetStretch(true);
        board->SetBounds(142, 2, 600, 718);
        board->Picture()->SetGraphic(UniformBitmap(600, 718, 30, 120, 40));
    }
    ~Holder()
    {
        delete form;
        DrainEvents();
    }
    void Paint() { board->Repaint(); }
    bool ShowAndPaint()
    {
        form->Show();
        return WaitFor([&] { return board->DesignPosSaved(); });
    }
};
} // namespace

struct CentringCase {
    int parentWidth, parentHeight, left, top;
};

class BoardCentring : public ::testing::TestWithParam<CentringCase> {};

TEST_P(BoardCentring, FirstPaintRecordsTheDesignPositionAndCentresWithHalvingTowardZero)
{
    const CentringCase& c = GetParam();
    Holder h(c.parentWidth, c.parentHeight);
    ASSERT_TRUE(h.ShowAndPaint());
    EXPECT_EQ(h.board->DesignLeft(), 142);
    EXPECT_EQ(h.board->DesignTop(), 2);
    EXPECT_EQ(h.board->Left(), c.left);
    EXPECT_EQ(h.board->Top(), c.top);
}

INSTANTIATE_TEST_SUITE_P(ParentSizes, BoardCentring,
                         ::testing::Values(CentringCase{1032, 746, 216, 14}, // a maximised main window's outer size
                                           CentringCase{599, 717, 0, 0},     // -1 halved is 0, not -1
                                           CentringCase{597, 715, -1, -1},   // -3 halved is -1
                                           CentringCase{600, 718, 0, 0}));

TEST(BoardImage, CentresOnlyWhenItPaintsAndKeepsItsDesignPosition)
{
    Holder h(1032, 746);
    ASSERT_TRUE(h.ShowAndPaint());
    ASSERT_EQ(h.board->Left(), 216);
    h.Paint();
    EXPECT_EQ(h.board->Left(), 216); // the same size moves nothing

    h.parent->SetBounds(0, 0, 800, 746);
    EXPECT_EQ(h.board->Left(), 216); // not before it paints again
    h.Paint();
    EXPECT_EQ(h.board->Left(), 100);
    EXPECT_EQ(h.board->DesignLeft(), 142);
    EXPECT_EQ(h.board->DesignTop(), 2);
}

TEST(BoardImage, DestRectFollowsStretchAndCenter)
{
    Holder h(800, 800);
    TBoardImage* b = h.board;
    b->SetBounds(0, 0, 105, 105);
    b->Picture()->SetGraphic(UniformBitmap(100, 50, 1, 2, 3));
    EXPECT_EQ(b->DestRect(), Rect(0, 0, 105, 105)); // stretched: the client area
    b->SetStretch(false);
    EXPECT_EQ(b->DestRect(), Bounds(0, 0, 100, 50));
    b->SetCenter(true);
    EXPECT_EQ(b->DestRect(), Bounds(2, 27, 100, 50));
    EXPECT_DOUBLE_EQ(b->Aspect(), 0.5);
}

TEST(BoardImage, PictureDecidesSizeAspectAndOpaqueness)
{
    Holder h(800, 800);
    TBoardImage* b = h.board;
    EXPECT_TRUE(b->ControlStyle() & csOpaque); // a stretched picture covers it all
    b->SetStretch(false);
    b->SetBounds(0, 0, 700, 700);
    b->Picture()->SetGraphic(UniformBitmap(600, 718, 1, 2, 3)); // narrower than the control
    EXPECT_FALSE(b->ControlStyle() & csOpaque);

    b->SetAutoSize(true);
    b->Picture()->SetGraphic(UniformBitmap(200, 100, 1, 2, 3));
    EXPECT_EQ(b->Width(), 200);
    EXPECT_EQ(b->Height(), 100);
    int w = 1, hgt = 1;
    EXPECT_TRUE(b->CanAutoSize(w, hgt));
    EXPECT_EQ(w, 200);
    EXPECT_EQ(hgt, 100);
}

TEST(BoardImage, AnEmptyPictureKeepsAspectAndSizeAndDrawsNothing)
{
    Holder h(800, 800);
    TBoardImage* b = h.board;
    b->SetAutoSize(true);
    b->Picture()->SetGraphic(UniformBitmap(200, 100, 1, 2, 3));
    ASSERT_DOUBLE_EQ(b->Aspect(), 0.5);
    b->Picture()->SetGraphic(nullptr);
    EXPECT_DOUBLE_EQ(b->Aspect(), 0.5);
    EXPECT_EQ(b->Width(), 200);
    EXPECT_EQ(b->Height(), 100);
    EXPECT_FALSE(b->ControlStyle() & csOpaque);
    EXPECT_EQ(b->DestRect(), Rect(0, 0, 200, 100));
    ASSERT_TRUE(h.ShowAndPaint());
    EXPECT_FALSE(b->Drawing());
}

TEST(BoardImage, StartMessageWithoutFirstDoesNothing)
{
    BoardScene scene;
    TBoardHighlight* ring = scene.AddRing("Ring", htSettings, Bounds(40, 40, 50, 50));
    ASSERT_TRUE(scene.Show());
    ASSERT_EQ(scene.Board->First(), nullptr);
    scene.Board->Perform(WM_SETUP_START, 0, 0);
    EXPECT_FALSE(ring->Lit());
    EXPECT_EQ(ring->Popup(), nullptr);
}

TEST(BoardImage, StartMessageOpensTheFirstRingsPopupPinned)
{
    BoardScene scene;
    TBoardHighlight* ring = scene.AddRing("&Ring", htSettings, Bounds(40, 40, 50, 50));
    scene.Board->SetFirst(ring);
    ASSERT_TRUE(scene.Show());
    scene.Board->Perform(WM_SETUP_START, 0, 0);
    ASSERT_NE(ring->Popup(), nullptr);
    EXPECT_TRUE(ring->Popup()->Visible());
    EXPECT_TRUE(ring->Lit());
    EXPECT_TRUE(ring->Pinned());
    EXPECT_TRUE(scene.Entry("&Settings", "&Ring")->Checked());
    // The leave that ended the tour left it open; so does another pass.
    ring->Perform(CM_MOUSEENTER, 0, 0);
    ring->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(ring->Popup()->Visible());
}
