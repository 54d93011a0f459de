#pragma once
// Fixtures shared by the jumper tests: a jumper that counts its repaint
// requests and paints, a panel that reports itself as a content panel, and
// painting a parent's surface without a window on screen.
#include <QImage>

#include "SetupCtrls/jumper/ThreeJumper.h"
#include "toolkit/Bitmap.h"
#include "toolkit/CustomPanel.h"

class CountingJumper : public TThreeJumper {
public:
    using TThreeJumper::TThreeJumper;
    int invalidations = 0;
    int paints = 0;
    void Invalidate() override
    {
        ++invalidations;
        TThreeJumper::Invalidate();
    }

protected:
    void Paint() override
    {
        ++paints;
        TThreeJumper::Paint();
    }
};

// The jumper recognises the popup content panel by its class name alone.
class NamedRadioPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
    const char* ClassName() const override { return "TRadioPanel"; }
};

inline TColor PixelOf(const TBitmap& bitmap, int x, int y)
{
    const uint8_t* px = bitmap.ScanLine(y) + 4 * x; // blue, green, red, reserved
    return RGB(px[2], px[1], px[0]);
}

inline TColor PixelOf(const QImage& image, int x, int y)
{
    QRgb c = image.pixel(x, y);
    return RGB(uint8_t(qRed(c)), uint8_t(qGreen(c)), uint8_t(qBlue(c)));
}

// Paints the whole client area of a windowed control and its windowless
// children into a fresh image, as its widget would.
inline QImage PaintSurfaceOf(TWinControl& control)
{
    QImage surface(control.ClientWidth(), control.ClientHeight(), QImage::Format_RGB32);
    surface.fill(Qt::white);
    control.PaintSurface(surface, Rect(0, 0, control.ClientWidth(), control.ClientHeight()));
    return surface;
}
