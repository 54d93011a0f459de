#include "toolkit/QtBridge.h"

#include <QAbstractScrollArea>
#include <algorithm>
#include <cmath>

#include "toolkit/Screen.h"

QFont ToQFont(const TFont& font)
{
    QFont f(ToQString(font.Name()));
    // Sizes are pixels at 96 dots per inch; a desktop set to larger fonts
    // gets them larger, as it does text sized in points.
    const int dpi = Screen ? Screen->PixelsPerInch() : 96;
    f.setPixelSize(std::max(1, dpi == 96 ? font.PixelSize() : int(std::lround(font.PixelSize() * dpi / 96.0))));
    f.setBold(font.Style() & fsBold);
    f.setItalic(font.Style() & fsItalic);
    f.setUnderline(font.Style() & fsUnderline);
    return f;
}

void ApplyScrollBars(QAbstractScrollArea* area, TScrollStyle style)
{
    area->setVerticalScrollBarPolicy(style == ssVertical || style == ssBoth ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    area->setHorizontalScrollBarPolicy(style == ssHorizontal || style == ssBoth ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}
