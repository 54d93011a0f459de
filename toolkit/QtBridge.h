#pragma once
// Conversions between toolkit values and Qt's, for the toolkit's own sources.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "toolkit/Font.h"
#include "toolkit/Types.h"

inline QColor ToQColor(TColor c)
{
    TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

inline uint32_t ToQRgb(TColor c)
{
    TColor rgb = ColorToRGB(c);
    return 0xFF000000u | (uint32_t(GetRValue(rgb)) << 16) | (uint32_t(GetGValue(rgb)) << 8) | GetBValue(rgb);
}

inline TColor FromQRgb(uint32_t argb)
{
    return RGB(uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb));
}

inline QString ToQString(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
inline std::string FromQString(const QString& s) { return s.toUtf8().toStdString(); }

inline QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
inline TRect FromQRect(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }

QFont ToQFont(const TFont& font);

class QAbstractScrollArea;
// Scroll bars show only when the text does not fit, as users expect.
void ApplyScrollBars(QAbstractScrollArea* area, TScrollStyle style);
