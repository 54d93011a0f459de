#include "Encoders.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

#include <jpeglib.h>

namespace assets {

namespace {

void put16(std::vector<std::uint8_t>& b, unsigned v) {
    b.push_back(std::uint8_t(v & 0xff));
    b.push_back(std::uint8_t((v >> 8) & 0xff));
}
void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

// The 16 colours every Windows display could show.
const std::array<QRgb, 16> kVga = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

int nearestVga(QRgb c) {
    int best = 0;
    double bd = 1e18;
    for (int i = 0; i < 16; ++i) {
        double dr = qRed(c) - qRed(kVga[i]), dg = qGreen(c) - qGreen(kVga[i]), db = qBlue(c) - qBlue(kVga[i]);
        double d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bd) { bd = d; best = i; }
    }
    return best;
}

}   // namespace

bool writeJpeg(const QImage& img, const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = JDIMENSION(img.width());
    cinfo.image_height = JDIMENSION(img.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    // 300 dpi so a print of the picture comes out at the board's real size
    cinfo.write_JFIF_header = TRUE;
    cinfo.density_unit = 1;
    cinfo.X_density = 300;
    cinfo.Y_density = 300;
    jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> line(size_t(img.width()) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const auto* src = reinterpret_cast<const QRgb*>(img.constScanLine(int(cinfo.next_scanline)));
        for (int x = 0; x < img.width(); ++x) {
            line[size_t(x) * 3 + 0] = JSAMPLE(qRed(src[x]));
            line[size_t(x) * 3 + 1] = JSAMPLE(qGreen(src[x]));
            line[size_t(x) * 3 + 2] = JSAMPLE(qBlue(src[x]));
        }
        JSAMPROW rows[1] = {line.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(f) == 0;
}

// Plain 24-bit BMP: BITMAPFILEHEADER + BITMAPINFOHEADER, bottom-up rows
// padded to four bytes, BGR order.
bool writeBmp24(const QImage& img, const std::string& path) {
    const int w = img.width(), h = img.height();
    const std::uint32_t rowBytes = std::uint32_t((w * 3 + 3) & ~3);
    const std::uint32_t dataSize = rowBytes * std::uint32_t(h);
    std::vector<std::uint8_t> b;
    b.push_back('B');
    b.push_back('M');
    put32(b, 14 + 40 + dataSize);
    put32(b, 0);
    put32(b, 14 + 40);
    put32(b, 40);
    put32(b, std::uint32_t(w));
    put32(b, std::uint32_t(h));
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);          // BI_RGB
    put32(b, dataSize);
    put32(b, 2835);       // 72 dpi
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto* src = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        std::uint32_t n = 0;
        for (int x = 0; x < w; ++x, n += 3) {
            b.push_back(std::uint8_t(qBlue(src[x])));
            b.push_back(std::uint8_t(qGreen(src[x])));
            b.push_back(std::uint8_t(qRed(src[x])));
        }
        for (; n < rowBytes; ++n) b.push_back(0);
    }
    return writeFile(path, b);
}

// ICO with one 32x32 4-bit image: ICONDIR, one ICONDIRENTRY, then a DIB whose
// height counts the colour bitmap and the AND mask together.
bool writeIco16(const QImage& argb32, const std::string& path) {
    const int n = 32;
    QImage img = argb32.convertToFormat(QImage::Format_ARGB32);
    const std::uint32_t xorRow = n / 2;                       // 4 bits per pixel, already 4-aligned
    const std::uint32_t andRow = ((n + 31) / 32) * 4;
    const std::uint32_t dibSize = 40 + 16 * 4 + xorRow * n + andRow * n;
    std::vector<std::uint8_t> b;
    put16(b, 0);
    put16(b, 1);          // icon
    put16(b, 1);          // one image
    b.push_back(std::uint8_t(n));
    b.push_back(std::uint8_t(n));
    b.push_back(16);      // colours in the palette
    b.push_back(0);
    put16(b, 1);          // planes
    put16(b, 4);          // bits per pixel
    put32(b, dibSize);
    put32(b, 6 + 16);
    put32(b, 40);
    put32(b, std::uint32_t(n));
    put32(b, std::uint32_t(2 * n));
    put16(b, 1);
    put16(b, 4);
    put32(b, 0);
    put32(b, xorRow * n + andRow * n);
    put32(b, 0);
    put32(b, 0);
    put32(b, 16);
    put32(b, 0);
    for (QRgb c : kVga) {
        b.push_back(std::uint8_t(qBlue(c)));
        b.push_back(std::uint8_t(qGreen(c)));
        b.push_back(std::uint8_t(qRed(c)));
        b.push_back(0);
    }
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; x += 2) {
            auto idx = [&](int xx) {
                QRgb c = img.pixel(xx, y);
                return qAlpha(c) < 128 ? 0 : nearestVga(c);
            };
            b.push_back(std::uint8_t((idx(x) << 4) | idx(x + 1)));
        }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<std::uint8_t> bits(andRow, 0);
        for (int x = 0; x < n; ++x)
            if (qAlpha(img.pixel(x, y)) < 128) bits[size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
        b.insert(b.end(), bits.begin(), bits.end());
    }
    return writeFile(path, b);
}

}   // namespace assets
