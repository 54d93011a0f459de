#include "toolkit/CustomPanel.h"

#include "toolkit/Canvas.h"
#include "toolkit/SurfaceWidget.h"

TCustomPanel::TCustomPanel(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(ControlStyle() | csSetCaption);
    auto* w = new TkSurfaceWidget(this);
    SetWidget(w, w, true);
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetName(const std::string& name)
{
    // A new panel shows its name until it is given a caption of its own.
    bool follow = (ControlStyle() & csSetCaption) && Caption() == Name();
    TWinControl::SetName(name);
    if (follow)
        SetCaption(name);
}

void TCustomPanel::SetBevelOuter(TBevelCut value)
{
    if (value == FBevelOuter)
        return;
    FBevelOuter = value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value)
{
    if (value == FBevelInner)
        return;
    FBevelInner = value;
    Invalidate();
}

void TCustomPanel::PaintWindow(TCanvas&)
{
    Paint();
}

void TCustomPanel::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush.Color = Color();
    c.Brush.Style = bsSolid;
    c.FillRect(r);
    for (TBevelCut cut : {FBevelOuter, FBevelInner}) {
        if (cut == bvNone)
            continue;
        c.Frame3D(r, cut == bvRaised);
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
    if (!Caption().empty()) {
        c.Font = Font();
        c.Font.SetColor(ReadableTextColor(Font().Color(), Color()));
        int th = c.TextHeight(Caption());
        c.TextRect(Rect(r.Left, (r.Top + r.Bottom - th) / 2, r.Right, r.Bottom), Caption(), taCenter);
    }
}
