#include <gtest/gtest.h>

#include "common/Wait.h"
#include "toolkit/Application.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/WinApi.h"

namespace {
class Probe : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int enters = 0, leaves = 0, paints = 0;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == CM_MOUSEENTER)
            ++enters;
        if (m.Msg == CM_MOUSELEAVE)
            ++leaves;
    }

protected:
    void Paint() override
    {
        ++paints;
        Canvas()->Brush.Color = clRed;
        Canvas()->FillRect(ClientRect());
    }
};
} // namespace

TEST(Smoke, FormShowsPaintsAndTracksPointer)
{
    auto* form = new TForm(Application);
    form->SetBounds(100, 100, 400, 300);
    auto* panel = new TCustomPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 200, 200);
    auto* probe = new Probe(form);
    probe->SetParent(panel);
    probe->SetBounds(50, 50, 40, 40);
    form->Show();
    ASSERT_TRUE(WaitFor([&] { return probe->paints > 0; }));
    TPoint o = panel->ClientToScreen(TPoint{60, 60});
    SetCursorPos(o.X, o.Y);
    ASSERT_TRUE(WaitFor([&] { return probe->enters == 1; }));
    SetCursorPos(o.X + 100, o.Y + 100);
    ASSERT_TRUE(WaitFor([&] { return probe->leaves == 1; }));
    delete form;
}
