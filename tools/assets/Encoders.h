// File writers for the formats Qt cannot produce the way we need them.
#pragma once

#include <QImage>

#include <string>

namespace assets {

// Progressive JPEG, quality 90, 300 dpi in the JFIF header.
bool writeJpeg(const QImage& img, const std::string& path);

// Plain 24-bit BMP.
bool writeBmp24(const QImage& img, const std::string& path);

// ICO with one 32x32 image in the 16 standard VGA colours; pixels with less
// than half alpha become transparent.
bool writeIco16(const QImage& argb32, const std::string& path);

}   // namespace assets
