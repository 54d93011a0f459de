#include "toolkit/StatusBar.h"

#include "toolkit/Canvas.h"

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomPanel(AOwner)
{
    SetControlStyle(ControlStyle() & ~unsigned(csSetCaption));
    SetBevelOuter(bvNone);
    SetAlign(alBottom);
    SetBounds(0, 0, 200, 19);
}

TStatusPanel& TStatusBar::AddPanel()
{
    FPanels.emplace_back();
    Invalidate();
    return FPanels.back();
}

void TStatusBar::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush.Color = Color();
    c.Brush.Style = bsSolid;
    c.FillRect(ClientRect());
    for (int x = 0; x < Width(); ++x)
        c.SetPixel(x, 0, clBtnShadow);
    c.Font = Font();
    c.Font.SetColor(ReadableTextColor(Font().Color(), Color()));
    int left = 0;
    for (size_t i = 0; i < FPanels.size(); ++i) {
        const TStatusPanel& p = FPanels[i];
        // The last panel takes the rest of the bar.
        int right = i + 1 == FPanels.size() ? Width() : left + p.Width;
        TRect r = Rect(left, 2, right - 2, Height());
        if (p.Bevel != pbNone)
            c.Frame3D(r, p.Bevel == pbRaised);
        if (!p.Text.empty())
            c.TextRect(Rect(r.Left + 3, r.Top + 2, r.Right - 3, r.Bottom), p.Text, taLeftJustify);
        left = right;
    }
}
