// System colours resolved from the desktop's palette at the moment they are
// drawn, so that a dark theme (or any theme) gives faces, text and bevels that
// belong together; without an application the classic light values stand in.
#include <QGuiApplication>
#include <QPalette>
#include <cmath>

#include "toolkit/Types.h"

namespace {
struct TSystemColor {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
    TColor Fallback;
};

// Indices as the system colour values number them (clBtnFace is 15).
TSystemColor SystemColorOf(unsigned index)
{
    using P = QPalette;
    switch (index) {
    case 0: return {P::Active, P::Button, RGB(200, 200, 200)};          // scroll bar
    case 1: return {P::Active, P::Window, RGB(0, 0, 0)};                // desktop
    case 2: return {P::Active, P::Highlight, RGB(153, 180, 209)};       // active caption
    case 3: return {P::Inactive, P::Mid, RGB(191, 205, 219)};           // inactive caption
    case 4: return {P::Active, P::Window, RGB(240, 240, 240)};          // menu
    case 5: return {P::Active, P::Base, clWhite};                       // window background
    case 6: return {P::Active, P::WindowText, RGB(100, 100, 100)};      // window frame
    case 7: return {P::Active, P::WindowText, clBlack};                 // menu text
    case 8: return {P::Active, P::Text, clBlack};                       // window text
    case 9: return {P::Active, P::HighlightedText, clBlack};            // caption text
    case 10: return {P::Active, P::Button, RGB(180, 180, 180)};         // active border
    case 11: return {P::Inactive, P::Button, RGB(244, 247, 252)};       // inactive border
    case 12: return {P::Active, P::Dark, RGB(171, 171, 171)};           // application workspace
    case 13: return {P::Active, P::Highlight, RGB(0, 120, 215)};        // highlight
    case 14: return {P::Active, P::HighlightedText, clWhite};           // highlighted text
    case 15: return {P::Active, P::Button, RGB(240, 240, 240)};         // button face
    case 16: return {P::Active, P::Dark, RGB(160, 160, 160)};           // button shadow
    case 17: return {P::Disabled, P::Text, RGB(109, 109, 109)};         // grey text
    case 18: return {P::Active, P::ButtonText, clBlack};                // button text
    case 19: return {P::Inactive, P::WindowText, RGB(0, 0, 0)};         // inactive caption text
    case 20: return {P::Active, P::Light, clWhite};                     // button highlight
    case 21: return {P::Active, P::Shadow, RGB(105, 105, 105)};         // 3D dark shadow
    case 22: return {P::Active, P::Midlight, RGB(227, 227, 227)};       // 3D light
    case 23: return {P::Active, P::ToolTipText, clBlack};               // info text
    case 24: return {P::Active, P::ToolTipBase, RGB(255, 255, 225)};    // info background
    case 26: return {P::Active, P::Link, RGB(0, 102, 204)};             // hot light
    case 27: return {P::Active, P::Highlight, RGB(185, 209, 234)};      // gradient active caption
    case 28: return {P::Inactive, P::Mid, RGB(215, 228, 242)};          // gradient inactive caption
    case 29: return {P::Active, P::Highlight, RGB(0, 120, 215)};        // menu highlight
    case 30: return {P::Active, P::Window, RGB(240, 240, 240)};         // menu bar
    default: return {P::Active, P::Button, RGB(240, 240, 240)};
    }
}

double Luminance(TColor c)
{
    auto channel = [](uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) + 0.0722 * channel(GetBValue(c));
}

// Below this ratio text stops being comfortably readable.
constexpr double ReadableContrast = 4.5;
} // namespace

TColor ColorToRGB(TColor color)
{
    if (!(color & clSystemColor))
        return color & 0x00FFFFFF;
    const TSystemColor s = SystemColorOf(color & 0xFF);
    if (!qGuiApp)
        return s.Fallback;
    const QColor c = QGuiApplication::palette().color(s.Group, s.Role);
    return RGB(uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue()));
}

double ContrastRatio(TColor a, TColor b)
{
    double la = Luminance(ColorToRGB(a)), lb = Luminance(ColorToRGB(b));
    if (la < lb)
        std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

TColor ReadableTextColor(TColor text, TColor background)
{
    if (!(text & clSystemColor) || ContrastRatio(text, background) >= ReadableContrast)
        return text;
    return ContrastRatio(clBlack, background) >= ContrastRatio(clWhite, background) ? clBlack : clWhite;
}
