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
    int left = 0;
    for (size_t i = 0; i < FPanels.size(); ++i) {
        const TStatusPanel& p = FPanels[i];
        // The last panel takes the rest of the bar.
        int right = i + 1 == FPanels.size() ? Width() : left + p.Width;
        TRect r = Rect(left, 2, right - 2, Height());
        if (p.Bevel != pbNone) {
            TColor tl = p.Bevel == pbLowered ? clBtnShadow : clBtnHighlight;
            TColor br = p.Bevel == pbLowered ? clBtnHighlight : clBtnShadow;
            for (int x = r.Left; x < r.Right; ++x) {
                c.SetPixel(x, r.Top, tl);
                c.SetPixel(x, r.Bottom - 1, br);
            }
            for (int y = r.Top; y < r.Bottom; ++y) {
                c.SetPixel(r.Left, y, tl);
                c.SetPixel(r.Right - 1, y, br);
            }
        }
        if (!p.Text.empty())
            c.TextRect(Rect(r.Left + 3, r.Top + 2, r.Right - 3, r.Bottom), p.Text, taLeftJustify);
        left = right;
    }
}
