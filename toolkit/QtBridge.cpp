#include "toolkit/QtBridge.h"

#include <QAbstractScrollArea>
#include <algorithm>

QFont ToQFont(const TFont& font)
{
    QFont f(ToQString(font.Name()));
    f.setPixelSize(std::max(1, font.PixelSize()));
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
