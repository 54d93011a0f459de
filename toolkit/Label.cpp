#include "toolkit/Label.h"

#include "toolkit/WinControl.h"

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value)
{
    if (value == FAlignment)
        return;
    FAlignment = value;
    Invalidate();
}

void TLabel::SetWordWrap(bool value)
{
    if (value == FWordWrap)
        return;
    FWordWrap = value;
    AdjustBounds();
}

void TLabel::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    Invalidate();
}

void TLabel::AdjustBounds()
{
    if (!FAutoSize || IsLoading())
        return;
    TCanvas measure;
    measure.Font = Font();
    // An empty caption still takes the height of a line.
    TPoint extent = measure.TextExtent(Caption().empty() ? " " : Caption(), FWordWrap ? Width() : 0);
    int width = Caption().empty() ? 0 : extent.X;
    if (FWordWrap || Align() == alTop || Align() == alBottom || Align() == alClient)
        SetBounds(Left(), Top(), Width(), extent.Y);
    else if (FAlignment == taRightJustify)
        SetBounds(Left() + Width() - width, Top(), width, extent.Y);
    else
        SetBounds(Left(), Top(), width, extent.Y);
}

void TLabel::Paint()
{
    TCanvas& c = *Canvas();
    if (!FTransparent && Parent()) {
        c.Brush.Color = Parent()->Color();
        c.Brush.Style = bsSolid;
        c.FillRect(ClientRect());
    }
    c.Font = Font();
    if (Parent())
        c.Font.SetColor(ReadableTextColor(Font().Color(), Parent()->Color()));
    c.TextRect(ClientRect(), Caption(), FAlignment, FWordWrap);
}
