#pragma once
// A drawing surface over a 32-bit image. Figures follow one set of coverage
// rules: a figure from (x1, y1) to (x2, y2) covers x1 <= x < x2, y1 <= y < y2;
// its outline is the one-pixel rim inside that area in the pen colour; without
// a pen it fills only what the outline would enclose, one pixel less on the
// right and at the bottom. A control's canvas is a window onto its parent's
// surface, offset by the control's position and clipped to it.
//
// Coordinates are logical pixels. An image with a device pixel ratio above 1
// (a dense screen) holds more pixels than that: the canvas draws every figure
// per device pixel, so outlines and curves stay crisp instead of being
// enlarged. A logical coordinate v of the canvas lies at device pixel
// Device(origin) + Device(v), Device(v) = v * ratio rounded, so a control and
// a bitmap of the same logical size always cover the same number of pixels.
#include <cstdint>
#include <string>

#include "toolkit/Font.h"
#include "toolkit/Types.h"

class QImage;
class QRectF;
class TGraphic;

enum TPenStyle { psSolid, psDash, psClear };
enum TBrushStyle { bsSolid, bsClear };

struct TPen {
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

class TCanvas {
public:
    TPen Pen;
    TBrush Brush;
    TFont Font;

    // Binds the canvas to an image; (originX, originY) is where the canvas's
    // (0, 0) lies in the image, clip is in the image's logical coordinates.
    void Attach(QImage* image, int originX, int originY, const TRect& clip);
    void Attach(QImage* image);
    void Detach();
    bool HasSurface() const { return FImage != nullptr; }
    QImage* Surface() const { return FImage; }
    TPoint Origin() const { return FOrigin; }
    // Clip rectangle in canvas coordinates.
    TRect ClipRect() const;
    // Device pixels per logical pixel of the image (1 on an ordinary screen).
    double PixelRatio() const { return FRatio; }
    // The device pixels of the image that a rectangle of the canvas covers.
    TRect DeviceRect(const TRect& r) const;
    // Names the pixel store behind the image: it changes whenever the image is
    // made anew (another size, another density), never by drawing into it. A
    // control that retains what it drew compares it (0 without a surface).
    uint64_t SurfaceSerial() const;

    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
    void Ellipse(int x1, int y1, int x2, int y2);
    void FillRect(const TRect& r);
    // A one-pixel bevel along the inside of r: light above and left when raised.
    void Frame3D(const TRect& r, bool raised);

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Copies srcRect of source into dest; equal sizes in device pixels make a
    // plain block copy, others stretch the source to the nearest pixel.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& srcRect);
    // A graphic drawn at another size than its own is filtered smoothly.
    void StretchDraw(const TRect& dest, TGraphic* graphic);
    void Draw(int x, int y, TGraphic* graphic);

    void TextOut(int x, int y, const std::string& text);
    // Draws text inside r with the given alignment, vertically centred when
    // centreVertically, wrapped at r's width when wordWrap.
    void TextRect(const TRect& r, const std::string& text, TAlignment alignment, bool wordWrap = false);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    TPoint TextExtent(const std::string& text, int wrapWidth = 0) const;

private:
    template <class Inside>
    void FillShape(const TRect& box, Inside inside);
    // Fills the device pixels of one logical pixel of the canvas.
    void PutPixel(int x, int y, uint32_t rgb);
    int Device(int v) const;
    // The clip for a painter that works in logical coordinates.
    QRectF LogicalClip() const;

    QImage* FImage = nullptr;
    TPoint FOrigin;
    TPoint FDeviceOrigin;
    double FRatio = 1.0;
    TRect FClip; // device pixels of the image
};
