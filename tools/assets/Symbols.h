// The small pictures: the DC jack's polarity symbol and the application icon.
#pragma once

#include <QImage>

#include <string>

namespace assets {

// 112 x 48 polarity symbol: GND to the outer sleeve, +9V to the centre pin.
QImage paintPowerJack();

// Application icon at `size` pixels.  `vga` keeps to flat colours of the
// 16-colour palette, for the 4-bit ICO.
QImage paintIcon(int size, bool vga = false);

// The application icon as SVG (256 x 256 view box) at `path`.
bool writeIconSvg(const std::string& path);

}   // namespace assets
