// The real main window under a moving pointer, within the window (offscreen
// platform: crossings into a popup are the desktop suite's).
#include "MainWindowFixture.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/PopupForm.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "toolkit/Memo.h"
#include "toolkit/WinApi.h"

namespace {
void PointerTo(TPoint p)
{
    SetCursorPos(p.X, p.Y);
    WaitFor([&] { return GetCursorPos() == p; }, 2000);
    DrainEvents(50);
}
} // namespace

TEST_F(MainWindowTest, HoveringEachRingOpensItsPopupAndLeavingForTheBoardClosesIt)
{
    ShowAndPaint();
    struct Case {
        TBoardHighlight* ring;
        const char* caption;
        int tag;
    };
    const Case cases[] = {{form->PowerHighlight, "External Power", 1},
                          {form->LedHighlight, "LED Light", 0},
                          {form->USBHighlight, "USB Connector", 0},
                          {form->DCINHighlight, "DC Input", 0}};
    // A spot of the photograph that no ring and no popup covers.
    const TPoint board = form->BoardImage1->ClientToScreen(TPoint{560, 30});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        PointerTo(c.ring->ClientToScreen(TPoint{c.ring->Width() / 2, c.ring->Height() / 2}));
        ASSERT_TRUE(WaitFor([&] { return c.ring->Popup() && c.ring->Popup()->Visible(); }));
        TPopupForm* popup = c.ring->Popup();
        EXPECT_TRUE(c.ring->Lit());
        EXPECT_EQ(popup->Caption(), c.caption);
        EXPECT_EQ(popup->Tag(), c.tag);
        EXPECT_EQ(c.ring->RadioPanel()->Parent(), popup);
        EXPECT_EQ(c.ring->RadioPanel()->StatusMemo()->Lines().Strings(0), c.ring->RadioPanel()->Lines().Strings(0));

        PointerTo(board);
        ASSERT_TRUE(WaitFor([&] { return !popup->Visible(); }));
        EXPECT_FALSE(c.ring->Lit());
        EXPECT_FALSE(c.ring->Pinned());
    }
}
