#include "SetupCtrls/jumper/ThreeJumper.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/WinApi.h"
#include "toolkit/WinControl.h"

namespace {
// Nearest integer, a half going to the even neighbour (the default rounding mode).
int RoundEven(double x) { return int(std::nearbyint(x)); }

bool Upright(TOrientationType o) { return o == otLeft || o == otRight; }
} // namespace

TThreeJumper::TThreeJumper(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(Left(), Top(), 43, 18);
    FOrientation = otUp;
    FJumperState = jsOpen;
    FRotatedBitmap = std::make_unique<TBitmap>();
    FDrawBitmap = std::make_unique<TBitmap>();
    FSwapPending = false;
    FPainted = false;
    FBaseColor = clGray;
    FPinColor = clYellow;
    FJumperColor = clMaroon;
    FBorderStyle = bsSingle;
    FAllowOpen = true;
    // A tab stop of its parent's keyboard cursor.
    SetTabStop(true);
}

TThreeJumper::~TThreeJumper() = default;

void TThreeJumper::SetJumperState(TJumperState value)
{
    if (value == FJumperState || (value == jsOpen && !FAllowOpen))
        return;
    FJumperState = value;
    Invalidate();
    AccessibleChanged(acValue);
}

void TThreeJumper::SetAllowOpen(bool value)
{
    if (value == FAllowOpen)
        return;
    FAllowOpen = value;
    if (!value && FJumperState == jsOpen)
        SetJumperState(jsLeft);
    Invalidate();
}

void TThreeJumper::SetOrientation(TOrientationType value)
{
    if (value == FOrientation)
        return;
    // A second turn across the pairs before the next paint undoes the first:
    // the size then already lies along the drawing again.
    if (Upright(value) != Upright(FOrientation))
        FSwapPending = !FSwapPending;
    FOrientation = value;
    Invalidate();
}

void TThreeJumper::SetBaseColor(TColor value)
{
    if (value == FBaseColor)
        return;
    FBaseColor = value;
    Invalidate();
}

void TThreeJumper::SetPinColor(TColor value)
{
    if (value == FPinColor)
        return;
    FPinColor = value;
    Invalidate();
}

void TThreeJumper::SetJumperColor(TColor value)
{
    if (value == FJumperColor)
        return;
    FJumperColor = value;
    Invalidate();
}

void TThreeJumper::SetBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    Invalidate();
}

void TThreeJumper::Click()
{
    switch (FJumperState) {
    case jsOpen: SetJumperState(jsLeft); break;
    case jsLeft: SetJumperState(jsRight); break;
    case jsRight: SetJumperState(FAllowOpen ? jsOpen : jsLeft); break;
    }
    TGraphicControl::Click();
}

bool TThreeJumper::KeyDown(int key, TShiftState shift)
{
    if ((key != VK_SPACE && key != VK_RETURN) || (shift & (ssAlt | ssCtrl)))
        return false;
    Click();
    return true;
}

bool TThreeJumper::AccessiblePress()
{
    Click();
    return true;
}

void TThreeJumper::GetAccessibleInfo(TAccessibleInfo& info) const
{
    TGraphicControl::GetAccessibleInfo(info);
    info.Role = arSpinButton;
    info.Name = Hint().empty() ? "Jumper" : Hint();
    info.Description.clear();
    // Left and right as the pins lie in the unturned drawing.
    switch (FJumperState) {
    case jsOpen: info.Value = "open"; break;
    case jsLeft: info.Value = "left and middle"; break;
    case jsRight: info.Value = "middle and right"; break;
    }
    info.HasNumber = true;
    info.Number = FJumperState;
    info.Minimum = jsOpen;
    info.Maximum = jsRight;
    info.Pressable = true;
}

TColor TThreeJumper::BackgroundColor() const
{
    // Only the popup content panel lends its colour; anywhere else the jumper
    // sits on a plain button face.
    TWinControl* parent = Parent();
    if (parent && std::strcmp(parent->ClassName(), "TRadioPanel") == 0)
        return parent->Color();
    return clBtnFace;
}

void TThreeJumper::DrawHorizontal()
{
    const bool upright = Upright(FOrientation);
    const int w = upright ? Height() : Width();
    const int h = upright ? Width() : Height();
    // Drawn at the resolution of the surface it is copied onto.
    FDrawBitmap->SetPixelRatio(Canvas()->HasSurface() ? Canvas()->PixelRatio() : 1.0);
    FDrawBitmap->SetSize(w, h);
    TCanvas& c = *FDrawBitmap->Canvas();

    const TColor background = BackgroundColor();
    c.Pen.Style = psSolid;
    c.Brush.Style = bsSolid;
    c.Pen.Color = background;
    c.Brush.Color = background;
    c.Rectangle(0, 0, w, h);

    const int inner = RoundEven((w - 2) / 4.5);
    const int p = inner + 1;
    const int r = std::min(inner / 3, RoundEven((h - 2) / 4.0));
    const int cy = h / 2;
    const int cx = w / 2;
    const int g = cx - p + 2;

    c.Pen.Color = FBorderStyle == bsSingle ? clBlack : FBaseColor;
    c.Brush.Color = FBaseColor;
    c.RoundRect(1, 1, w - 1, h - 1, h / 2, h / 2);

    c.Pen.Color = clBlack;
    c.Brush.Color = FJumperColor;
    if (FJumperState == jsLeft)
        c.Rectangle(0, 0, cx + g / 2, h);
    else if (FJumperState == jsRight)
        c.Rectangle(cx - g / 2, 0, w, h);

    c.Pen.Style = psClear;
    c.Brush.Color = FPinColor;
    c.Ellipse(p - r, cy - r, p + r, cy + r);
    c.Ellipse(cx - r, cy - r, cx + r, cy + r);
    c.Ellipse(w - p - r, cy - r, w - p + r, cy + r);
}

void TThreeJumper::Rotate()
{
    FRotatedBitmap->SetPixelRatio(FDrawBitmap->PixelRatio());
    const int lw = FDrawBitmap->Width();
    const int lh = FDrawBitmap->Height();
    if (lw <= 0 || lh <= 0) {
        FRotatedBitmap->SetSize(0, 0);
        return;
    }
    if (FOrientation == otUp) {
        FRotatedBitmap->SetSize(lw, lh);
        BitBlt(*FRotatedBitmap->Canvas(), 0, 0, lw, lh, *FDrawBitmap->Canvas(), 0, 0);
        return;
    }
    if (Upright(FOrientation))
        FRotatedBitmap->SetSize(lh, lw);
    else
        FRotatedBitmap->SetSize(lw, lh);
    // Pixel by pixel: the rows hold device pixels.
    const int w = FDrawBitmap->PixelWidth();
    const int h = FDrawBitmap->PixelHeight();
    const TBitmap& source = *FDrawBitmap;
    for (int y = 0; y < h; ++y) {
        const uint8_t* row = source.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            int tx = 0, ty = 0;
            switch (FOrientation) {
            case otDown: tx = w - 1 - x; ty = h - 1 - y; break;
            case otLeft: tx = y; ty = w - 1 - x; break;
            case otRight: tx = h - 1 - y; ty = x; break;
            case otUp: break;
            }
            std::memcpy(FRotatedBitmap->ScanLine(ty) + 4 * tx, row + 4 * x, 4);
        }
    }
}

void TThreeJumper::Paint()
{
    DrawHorizontal();
    Rotate();
    if (FSwapPending) {
        FSwapPending = false;
        // Before the first paint the size came with the orientation already.
        if (FPainted) {
            const int oldWidth = Width(), oldHeight = Height();
            SetWidth(oldHeight);
            SetHeight(oldWidth);
        }
    }
    BitBlt(*Canvas(), 0, 0, Width(), Height(), *FRotatedBitmap->Canvas(), 0, 0);
    FPainted = true;
}
