// Painting the photograph: background, board, copper seen through the mask,
// pads and silkscreen, part shadows, the parts, studio light, then the camera.

#include "BoardPhoto.h"

#include "BoardParts.h"

#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace assets {

namespace {

// Outline of the board on the photo.
const QRectF kBoard(18, 24, 564, 670);

void paintPad(QPainter& p, const QPainterPath& s, bool round) {
    QRectF b = s.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, QColor(226, 228, 224));
    g.setColorAt(0.45, QColor(196, 198, 196));
    g.setColorAt(1, QColor(142, 144, 146));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(s);
    // HASL is lumpy: a bright blob off-centre towards the light
    QPointF hc = b.center() + QPointF(-b.width() * 0.15, -b.height() * 0.15);
    QRadialGradient hg(hc, std::max(b.width(), b.height()) * 0.45);
    hg.setColorAt(0, QColor(255, 255, 252, round ? 150 : 110));
    hg.setColorAt(1, QColor(255, 255, 252, 0));
    p.setBrush(hg);
    p.drawPath(s);
}

}   // namespace

QImage paintBoard() {
    Scene sc;
    layout(sc);

    QImage canvas(kW * kS, kH * kS, QImage::Format_ARGB32_Premultiplied);
    QPainter p;

    // Background: light grey card, brighter in the middle, faint texture.
    {
        beginPainter(p, canvas);
        QRadialGradient bg(QPointF(270, 300), 520);
        bg.setColorAt(0, QColor(240, 240, 238));
        bg.setColorAt(1, QColor(206, 206, 204));
        p.fillRect(QRectF(0, 0, kW, kH), bg);
        p.end();
    }
    QPainterPath boardPath;
    boardPath.addRoundedRect(kBoard, 6, 6);

    // Board shadow: a wide soft one and a tight contact one.
    for (auto [dx, dy, alpha, blur] : {std::array<double, 4>{5, 9, 120, 16}, std::array<double, 4>{1.2, 2.0, 120, 3}}) {
        QImage sh = newLayer();
        beginPainter(p, sh);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 22, 24, int(alpha)));
        p.drawPath(boardPath.translated(dx, dy));
        p.end();
        boxBlur(sh, int(blur));
        beginPainter(p, canvas);
        p.resetTransform();
        p.drawImage(0, 0, sh);
        p.end();
    }

    // Solder mask base colour with the light falling off to the lower right.
    beginPainter(p, canvas);
    {
        QLinearGradient g(kBoard.topLeft(), kBoard.bottomRight());
        g.setColorAt(0, QColor(36, 118, 64));
        g.setColorAt(0.55, QColor(28, 102, 54));
        g.setColorAt(1, QColor(20, 82, 42));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(boardPath);
    }
    p.end();

    // Copper under the mask: ground pour with clearances, traces, via rings.
    QImage copper = newLayer();
    beginPainter(p, copper);
    {
        Copper& cu = sc.cu;
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(kBoard.adjusted(5, 5, -5, -5), 4, 4);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.setBrush(Qt::black);
        for (auto& k : cu.keepouts) p.drawPath(k);
        for (auto& t : cu.traces) {
            p.setPen(QPen(Qt::black, t.width + 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(t.path);
        }
        p.setPen(QPen(Qt::black, 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::black);
        for (auto& pad : cu.pads) p.drawPath(pad.shape);
        p.setPen(Qt::NoPen);
        for (auto& v : cu.vias) p.drawEllipse(v.at, v.ring + 2.5, v.ring + 2.5);
        // the pour ties to ground at a few stitching vias, which we add later
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setBrush(Qt::NoBrush);
        for (auto& t : cu.traces) {
            p.setPen(QPen(Qt::white, t.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(t.path);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (auto& v : cu.vias) p.drawEllipse(v.at, v.ring, v.ring);
        for (auto& pad : cu.pads) p.drawPath(pad.shape);
    }
    p.end();

    // Ground stitching vias on open pour, placed where the pour is solid.
    std::vector<QPointF> stitch;
    {
        QImage probe = copper.scaled(kW, kH, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        Rng r(4242);
        for (int tries = 0; tries < 4000 && stitch.size() < 70; ++tries) {
            QPointF c(kBoard.left() + 14 + r.uni() * (kBoard.width() - 28), kBoard.top() + 14 + r.uni() * (kBoard.height() - 28));
            bool ok = true;
            for (int dy = -6; dy <= 6 && ok; dy += 2)
                for (int dx = -6; dx <= 6 && ok; dx += 2)
                    if (qAlpha(probe.pixel(int(c.x()) + dx, int(c.y()) + dy)) < 250) ok = false;
            for (auto& s : stitch)
                if (std::hypot(s.x() - c.x(), s.y() - c.y()) < 26) ok = false;
            // keep the parts outside the photo's highlighted areas tidy
            if (ok) stitch.push_back(c);
        }
    }

    // Relief and tint of the copper as seen through the mask.
    QImage cuBlur = copper;
    boxBlur(cuBlur, 1);
    {
        Rng nr(99);
        QImage n1 = valueNoise(nr, 40, 48, kW * kS, kH * kS);
        QImage n2 = valueNoise(nr, 220, 262, kW * kS, kH * kS);
        QImage n3 = valueNoise(nr, kW, kH, kW * kS, kH * kS);   // grain of the mask itself
        QImage maskShape = newLayer();
        beginPainter(p, maskShape);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(boardPath);
        p.end();
        const int W = kW * kS, H = kH * kS;
        for (int y = 0; y < H; ++y) {
            auto* row = reinterpret_cast<QRgb*>(canvas.scanLine(y));
            const auto* m = reinterpret_cast<const QRgb*>(maskShape.constScanLine(y));
            const auto* a0 = reinterpret_cast<const QRgb*>(cuBlur.constScanLine(y));
            const auto* aU = reinterpret_cast<const QRgb*>(cuBlur.constScanLine(std::max(0, y - 2)));
            const auto* aD = reinterpret_cast<const QRgb*>(cuBlur.constScanLine(std::min(H - 1, y + 2)));
            const auto* q1 = reinterpret_cast<const QRgb*>(n1.constScanLine(y));
            const auto* q2 = reinterpret_cast<const QRgb*>(n2.constScanLine(y));
            const auto* q3 = reinterpret_cast<const QRgb*>(n3.constScanLine(y));
            for (int x = 0; x < W; ++x) {
                int ma = qAlpha(m[x]);
                if (!ma) continue;
                double a = qAlpha(a0[x]) / 255.0;
                double e = (qAlpha(aD[std::min(W - 1, x + 2)]) - qAlpha(aU[std::max(0, x - 2)])) / 255.0;
                double t = (qRed(q1[x]) / 255.0 - 0.5) * 0.10 + (qRed(q2[x]) / 255.0 - 0.5) * 0.05 +
                           (qRed(q3[x]) / 255.0 - 0.5) * 0.07;
                double r = qRed(row[x]), g = qGreen(row[x]), b = qBlue(row[x]);
                r = r * (1 + t) + a * 16 + e * 14;
                g = g * (1 + t) + a * 22 + e * 20;
                b = b * (1 + t) + a * 6 + e * 8;
                double k = ma / 255.0;
                r = qRed(row[x]) * (1 - k) + r * k;
                g = qGreen(row[x]) * (1 - k) + g * k;
                b = qBlue(row[x]) * (1 - k) + b * k;
                row[x] = qRgb(clamp255(r), clamp255(g), clamp255(b));
            }
        }
    }

    beginPainter(p, canvas);
    // Tented vias: the mask dips into the drill hole, leaving a dimple.
    auto dimple = [&](QPointF c, double ring) {
        QRadialGradient g(c + QPointF(0.3, 0.3), ring * 0.62);
        g.setColorAt(0, QColor(8, 46, 22, 170));
        g.setColorAt(0.6, QColor(12, 58, 28, 120));
        g.setColorAt(1, QColor(20, 80, 40, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, ring * 0.62, ring * 0.62);
        QRadialGradient h(c + QPointF(0.5, 0.6), ring * 0.5);
        h.setColorAt(0.6, QColor(160, 230, 160, 0));
        h.setColorAt(0.9, QColor(160, 230, 160, 60));
        h.setColorAt(1, QColor(160, 230, 160, 0));
        p.setBrush(h);
        p.drawEllipse(c + QPointF(0.5, 0.6), ring * 0.5, ring * 0.5);
    };
    for (auto& v : sc.cu.vias) dimple(v.at, v.ring);
    for (auto& s : stitch) {
        p.setPen(QPen(QColor(120, 190, 110, 70), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(s, 2.4, 2.4);
        dimple(s, 2.4);
    }
    // Mask openings: tinned pads.
    for (auto& pad : sc.cu.pads) paintPad(p, pad.shape, pad.round);
    // Drill holes: through-hole pads without a part, mounting holes.
    auto hole = [&](QPointF c, double r) {
        QRadialGradient g(c + QPointF(r * 0.25, r * 0.3), r);
        g.setColorAt(0, QColor(150, 150, 148));
        g.setColorAt(0.6, QColor(96, 96, 96));
        g.setColorAt(1, QColor(40, 40, 40));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    };
    for (QPointF h : {QPointF(38, 44), QPointF(562, 44), QPointF(38, 674), QPointF(562, 674)}) hole(h, 6.2);
    for (int r = 0; r < 3; ++r)
        for (int cc = 0; cc < 2; ++cc) hole(QPointF(94 + 12 * cc, 400 + 12 * r), 2.0);
    for (QPointF t : {QPointF(396, 600), QPointF(420, 600)}) hole(t, 1.6);

    // Silkscreen print.
    for (auto& s : sc.silk) s(p);
    // Board edge: routed FR4 catches the light on the top-left.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(170, 210, 170, 110), 1.0));
    p.drawLine(kBoard.topLeft() + QPointF(6, 0.5), kBoard.topRight() + QPointF(-6, 0.5));
    p.drawLine(kBoard.topLeft() + QPointF(0.5, 6), kBoard.bottomLeft() + QPointF(0.5, -6));
    p.setPen(QPen(QColor(10, 40, 20, 160), 1.2));
    p.drawLine(kBoard.bottomLeft() + QPointF(6, -0.6), kBoard.bottomRight() + QPointF(-6, -0.6));
    p.drawLine(kBoard.topRight() + QPointF(-0.6, 6), kBoard.bottomRight() + QPointF(-0.6, -6));
    p.end();

    // Part shadows: low parts cast short sharp ones, tall parts long soft ones.
    {
        QImage low = newLayer(), high = newLayer();
        QPainter pl, ph;
        beginPainter(pl, low);
        beginPainter(ph, high);
        for (auto& part : sc.parts) {
            QPainter& q = part.height < 4 ? pl : ph;
            q.setPen(Qt::NoPen);
            q.setBrush(QColor(0, 10, 0, part.height < 4 ? 170 : 150));
            const int steps = 6;
            for (int s = 1; s <= steps; ++s) {
                double f = part.height * s / steps;
                q.drawPath(part.silhouette.translated(f * 0.45, f * 0.7));
            }
        }
        pl.end();
        ph.end();
        boxBlur(low, 2);
        boxBlur(high, 6);
        beginPainter(p, canvas);
        p.resetTransform();
        p.setOpacity(0.75);
        p.drawImage(0, 0, high);
        p.setOpacity(0.7);
        p.drawImage(0, 0, low);
        p.end();
    }

    // The parts themselves.
    beginPainter(p, canvas);
    for (auto& part : sc.parts) {
        p.save();
        part.paint(p);
        p.restore();
    }

    // Studio light: a broad reflection of the softbox across the glossy mask,
    // and the whole scene a touch brighter at the top left.
    {
        p.save();
        p.setClipPath(boardPath);
        p.translate(210, 210);
        p.rotate(-32);
        QRadialGradient gloss(QPointF(0, 0), 1);
        gloss.setCoordinateMode(QGradient::ObjectMode);
        gloss.setCenter(0.5, 0.5);
        gloss.setFocalPoint(0.5, 0.5);
        gloss.setRadius(0.5);
        gloss.setColorAt(0, QColor(230, 255, 235, 40));
        gloss.setColorAt(0.55, QColor(230, 255, 235, 20));
        gloss.setColorAt(1, QColor(230, 255, 235, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(gloss);
        p.drawEllipse(QRectF(-300, -130, 600, 260));
        p.restore();
        QRadialGradient light(QPointF(150, 120), 700);
        light.setColorAt(0, QColor(255, 252, 245, 26));
        light.setColorAt(0.6, QColor(255, 252, 245, 0));
        light.setColorAt(1, QColor(0, 0, 0, 40));
        p.setBrush(light);
        p.drawRect(QRectF(0, 0, kW, kH));
    }
    // a little dust that always finds its way onto a product shot
    {
        Rng dr(31337);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 26; ++i) {
            QPointF d(dr.range(10, kW - 10), dr.range(10, kH - 10));
            double r = dr.range(0.35, 0.9);
            p.setBrush(QColor(235, 235, 228, int(dr.range(50, 120))));
            p.drawEllipse(d, r, r * dr.range(0.6, 1.0));
        }
    }
    p.end();

    boxBlur(canvas, 1);   // lens softness; a real 600 px photo is never razor sharp

    // Down to photo size, then the camera: noise, vignette, slight warmth.
    QImage photo = canvas.scaled(kW, kH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    Rng nr(20240611);
    for (int y = 0; y < kH; ++y) {
        auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < kW; ++x) {
            double dx = (x - kW * 0.48) / (kW * 0.62), dy = (y - kH * 0.46) / (kH * 0.62);
            double v = 1.0 - 0.14 * std::pow(std::min(1.6, dx * dx + dy * dy), 1.3);
            // a touch less saturated and a gentle S-curve, like a camera's default look
            double r0 = qRed(row[x]), g0 = qGreen(row[x]), b0 = qBlue(row[x]);
            double l0 = 0.3 * r0 + 0.59 * g0 + 0.11 * b0;
            auto grade = [&](double c) {
                c = c * 0.9 + l0 * 0.1;
                double t = c / 255.0;
                t = t + 0.08 * t * (1 - t) * (2 * t - 1) * 2;
                return t * 255.0;
            };
            double lum = 3.4 * nr.gauss();
            double r = grade(r0) * v * 1.01 + lum + 1.5 * nr.gauss();
            double g = grade(g0) * v + lum + 1.2 * nr.gauss();
            double b = grade(b0) * v * 0.985 + lum + 1.7 * nr.gauss();
            row[x] = qRgb(clamp255(r), clamp255(g), clamp255(b));
        }
    }
    return photo;
}

}   // namespace assets
