// Drawing helpers shared by every picture: canvas size of the photograph, a
// reproducible random source, blur, noise and text at fractional sizes.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>

#include <cstdint>

namespace assets {

constexpr int kW = 600;    // final photo width
constexpr int kH = 718;    // final photo height
constexpr int kS = 2;      // supersampling factor of the painting canvas

// Small deterministic random source.  std:: distributions differ between
// standard libraries, which would make the committed pictures depend on the
// toolchain; splitmix64 plus our own conversions does not.
struct Rng {
    std::uint64_t s;
    explicit Rng(std::uint64_t seed) : s(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uni() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double a, double b) { return a + (b - a) * uni(); }
    // Irwin-Hall approximation of a unit normal: no libm involved.
    double gauss() { return (uni() + uni() + uni() + uni() - 2.0) * 1.7320508; }
};

int clamp255(double v);

// Three box passes approximate a Gaussian; used for soft shadows.
void boxBlur(QImage& img, int r);

// A transparent layer the size of the 2x painting canvas.
QImage newLayer();

// A painter working in photo coordinates (600 x 718) on a 2x canvas.
void beginPainter(QPainter& p, QImage& img);

// Soft value noise in [0,1]: a coarse random grid scaled up smoothly.
QImage valueNoise(Rng& rng, int gw, int gh, int outW, int outH);

// Text centred on (or aligned at) `c`, `px` pixels high, rotated by `angle`.
void drawText(QPainter& p, QPointF c, const QString& s, double px, const QColor& col,
              bool bold = true, double angle = 0, int align = Qt::AlignCenter,
              const char* family = "DejaVu Sans", double stretch = 100);

}   // namespace assets
