#include "Paint.h"

#include <QFont>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace assets {

int clamp255(double v) { return v < 0 ? 0 : (v > 255 ? 255 : int(v + 0.5)); }

// Three box passes approximate a Gaussian; used for soft shadows.
void boxBlur(QImage& img, int r) {
    if (r < 1) return;
    const int w = img.width(), h = img.height();
    std::vector<std::uint32_t> line(std::max(w, h));
    auto pass = [&](std::uint32_t* base, int n, int stride) {
        for (int i = 0; i < n; ++i) line[i] = base[i * stride];
        int sum[4] = {0, 0, 0, 0};
        auto ch = [](std::uint32_t v, int c) { return int((v >> (8 * c)) & 0xff); };
        auto at = [&](int i) { return line[std::clamp(i, 0, n - 1)]; };
        for (int i = -r; i <= r; ++i)
            for (int c = 0; c < 4; ++c) sum[c] += ch(at(i), c);
        const int d = 2 * r + 1;
        for (int i = 0; i < n; ++i) {
            std::uint32_t o = 0;
            for (int c = 0; c < 4; ++c) o |= std::uint32_t(sum[c] / d) << (8 * c);
            base[i * stride] = o;
            for (int c = 0; c < 4; ++c) sum[c] += ch(at(i + r + 1), c) - ch(at(i - r), c);
        }
    };
    for (int k = 0; k < 3; ++k) {
        for (int y = 0; y < h; ++y) pass(reinterpret_cast<std::uint32_t*>(img.scanLine(y)), w, 1);
        auto* bits = reinterpret_cast<std::uint32_t*>(img.bits());
        const int stride = int(img.bytesPerLine() / 4);
        for (int x = 0; x < w; ++x) pass(bits + x, h, stride);
    }
}

QImage newLayer() {
    QImage img(kW * kS, kH * kS, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// A painter working in photo coordinates (600 x 718) on a 2x canvas.
void beginPainter(QPainter& p, QImage& img) {
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.scale(kS, kS);
}

// Soft value noise in [0,1]: a coarse random grid scaled up smoothly.
QImage valueNoise(Rng& rng, int gw, int gh, int outW, int outH) {
    QImage g(gw, gh, QImage::Format_RGB32);
    for (int y = 0; y < gh; ++y)
        for (int x = 0; x < gw; ++x) {
            int v = int(rng.uni() * 255);
            g.setPixel(x, y, qRgb(v, v, v));
        }
    return g.scaled(outW, outH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Text at fractional pixel sizes: fonts only take integer pixel sizes, so the
// glyphs are laid out ten times larger and the painter scales them back.
void drawText(QPainter& p, QPointF c, const QString& s, double px, const QColor& col,
              bool bold, double angle, int align, const char* family, double stretch) {
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.scale(0.1, 0.1);
    QFont f(family);
    f.setPixelSize(int(std::lround(px * 10)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    if (stretch != 100) f.setStretch(int(stretch));
    p.setFont(f);
    p.setPen(col);
    QRectF r(-4000, -1000, 8000, 2000);
    if (align & Qt::AlignLeft) r = QRectF(0, -1000, 8000, 2000);
    if (align & Qt::AlignRight) r = QRectF(-8000, -1000, 8000, 2000);
    p.drawText(r, (align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, s);
    p.restore();
}

}   // namespace assets
