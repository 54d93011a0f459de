// make_assets: draws every picture the Settings window ships with and writes
// them into one folder (default: template/assets).
//
//   board.jpg       top-view photograph of the USB digital-input board
//                   (600 x 718, progressive JPEG, 300 dpi).  The window puts
//                   coloured rings over four parts, so those parts sit at
//                   fixed places: LED (119,612 30x108), USB-B socket
//                   (226,600 84x114), three-pin supply jumper (329,628 32x58)
//                   and the DC jack (446,610 55x80).  Keep them there.
//   powerjack.bmp   112 x 48, 24-bit polarity symbol of the DC jack.
//   icon-N.png      application icon at 16/32/48/64/128/256 pixels.
//   icon.ico        32 x 32, 16-colour icon for old-style launchers.
//
// There is no camera original: the "photo" is painted with QPainter at twice
// the size and scaled down, then given sensor noise and a light vignette.
// Everything is deterministic (fixed seed), so rerunning gives identical files:
//
//   cmake --build build --target make_assets && build/tools/make_assets template/assets

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QTransform>

#include <jpeglib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kW = 600;    // final photo width
constexpr int kH = 718;    // final photo height
constexpr int kS = 2;      // supersampling factor of the painting canvas

// ---------------------------------------------------------------------------
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
              bool bold = true, double angle = 0, int align = Qt::AlignCenter,
              const char* family = "DejaVu Sans", double stretch = 100) {
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

// ---------------------------------------------------------------------------
// Colours of the board.
const QColor kTinLight(236, 236, 230);
const QColor kTin(190, 192, 190);
const QColor kTinDark(118, 120, 122);
const QColor kSilk(238, 240, 232);
const QColor kMarking(150, 150, 152, 150);

// Everything on the copper layer is collected first so that the ground pour
// can keep its clearance around it before anything is painted.
struct Copper {
    struct Trace { QPainterPath path; double width; };
    struct Via { QPointF at; double ring; bool tented; };
    struct Pad { QPainterPath shape; bool round; };
    std::vector<Trace> traces;
    std::vector<Via> vias;
    std::vector<Pad> pads;
    std::vector<QPainterPath> keepouts;   // no pour here (under tall parts, holes)

    void trace(std::initializer_list<QPointF> pts, double w = 2.0) {
        QPainterPath path;
        bool first = true;
        for (auto& pt : pts) {
            if (first) path.moveTo(pt); else path.lineTo(pt);
            first = false;
        }
        traces.push_back({path, w});
    }
    void tracePath(const std::vector<QPointF>& pts, double w = 2.0) {
        QPainterPath path;
        for (size_t i = 0; i < pts.size(); ++i) {
            if (i == 0) path.moveTo(pts[i]); else path.lineTo(pts[i]);
        }
        traces.push_back({path, w});
    }
    void via(QPointF at, double ring = 2.6, bool tented = true) { vias.push_back({at, ring, tented}); }
    void padRect(QRectF r, double radius = 0.6) {
        QPainterPath s;
        s.addRoundedRect(r, radius, radius);
        pads.push_back({s, false});
    }
    void padRound(QPointF c, double r) {
        QPainterPath s;
        s.addEllipse(c, r, r);
        pads.push_back({s, true});
    }
    void keepout(QRectF r) {
        QPainterPath s;
        s.addRoundedRect(r, 3, 3);
        keepouts.push_back(s);
    }
};

// Vertical, then 45 degrees, then vertical again, with the slant ending at yEnd:
// fanned-out buses routed this way never cross each other.
std::vector<QPointF> fan(QPointF a, QPointF b, double yEnd) {
    const double dx = b.x() - a.x();
    double yStart = yEnd - std::abs(dx);
    if (yStart < a.y()) yStart = a.y();
    return {a, QPointF(a.x(), yStart), QPointF(b.x(), yStart + std::abs(dx)), b};
}

// ---------------------------------------------------------------------------
// A part is painted twice: once as a silhouette into a shadow layer, then for
// real.  `height` sets how far the shadow falls (light comes from top left).
struct Part {
    QPainterPath silhouette;
    double height;
    std::function<void(QPainter&)> paint;
};

QPainterPath rectPath(QRectF r, double radius = 0) {
    QPainterPath s;
    if (radius > 0) s.addRoundedRect(r, radius, radius); else s.addRect(r);
    return s;
}

// Matte black epoxy: a slightly brighter rim where the moulded edge rounds
// off, a flat top, and a faint sheen from the light.
void epoxyBody(QPainter& p, QRectF r, double radius = 1.2) {
    QLinearGradient rim(r.topLeft(), r.bottomRight());
    rim.setColorAt(0, QColor(74, 74, 78));
    rim.setColorAt(1, QColor(14, 14, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawRoundedRect(r, radius, radius);
    QRectF top = r.adjusted(1.1, 1.1, -1.1, -1.1);
    QLinearGradient g(top.topLeft(), top.bottomRight());
    g.setColorAt(0, QColor(44, 44, 47));
    g.setColorAt(0.5, QColor(32, 32, 35));
    g.setColorAt(1, QColor(24, 24, 26));
    p.setBrush(g);
    p.drawRoundedRect(top, radius * 0.7, radius * 0.7);
    QLinearGradient sheen(top.topLeft(), top.bottomLeft());
    sheen.setColorAt(0, QColor(255, 255, 255, 14));
    sheen.setColorAt(0.4, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawRoundedRect(top, radius * 0.7, radius * 0.7);
}

// Bright tinned metal with a highlight along `dir`.
QLinearGradient metal(QPointF a, QPointF b, double hi = 0.35) {
    QLinearGradient g(a, b);
    g.setColorAt(0, QColor(150, 152, 154));
    g.setColorAt(hi, QColor(238, 238, 234));
    g.setColorAt(std::min(1.0, hi + 0.25), QColor(196, 198, 198));
    g.setColorAt(1, QColor(120, 122, 126));
    return g;
}

// Gull-wing lead seen from above: shoulder out of the body, knee highlight,
// foot sitting in a solder fillet.
void gullLead(QPainter& p, QPointF from, QPointF to, double w) {
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const double ang = std::atan2(d.y(), d.x()) * 180.0 / M_PI;
    p.save();
    p.translate(from);
    p.rotate(ang);
    // fillet
    p.setPen(Qt::NoPen);
    QLinearGradient fil(QPointF(len * 0.45, 0), QPointF(len + 1.2, 0));
    fil.setColorAt(0, QColor(150, 152, 150));
    fil.setColorAt(0.7, QColor(215, 216, 212));
    fil.setColorAt(1, QColor(120, 122, 120));
    p.setBrush(fil);
    p.drawRoundedRect(QRectF(len * 0.45, -w * 0.75, len * 0.55 + 1.0, w * 1.5), w * 0.6, w * 0.6);
    QLinearGradient g(QPointF(0, 0), QPointF(len, 0));
    g.setColorAt(0, QColor(120, 122, 124));
    g.setColorAt(0.3, QColor(245, 245, 240));
    g.setColorAt(0.55, QColor(160, 162, 164));
    g.setColorAt(0.8, QColor(222, 222, 218));
    g.setColorAt(1, QColor(170, 172, 172));
    p.setBrush(g);
    p.drawRect(QRectF(0, -w / 2, len, w));
    p.restore();
}

// ---------------------------------------------------------------------------
struct Scene {
    Copper cu;
    std::vector<Part> parts;
    std::vector<std::function<void(QPainter&)>> silk;   // silkscreen print
    std::vector<QPainterPath> exposed;                   // openings in the mask (HASL)
    Rng rng{0x5e771265ull};

    void add(QPainterPath sil, double h, std::function<void(QPainter&)> f) {
        parts.push_back({std::move(sil), h, std::move(f)});
    }
    void silkLine(std::vector<QPointF> pts, double w = 0.9) {
        silk.push_back([pts, w](QPainter& p) {
            p.setPen(QPen(kSilk, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(pts.data(), int(pts.size()));
        });
    }
    void silkRect(QRectF r, double w = 0.9) {
        silk.push_back([r, w](QPainter& p) {
            p.setPen(QPen(kSilk, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r);
        });
    }
    void silkText(QPointF c, QString s, double px, double angle = 0, int align = Qt::AlignCenter) {
        silk.push_back([c, s, px, angle, align](QPainter& p) {
            drawText(p, c, s, px, kSilk, true, angle, align);
        });
    }
    void silkDot(QPointF c, double r) {
        silk.push_back([c, r](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kSilk);
            p.drawEllipse(c, r, r);
        });
    }

    // --- parts -----------------------------------------------------------
    // Two-terminal chip (resistor / ceramic capacitor).  len along the axis.
    void chip(QPointF c, double len, double wid, bool vertical, char kind, const QString& ref = {},
              QPointF refOff = {}) {
        const double padL = len * 0.42, padW = wid * 1.15;
        for (int s : {-1, 1}) {
            QPointF pc = vertical ? QPointF(c.x(), c.y() + s * len * 0.42) : QPointF(c.x() + s * len * 0.42, c.y());
            QRectF pr = vertical ? QRectF(pc.x() - padW / 2, pc.y() - padL / 2, padW, padL)
                                 : QRectF(pc.x() - padL / 2, pc.y() - padW / 2, padL, padW);
            cu.padRect(pr, 0.5);
        }
        QRectF body = vertical ? QRectF(c.x() - wid / 2, c.y() - len / 2, wid, len)
                               : QRectF(c.x() - len / 2, c.y() - wid / 2, len, wid);
        const int seed = int(rng.next() % 1000);
        add(rectPath(body), kind == 'R' ? 1.2 : 2.0, [=](QPainter& p) {
            p.setPen(Qt::NoPen);
            const double cap = len * 0.2;
            // terminations
            for (int s : {-1, 1}) {
                QRectF t = vertical ? QRectF(body.left(), s < 0 ? body.top() : body.bottom() - cap, wid, cap)
                                    : QRectF(s < 0 ? body.left() : body.right() - cap, body.top(), cap, wid);
                p.setBrush(metal(t.topLeft(), t.bottomRight(), 0.3));
                p.drawRoundedRect(t, 0.5, 0.5);
            }
            QRectF mid = vertical ? body.adjusted(0, cap, 0, -cap) : body.adjusted(cap, 0, -cap, 0);
            if (kind == 'R') {
                p.setBrush(QColor(222, 220, 210));
                p.drawRect(mid);
                p.setBrush(QColor(26, 26, 28));
                p.drawRect(mid.adjusted(0.3, 0.3, -0.3, -0.3));
                drawText(p, mid.center(), seed % 3 == 0 ? "103" : (seed % 3 == 1 ? "472" : "220"),
                         std::min(mid.width(), mid.height()) * 0.62, QColor(210, 210, 205, 180), false,
                         vertical ? 90 : 0);
            } else {
                QLinearGradient g(mid.topLeft(), mid.bottomRight());
                g.setColorAt(0, QColor(188, 160, 118));
                g.setColorAt(1, QColor(132, 104, 70));
                p.setBrush(g);
                p.drawRect(mid);
            }
        });
        if (!ref.isEmpty()) silkText(c + refOff, ref, 5.2);
    }

    void dip(QPointF c, int pinsPerRow, const QString& mark1, const QString& mark2, const QString& ref) {
        const double pitch = 12.0, rowHalf = 18.0;
        const double span = (pinsPerRow - 1) * pitch;
        QRectF body(c.x() - span / 2 - 6, c.y() - 15, span + 12, 30);
        for (int r : {-1, 1})
            for (int m = 0; m < pinsPerRow; ++m) {
                QPointF pc(c.x() - span / 2 + m * pitch, c.y() + r * rowHalf);
                if (m == 0 && r > 0) cu.padRect(QRectF(pc.x() - 4.2, pc.y() - 4.2, 8.4, 8.4), 0.4);
                else cu.padRound(pc, 4.2);
            }
        silkRect(body.adjusted(-2, -1.5, 2, 1.5));
        silk.push_back([body](QPainter& p) {
            p.setPen(QPen(kSilk, 0.9));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(body.left() - 5, body.center().y() - 3.5, 7, 7), -90 * 16, 180 * 16);
        });
        silkText(QPointF(body.left() - 9, c.y()), ref, 6, -90);
        add(rectPath(body.adjusted(0, -3, 0, 3), 1.5), 4.5, [=](QPainter& p) {
            // leads: shoulders visible beside the body, ends going into holes
            for (int r : {-1, 1})
                for (int m = 0; m < pinsPerRow; ++m) {
                    QPointF pc(c.x() - span / 2 + m * pitch, c.y() + r * rowHalf);
                    QRectF leg(pc.x() - 2.4, r < 0 ? pc.y() - 1.2 : body.bottom() - 0.5, 4.8,
                               r < 0 ? body.top() - pc.y() + 1.7 : pc.y() - body.bottom() + 1.7);
                    p.setPen(Qt::NoPen);
                    p.setBrush(metal(leg.topLeft(), leg.topRight(), 0.3));
                    p.drawRect(leg);
                    // solder cone around the lead end
                    QRadialGradient sg(pc + QPointF(-0.8, -0.8), 3.6);
                    sg.setColorAt(0, QColor(245, 245, 240));
                    sg.setColorAt(0.5, QColor(190, 192, 190));
                    sg.setColorAt(1, QColor(140, 142, 142));
                    p.setBrush(sg);
                    p.drawEllipse(pc, 2.0, 2.0);
                }
            epoxyBody(p, body, 1.6);
            // notch and pin-1 dimple
            p.setBrush(QColor(16, 16, 18));
            p.drawEllipse(QPointF(body.left(), c.y()), 3.2, 3.2);
            p.setBrush(QColor(22, 22, 24));
            p.drawEllipse(QPointF(body.left() + 7, body.bottom() - 6.5), 2.2, 2.2);
            drawText(p, QPointF(c.x() + 4, c.y() - 4), mark1, 7.2, kMarking, false);
            drawText(p, QPointF(c.x() + 4, c.y() + 5), mark2, 5.6, kMarking, false);
        });
    }

    // Small outline IC; pins along the long sides (horizontal body when !vertical).
    void soic(QPointF c, int pinsPerSide, bool vertical, const QString& mark1, const QString& mark2,
              const QString& ref, QPointF refOff) {
        const double pitch = 6.1, bodyW = 18.7;
        const double bodyL = pinsPerSide * pitch - 0.8;
        const double tip = bodyW / 2 + 6.0;
        QRectF body = vertical ? QRectF(c.x() - bodyW / 2, c.y() - bodyL / 2, bodyW, bodyL)
                               : QRectF(c.x() - bodyL / 2, c.y() - bodyW / 2, bodyL, bodyW);
        std::vector<std::pair<QPointF, QPointF>> leads;
        for (int s : {-1, 1})
            for (int i = 0; i < pinsPerSide; ++i) {
                double o = -(pinsPerSide - 1) * pitch / 2 + i * pitch;
                QPointF from = vertical ? QPointF(c.x() + s * bodyW / 2, c.y() + o) : QPointF(c.x() + o, c.y() + s * bodyW / 2);
                QPointF to = vertical ? QPointF(c.x() + s * tip, c.y() + o) : QPointF(c.x() + o, c.y() + s * tip);
                leads.push_back({from, to});
                QPointF pc = from + (to - from) * 0.82;
                cu.padRect(vertical ? QRectF(pc.x() - 3.4, pc.y() - 1.6, 6.8, 3.2) : QRectF(pc.x() - 1.6, pc.y() - 3.4, 3.2, 6.8), 0.4);
            }
        QRectF outline = body.adjusted(-1.5, -1.5, 1.5, 1.5);
        silk.push_back([outline, vertical](QPainter& p) {
            p.setPen(QPen(kSilk, 0.9));
            if (vertical) {
                p.drawLine(outline.topLeft(), outline.topRight());
                p.drawLine(outline.bottomLeft(), outline.bottomRight());
            } else {
                p.drawLine(outline.topLeft(), outline.bottomLeft());
                p.drawLine(outline.topRight(), outline.bottomRight());
            }
        });
        silkDot(vertical ? QPointF(body.left() - 8, body.top() - 2) : QPointF(body.left() - 2, body.bottom() + 8), 1.3);
        silkText(c + refOff, ref, 6);
        add(rectPath(body, 1), 2.2, [=](QPainter& p) {
            for (auto& [a, b] : leads) gullLead(p, a, b, 2.1);
            epoxyBody(p, body, 1.0);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(18, 18, 20));
            p.drawEllipse(vertical ? QPointF(body.left() + 4, body.top() + 4) : QPointF(body.left() + 4, body.bottom() - 4), 1.6, 1.6);
            double ang = vertical ? 90 : 0;
            QPointF off = vertical ? QPointF(2.5, 0) : QPointF(0, 2.5);
            drawText(p, c - off, mark1, 4.6, kMarking, false, ang);
            drawText(p, c + off * 1.1, mark2, 3.8, kMarking, false, ang);
        });
    }

    void qfp(QPointF c, int perSide, double body, const QString& m1, const QString& m2, const QString& m3) {
        const double pitch = 3.76, tip = body / 2 + 7.0;
        QRectF b(c.x() - body / 2, c.y() - body / 2, body, body);
        std::vector<std::pair<QPointF, QPointF>> leads;
        for (int side = 0; side < 4; ++side)
            for (int i = 0; i < perSide; ++i) {
                double o = -(perSide - 1) * pitch / 2 + i * pitch;
                QPointF from, to;
                switch (side) {
                case 0: from = QPointF(c.x() + o, c.y() - body / 2); to = QPointF(c.x() + o, c.y() - tip); break;
                case 1: from = QPointF(c.x() + body / 2, c.y() + o); to = QPointF(c.x() + tip, c.y() + o); break;
                case 2: from = QPointF(c.x() + o, c.y() + body / 2); to = QPointF(c.x() + o, c.y() + tip); break;
                default: from = QPointF(c.x() - body / 2, c.y() + o); to = QPointF(c.x() - tip, c.y() + o); break;
                }
                leads.push_back({from, to});
                QPointF pc = from + (to - from) * 0.75;
                cu.padRect((side % 2 == 0) ? QRectF(pc.x() - 1.0, pc.y() - 3.2, 2.0, 6.4)
                                           : QRectF(pc.x() - 3.2, pc.y() - 1.0, 6.4, 2.0), 0.3);
            }
        // corner brackets on the silkscreen
        QRectF o = b.adjusted(-4, -4, 4, 4);
        for (int k = 0; k < 4; ++k) {
            QPointF corner = k == 0 ? o.topLeft() : k == 1 ? o.topRight() : k == 2 ? o.bottomRight() : o.bottomLeft();
            double sx = (k == 1 || k == 2) ? -1 : 1, sy = (k >= 2) ? -1 : 1;
            silkLine({corner + QPointF(sx * 5, 0), corner, corner + QPointF(0, sy * 5)});
        }
        silkDot(o.topLeft() + QPointF(-3.5, -3.5), 1.4);
        silkText(QPointF(b.right() + 14, b.top() - 12), "U5", 6.5);
        add(rectPath(b, 1.5), 2.2, [=](QPainter& p) {
            for (auto& [a, t] : leads) gullLead(p, a, t, 1.5);
            epoxyBody(p, b, 1.6);
            p.setPen(Qt::NoPen);
            // pin-1 dimple and the two mould ejector marks
            p.setBrush(QColor(20, 20, 22));
            p.drawEllipse(b.topLeft() + QPointF(6, 6), 2.6, 2.6);
            for (QPointF e : {b.topLeft() + QPointF(body * 0.75, body * 0.22), b.topLeft() + QPointF(body * 0.25, body * 0.8)}) {
                QRadialGradient g(e, 6);
                g.setColorAt(0, QColor(30, 30, 32));
                g.setColorAt(0.85, QColor(34, 34, 37));
                g.setColorAt(1, QColor(40, 40, 44, 0));
                p.setBrush(g);
                p.drawEllipse(e, 6, 6);
            }
            drawText(p, c + QPointF(0, -6), m1, 7.5, kMarking, true);
            drawText(p, c + QPointF(0, 3), m2, 5.4, kMarking, false);
            drawText(p, c + QPointF(0, 10), m3, 5.0, kMarking, false);
        });
    }
};

// Polygon with its corners rounded off by radius r (corners cut back along
// both edges and joined with a curve through the old corner).
QPainterPath roundedPolygon(const QPolygonF& poly, double r) {
    QPainterPath s;
    const int n = int(poly.size());
    for (int i = 0; i < n; ++i) {
        QPointF prev = poly[(i + n - 1) % n], cur = poly[i], next = poly[(i + 1) % n];
        QPointF d1 = prev - cur, d2 = next - cur;
        QPointF a = cur + d1 / std::hypot(d1.x(), d1.y()) * r;
        QPointF b = cur + d2 / std::hypot(d2.x(), d2.y()) * r;
        if (i == 0) s.moveTo(a); else s.lineTo(a);
        s.quadTo(cur, b);
    }
    s.closeSubpath();
    return s;
}

// ---------------------------------------------------------------------------
// The big parts along the edges.

// 37-way D connector mounted upright: plated steel flange with screw posts,
// the trapezoid shell and two rows of pins in dark insulation.
void addDsub(Scene& sc) {
    const QRectF flange(92, 33, 416, 66);
    const double cy = 66, topW = 344, botW = 318, hTop = 46, hBot = 88;
    auto trap = [=](double grow) {
        QPolygonF poly;
        poly << QPointF(300 - topW / 2 - grow, hTop - grow) << QPointF(300 + topW / 2 + grow, hTop - grow)
             << QPointF(300 + botW / 2 + grow, hBot + grow) << QPointF(300 - botW / 2 - grow, hBot + grow);
        return roundedPolygon(poly, 7 + grow * 0.6);
    };
    // Pads (through-hole) hide under the connector but the pour keeps away.
    sc.cu.keepout(flange.adjusted(-2, -2, 2, 2));
    sc.silkRect(flange.adjusted(-3, -3, 3, 3), 1.0);
    sc.silkText(QPointF(84, 52), "1", 6.5);
    sc.silkText(QPointF(518, 52), "19", 6.5);
    sc.silkText(QPointF(84, 80), "20", 6.5);
    sc.silkText(QPointF(518, 80), "37", 6.5);
    sc.silkText(QPointF(60, 86), "J1", 8);
    sc.silkText(QPointF(300, 109), "INPUTS  0 - 23", 7);

    QPainterPath sil;
    sil.addRoundedRect(flange, 2, 2);
    sc.add(sil, 13, [=](QPainter& p) {
        p.setPen(Qt::NoPen);
        // black plastic body peeking out behind the flange ends
        p.setBrush(QColor(28, 28, 30));
        p.drawRoundedRect(flange.adjusted(-1.5, 2.5, 1.5, -2.5), 2, 2);
        // flange: brushed nickel
        QLinearGradient fg(flange.topLeft(), flange.bottomLeft());
        fg.setColorAt(0, QColor(214, 216, 214));
        fg.setColorAt(0.45, QColor(190, 192, 192));
        fg.setColorAt(1, QColor(150, 152, 154));
        p.setBrush(fg);
        p.drawRoundedRect(flange, 2.2, 2.2);
        // brushing streaks
        Rng r(77);
        for (int i = 0; i < 140; ++i) {
            double y = flange.top() + 1 + r.uni() * (flange.height() - 2);
            double x = flange.left() + r.uni() * flange.width();
            double l = 20 + r.uni() * 80;
            int a = int(8 + r.uni() * 14);
            p.setPen(QPen(r.uni() < 0.5 ? QColor(255, 255, 255, a) : QColor(0, 0, 0, a), 0.5));
            p.drawLine(QPointF(x, y), QPointF(std::min(flange.right() - 1, x + l), y));
        }
        p.setPen(Qt::NoPen);
        // edge bevel
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(250, 250, 248, 150), 0.8));
        p.drawLine(flange.topLeft() + QPointF(2, 0.5), flange.topRight() + QPointF(-2, 0.5));
        p.setPen(QPen(QColor(90, 92, 94, 180), 0.9));
        p.drawLine(flange.bottomLeft() + QPointF(2, -0.5), flange.bottomRight() + QPointF(-2, -0.5));
        p.setPen(Qt::NoPen);
        // drawn rim of the shell rising out of the flange
        QPainterPath outer = trap(4.5);
        QLinearGradient rg(QPointF(0, hTop - 5), QPointF(0, hBot + 5));
        rg.setColorAt(0, QColor(248, 248, 246));
        rg.setColorAt(0.5, QColor(200, 202, 202));
        rg.setColorAt(1, QColor(120, 122, 124));
        p.setBrush(rg);
        p.drawPath(outer);
        QPainterPath mid = trap(2.2);
        QLinearGradient mg(QPointF(0, hTop - 3), QPointF(0, hBot + 3));
        mg.setColorAt(0, QColor(140, 142, 144));
        mg.setColorAt(1, QColor(236, 236, 234));
        p.setBrush(mg);
        p.drawPath(mid);
        // insulator face, deep inside the shell
        QPainterPath ins = trap(0);
        QLinearGradient ig(QPointF(0, hTop), QPointF(0, hBot));
        ig.setColorAt(0, QColor(14, 14, 16));
        ig.setColorAt(0.25, QColor(36, 36, 40));
        ig.setColorAt(1, QColor(46, 46, 50));
        p.setBrush(ig);
        p.drawPath(ins);
        // pins
        for (int row = 0; row < 2; ++row) {
            int n = row == 0 ? 19 : 18;
            double y = row == 0 ? 58 : 76;
            for (int i = 0; i < n; ++i) {
                double x = 300 - (n - 1) * 8.0 + i * 16.0;
                QPointF pc(x, y);
                p.setBrush(QColor(10, 10, 12));
                p.drawEllipse(pc + QPointF(0.4, 0.6), 3.6, 3.6);
                QRadialGradient g(pc + QPointF(-1.0, -1.1), 3.4);
                g.setColorAt(0, QColor(255, 252, 236));
                g.setColorAt(0.35, QColor(222, 206, 150));
                g.setColorAt(0.8, QColor(150, 126, 70));
                g.setColorAt(1, QColor(90, 74, 40));
                p.setBrush(g);
                p.drawEllipse(pc, 3.0, 3.0);
            }
        }
        // screw posts: hex standoffs with threaded holes
        for (double x : {113.0, 487.0}) {
            QPointF pc(x, cy);
            QPolygonF hex;
            for (int k = 0; k < 6; ++k) {
                double a = (k * 60 + 30) * M_PI / 180;
                hex << pc + QPointF(std::cos(a), std::sin(a)) * 11.5;
            }
            p.setBrush(QColor(60, 60, 62, 120));
            p.drawPolygon(hex.translated(1.2, 1.8));
            QLinearGradient hg(pc + QPointF(-10, -10), pc + QPointF(10, 10));
            hg.setColorAt(0, QColor(246, 246, 244));
            hg.setColorAt(0.5, QColor(190, 192, 194));
            hg.setColorAt(1, QColor(112, 114, 118));
            p.setBrush(hg);
            p.drawPolygon(hex);
            QPolygonF inner;
            for (auto& h : hex) inner << pc + (h - pc) * 0.82;
            QLinearGradient ig2(pc + QPointF(-9, -9), pc + QPointF(9, 9));
            ig2.setColorAt(0, QColor(214, 214, 212));
            ig2.setColorAt(1, QColor(150, 152, 156));
            p.setBrush(ig2);
            p.drawPolygon(inner);
            QRadialGradient th(pc + QPointF(0.6, 0.8), 4.6);
            th.setColorAt(0, QColor(8, 8, 8));
            th.setColorAt(0.7, QColor(40, 40, 42));
            th.setColorAt(1, QColor(120, 120, 122));
            p.setBrush(th);
            p.drawEllipse(pc, 4.6, 4.6);
            p.setPen(QPen(QColor(180, 180, 178, 90), 0.5));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(pc, 3.4, 3.4);
            p.drawEllipse(pc, 2.3, 2.3);
            p.setPen(Qt::NoPen);
        }
        // stamped dimples that hold the two flange halves together
        for (double x : {148.0, 452.0}) {
            for (double y : {40.0, 93.0}) {
                QRadialGradient g(QPointF(x - 0.8, y - 0.8), 3.2);
                g.setColorAt(0, QColor(120, 122, 124));
                g.setColorAt(0.7, QColor(180, 182, 182));
                g.setColorAt(1, QColor(230, 230, 228));
                p.setBrush(g);
                p.drawEllipse(QPointF(x, y), 3.0, 3.0);
            }
        }
    });
}

// USB type B receptacle at the lower edge (rectangle 226,600 84x114): a tinned
// steel box, open end facing out over the board edge.
void addUsbB(Scene& sc) {
    const QRectF top(233, 607, 70, 92);      // top face of the shell
    const QRectF front(233, 699, 70, 9);     // the bit of the open end we see
    // the four contacts leave the back of the shell
    for (double x : {256.0, 264.0, 272.0, 280.0}) sc.cu.padRound(QPointF(x, 604), 3.2);
    sc.cu.padRect(QRectF(226.5, 640, 6, 14), 1);
    sc.cu.padRect(QRectF(303.5, 640, 6, 14), 1);
    sc.cu.keepout(top.adjusted(-2, -2, 2, 2));
    sc.silkLine({{229, 684}, {229, 603}, {307, 603}, {307, 684}}, 0.9);
    sc.silkText(QPointF(214, 676), "USB", 7, -90);
    sc.silkText(QPointF(214, 612), "J2", 6.5);
    QPainterPath sil;
    sil.addRect(top.united(front));
    sc.add(sil, 11, [=](QPainter& p) {
        p.setPen(Qt::NoPen);
        // contact tails and the side tabs, soldered
        for (double x : {256.0, 264.0, 272.0, 280.0}) {
            QRectF t(x - 1.3, 600.5, 2.6, 7);
            p.setBrush(metal(t.topLeft(), t.topRight(), 0.4));
            p.drawRect(t);
        }
        for (double x : {229.5, 306.5}) {
            QRectF t(x - 2.6, 641, 5.2, 12);
            QRadialGradient g(t.center() + QPointF(-0.8, -1.5), 7);
            g.setColorAt(0, QColor(246, 246, 242));
            g.setColorAt(0.6, QColor(184, 186, 186));
            g.setColorAt(1, QColor(120, 122, 124));
            p.setBrush(g);
            p.drawRoundedRect(t, 1.8, 1.8);
        }
        // front face: shell edge around the square opening and the plastic tongue
        QLinearGradient fg(front.topLeft(), front.bottomLeft());
        fg.setColorAt(0, QColor(150, 152, 154));
        fg.setColorAt(1, QColor(96, 98, 100));
        p.setBrush(fg);
        p.drawRect(front);
        p.setBrush(QColor(14, 14, 16));
        p.drawRect(QRectF(front.left() + 6, front.top() + 2.2, front.width() - 12, front.height() - 2.2));
        p.setBrush(QColor(232, 232, 226));
        p.drawRect(QRectF(front.left() + 22, front.top() + 3.5, front.width() - 44, front.height() - 3.5));
        // top face
        QLinearGradient tg(top.topLeft(), top.bottomRight());
        tg.setColorAt(0, QColor(226, 228, 226));
        tg.setColorAt(0.55, QColor(194, 196, 196));
        tg.setColorAt(1, QColor(160, 162, 164));
        p.setBrush(tg);
        p.drawRoundedRect(top, 2.5, 2.5);
        // fine rolling texture of the sheet steel
        Rng r(91);
        for (int i = 0; i < 160; ++i) {
            double x = top.left() + 2 + r.uni() * (top.width() - 4);
            double y = top.top() + 2 + r.uni() * (top.height() - 4);
            double l = 6 + r.uni() * 26;
            int a = int(6 + r.uni() * 12);
            p.setPen(QPen(r.uni() < 0.5 ? QColor(255, 255, 255, a) : QColor(0, 0, 0, a), 0.5));
            p.drawLine(QPointF(x, y), QPointF(x, std::min(top.bottom() - 2, y + l)));
        }
        p.setPen(Qt::NoPen);
        // folded back edge and the seam down the middle
        QRectF back(top.left(), top.top(), top.width(), 7);
        QLinearGradient bg(back.topLeft(), back.bottomLeft());
        bg.setColorAt(0, QColor(130, 132, 134));
        bg.setColorAt(0.6, QColor(214, 216, 214));
        bg.setColorAt(1, QColor(176, 178, 178));
        p.setBrush(bg);
        p.drawRoundedRect(back, 2, 2);
        p.setPen(QPen(QColor(92, 94, 96, 200), 0.8));
        p.drawLine(QPointF(268, top.top() + 7), QPointF(268, top.top() + 30));
        p.setPen(QPen(QColor(250, 250, 248, 160), 0.6));
        p.drawLine(QPointF(269, top.top() + 7), QPointF(269, top.top() + 30));
        // embossed ribs along the sides
        for (double x : {top.left() + 9, top.right() - 9}) {
            QRectF rib(x - 2.5, top.top() + 16, 5, 58);
            QLinearGradient g(rib.topLeft(), rib.topRight());
            g.setColorAt(0, QColor(248, 248, 246));
            g.setColorAt(0.5, QColor(200, 202, 202));
            g.setColorAt(1, QColor(128, 130, 132));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRoundedRect(rib, 2.5, 2.5);
        }
        // two spring latches near the mouth
        for (double x : {256.0, 280.0}) {
            QPainterPath s;
            s.moveTo(x - 5, top.bottom() - 8);
            s.lineTo(x - 5, top.bottom() - 22);
            s.lineTo(x + 5, top.bottom() - 22);
            s.lineTo(x + 5, top.bottom() - 8);
            p.setPen(QPen(QColor(80, 82, 86, 220), 0.9));
            p.setBrush(QColor(176, 178, 180));
            p.drawPath(s);
            QLinearGradient g(QPointF(x, top.bottom() - 22), QPointF(x, top.bottom() - 8));
            g.setColorAt(0, QColor(238, 238, 236));
            g.setColorAt(1, QColor(150, 152, 156));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRoundedRect(QRectF(x - 3.6, top.bottom() - 20.5, 7.2, 11), 2.5, 2.5);
        }
        // rim highlight / shade
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 130), 0.8));
        p.drawLine(top.topLeft() + QPointF(1, 2), top.bottomLeft() + QPointF(1, -2));
        p.setPen(QPen(QColor(70, 72, 76, 170), 0.9));
        p.drawLine(top.topRight() + QPointF(-0.6, 2), top.bottomRight() + QPointF(-0.6, -1));
        p.drawLine(top.bottomLeft() + QPointF(1, -0.5), top.bottomRight() + QPointF(-1, -0.5));
    });
}

// Three-pin supply jumper (rectangle 329,628 32x58): pins in one column,
// shorting cap on the lower two (powered from USB), labels at both ends.
void addJumper(Scene& sc) {
    const double x = 345;
    const double ys[3] = {645, 657, 669};
    const QRectF header(x - 7, 638.5, 14, 37);
    for (double y : ys) sc.cu.padRound(QPointF(x, y), 4.4);
    sc.cu.keepout(header.adjusted(-2, -2, 2, 2));
    sc.silkRect(header.adjusted(-1.6, -1.4, 1.6, 1.4), 0.8);
    sc.silkText(QPointF(x, 632.4), "VEXT", 6.2);
    sc.silkText(QPointF(x, 681.6), "VUSB", 6.2);
    sc.silkText(QPointF(x + 17, 646), "JP1", 5.2, -90);
    const QRectF cap(x - 7.6, 649.5, 15.2, 27.5);
    QPainterPath sil;
    sil.addRect(header);
    sc.add(sil, 5, [=](QPainter& p) {
        p.setPen(Qt::NoPen);
        QLinearGradient g(header.topLeft(), header.bottomRight());
        g.setColorAt(0, QColor(58, 58, 62));
        g.setColorAt(1, QColor(16, 16, 18));
        p.setBrush(g);
        p.drawRoundedRect(header, 1, 1);
        // segment grooves of the strip
        p.setPen(QPen(QColor(8, 8, 10), 0.6));
        for (double y : {651.0, 663.0}) p.drawLine(QPointF(header.left() + 0.5, y), QPointF(header.right() - 0.5, y));
        p.setPen(Qt::NoPen);
        // bare top pin: square gilded post with a chamfered tip
        QPointF pc(x, ys[0]);
        p.setBrush(QColor(20, 20, 22));
        p.drawRect(QRectF(pc.x() - 3.2, pc.y() - 3.2, 6.4, 6.4));
        QRectF post(pc.x() - 2.2, pc.y() - 2.2, 4.4, 4.4);
        QLinearGradient pg(post.topLeft(), post.bottomRight());
        pg.setColorAt(0, QColor(255, 240, 170));
        pg.setColorAt(0.5, QColor(206, 170, 80));
        pg.setColorAt(1, QColor(120, 92, 34));
        p.setBrush(pg);
        p.drawRect(post);
        p.setBrush(QColor(255, 246, 200));
        p.drawRect(QRectF(pc.x() - 0.9, pc.y() - 0.9, 1.8, 1.8));
    });
    QPainterPath csil;
    csil.addRoundedRect(cap, 2, 2);
    sc.add(csil, 9, [=](QPainter& p) {
        p.setPen(Qt::NoPen);
        QLinearGradient g(cap.topLeft(), cap.topRight());
        g.setColorAt(0, QColor(150, 40, 44));
        g.setColorAt(0.25, QColor(118, 24, 28));
        g.setColorAt(1, QColor(62, 10, 14));
        p.setBrush(g);
        p.drawRoundedRect(cap, 2.2, 2.2);
        QRectF topf = cap.adjusted(1.6, 1.6, -1.6, -1.6);
        QLinearGradient t(topf.topLeft(), topf.bottomRight());
        t.setColorAt(0, QColor(132, 30, 34));
        t.setColorAt(1, QColor(88, 16, 20));
        p.setBrush(t);
        p.drawRoundedRect(topf, 1.5, 1.5);
        // open top: the two pin tips show through
        for (double y : {ys[1], ys[2]}) {
            p.setBrush(QColor(30, 6, 8));
            p.drawRect(QRectF(x - 2.8, y - 2.8, 5.6, 5.6));
            QLinearGradient pg(QPointF(x - 1.6, y - 1.6), QPointF(x + 1.6, y + 1.6));
            pg.setColorAt(0, QColor(236, 210, 130));
            pg.setColorAt(1, QColor(110, 84, 30));
            p.setBrush(pg);
            p.drawRect(QRectF(x - 1.6, y - 1.6, 3.2, 3.2));
        }
        // grip ridge
        p.setBrush(QColor(170, 60, 64, 120));
        p.drawRect(QRectF(cap.left() + 1, cap.top() + 1, cap.width() - 2, 1.1));
    });
}

// Barrel DC jack (rectangle 446,610 55x80): black moulded box, opening at
// the board edge.
void addJack(Scene& sc) {
    const QRectF body(451, 614, 45, 68);
    const QRectF front(451, 682, 45, 6);
    sc.cu.padRect(QRectF(466, 608.5, 15, 6), 1.2);
    sc.cu.padRect(QRectF(495, 640, 5.5, 13), 1.2);
    sc.cu.keepout(body.adjusted(-2, -4, 2, 2));
    sc.silkLine({{448.5, 684}, {448.5, 612}, {498.5, 612}, {498.5, 638}}, 0.9);
    sc.silkText(QPointF(440, 648), "J4", 6.5, -90);
    sc.silkText(QPointF(421, 672), "9V DC", 6.5);
    QPainterPath sil;
    sil.addRect(body.united(front));
    sc.add(sil, 11, [=](QPainter& p) {
        p.setPen(Qt::NoPen);
        // solder tails
        for (QRectF t : {QRectF(468, 609.5, 11, 5), QRectF(495.5, 641.5, 4.5, 10)}) {
            QRadialGradient g(t.center() + QPointF(-1, -1), 7);
            g.setColorAt(0, QColor(246, 246, 240));
            g.setColorAt(0.6, QColor(186, 188, 186));
            g.setColorAt(1, QColor(122, 124, 124));
            p.setBrush(g);
            p.drawRoundedRect(t, 1.5, 1.5);
        }
        QLinearGradient fg(front.topLeft(), front.bottomLeft());
        fg.setColorAt(0, QColor(40, 40, 42));
        fg.setColorAt(1, QColor(18, 18, 20));
        p.setBrush(fg);
        p.drawRect(front);
        p.setBrush(QColor(4, 4, 5));
        p.drawChord(QRectF(473.5 - 12, front.top() + 0.5, 24, 14), 0, 180 * 16);
        // body with soft bevels
        QLinearGradient rim(body.topLeft(), body.bottomRight());
        rim.setColorAt(0, QColor(84, 84, 88));
        rim.setColorAt(1, QColor(10, 10, 12));
        p.setBrush(rim);
        p.drawRoundedRect(body, 2.5, 2.5);
        QRectF t = body.adjusted(1.8, 1.8, -1.8, -1.2);
        QLinearGradient tg(t.topLeft(), t.bottomRight());
        tg.setColorAt(0, QColor(46, 46, 49));
        tg.setColorAt(1, QColor(24, 24, 26));
        p.setBrush(tg);
        p.drawRoundedRect(t, 1.8, 1.8);
        // moulded features: rear recess and the barrel hump
        QRectF rec(t.left() + 6, t.top() + 4, t.width() - 12, 14);
        p.setBrush(QColor(16, 16, 18));
        p.drawRoundedRect(rec, 1.5, 1.5);
        p.setBrush(QColor(60, 60, 64, 160));
        p.drawRect(QRectF(rec.left(), rec.bottom() - 0.8, rec.width(), 0.8));
        QRectF hump(t.left() + 4, t.top() + 24, t.width() - 8, t.height() - 26);
        QLinearGradient hg(hump.topLeft(), hump.topRight());
        hg.setColorAt(0, QColor(34, 34, 36));
        hg.setColorAt(0.3, QColor(70, 70, 74));
        hg.setColorAt(0.45, QColor(52, 52, 55));
        hg.setColorAt(1, QColor(20, 20, 22));
        p.setBrush(hg);
        p.drawRoundedRect(hump, 3, 3);
        drawText(p, hump.center() + QPointF(0, -4), "DC-005", 4.2, QColor(120, 120, 122, 90), false, 90);
    });
}

// 3 mm green LED seen from above (rectangle 119,612 30x108).
void addLed(Scene& sc) {
    const QPointF c(134, 666);
    sc.cu.padRound(QPointF(c.x() - 6.1, c.y()), 3.4);
    sc.cu.padRect(QRectF(c.x() + 6.1 - 3.4, c.y() - 3.4, 6.8, 6.8), 0.4);
    sc.cu.keepout(QRectF(c.x() - 12, c.y() - 12, 24, 24));
    sc.silk.push_back([c](QPainter& p) {
        p.setPen(QPen(kSilk, 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 12.5, c.y() - 12.5, 25, 25), 30 * 16, 300 * 16);
        double a = 30 * M_PI / 180;
        p.drawLine(c + QPointF(std::cos(a), -std::sin(a)) * 12.5, c + QPointF(std::cos(a), std::sin(a)) * 12.5);
    });
    sc.silkText(QPointF(134, 629), "PWR", 7.2);
    sc.silkText(QPointF(134, 687.5), "D2", 5.5);
    QPainterPath sil;
    sil.addEllipse(c, 10.5, 10.5);
    sc.add(sil, 8, [=](QPainter& p) {
        p.setPen(Qt::NoPen);
        // collar with the flat on the cathode side
        QPainterPath collar;
        collar.addEllipse(c, 10.2, 10.2);
        QPainterPath cut;
        cut.addRect(QRectF(c.x() + 8.8, c.y() - 11, 4, 22));
        collar = collar.subtracted(cut);
        QLinearGradient cg(c + QPointF(-9, -9), c + QPointF(9, 9));
        cg.setColorAt(0, QColor(150, 230, 150, 235));
        cg.setColorAt(1, QColor(20, 90, 30, 240));
        p.setBrush(cg);
        p.drawPath(collar);
        // dome: translucent green, darker towards the rim
        QRadialGradient dg(c + QPointF(-1.5, -1.5), 9);
        dg.setColorAt(0, QColor(120, 220, 110));
        dg.setColorAt(0.6, QColor(50, 160, 60));
        dg.setColorAt(1, QColor(16, 80, 24));
        p.setBrush(dg);
        p.drawEllipse(c, 8.2, 8.2);
        // reflector cup, die and bond wire seen through the lens
        p.setBrush(QColor(40, 110, 46, 200));
        p.drawEllipse(c + QPointF(0.5, 0.4), 3.0, 3.0);
        p.setBrush(QColor(20, 40, 20, 230));
        p.drawRect(QRectF(c.x() - 0.5, c.y() - 0.3, 1.8, 1.8));
        p.setPen(QPen(QColor(220, 230, 200, 150), 0.35));
        p.drawLine(c + QPointF(0.4, 0.6), c + QPointF(-3.2, -0.2));
        p.setPen(Qt::NoPen);
        // glints of the studio light on the lens
        QRadialGradient hl(c + QPointF(-2.8, -3.0), 2.6);
        hl.setColorAt(0, QColor(255, 255, 255, 230));
        hl.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(hl);
        p.drawEllipse(c + QPointF(-2.8, -3.0), 2.6, 2.6);
        QRadialGradient hl2(c + QPointF(3.2, 3.4), 1.6);
        hl2.setColorAt(0, QColor(220, 255, 220, 110));
        hl2.setColorAt(1, QColor(220, 255, 220, 0));
        p.setBrush(hl2);
        p.drawEllipse(c + QPointF(3.2, 3.4), 1.6, 1.6);
    });
}

// Crystal in a low HC-49/S can.
void addCrystal(Scene& sc, QPointF c) {
    const double w = 22, h = 50;
    QRectF r(c.x() - w / 2, c.y() - h / 2, w, h);
    sc.cu.padRound(QPointF(c.x(), c.y() - 11.7), 3.6);
    sc.cu.padRound(QPointF(c.x(), c.y() + 11.7), 3.6);
    sc.silkLine({{r.left() - 2, r.top() + 8}, {r.left() - 2, r.bottom() - 8}});
    sc.silkLine({{r.right() + 2, r.top() + 8}, {r.right() + 2, r.bottom() - 8}});
    sc.silkText(QPointF(c.x(), r.top() - 6), "X1", 6);
    QPainterPath sil;
    sil.addRoundedRect(r, w / 2, w / 2);
    sc.add(sil, 6, [=](QPainter& p) {
        p.setPen(Qt::NoPen);
        QLinearGradient g(r.topLeft(), r.topRight());
        g.setColorAt(0, QColor(130, 132, 134));
        g.setColorAt(0.22, QColor(246, 246, 244));
        g.setColorAt(0.5, QColor(190, 192, 192));
        g.setColorAt(0.85, QColor(138, 140, 144));
        g.setColorAt(1, QColor(96, 98, 102));
        p.setBrush(g);
        p.drawRoundedRect(r, w / 2, w / 2);
        QRectF inner = r.adjusted(2.4, 2.4, -2.4, -2.4);
        QLinearGradient g2(inner.topLeft(), inner.topRight());
        g2.setColorAt(0, QColor(176, 178, 178));
        g2.setColorAt(0.3, QColor(230, 230, 228));
        g2.setColorAt(1, QColor(150, 152, 156));
        p.setBrush(g2);
        p.drawRoundedRect(inner, inner.width() / 2, inner.width() / 2);
        drawText(p, c, "12.000", 5.4, QColor(60, 60, 64, 170), true, 90);
    });
    sc.cu.keepout(r.adjusted(-1, -1, 1, 1));
}

// Radial electrolytic capacitor seen from the top: coloured sleeve, scored
// aluminium lid, stripe on the minus side.
void addElectrolytic(Scene& sc, QPointF c, double rad, const QString& ref, QPointF refOff) {
    sc.cu.keepout(QRectF(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad));
    sc.silk.push_back([c, rad](QPainter& p) {
        p.setPen(QPen(kSilk, 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, rad + 2, rad + 2);
    });
    sc.silkText(c + QPointF(-rad - 6, -rad + 2), "+", 8);
    sc.silkText(c + refOff, ref, 6);
    QPainterPath sil;
    sil.addEllipse(c, rad, rad);
    sc.add(sil, 16, [=](QPainter& p) {
        p.setPen(Qt::NoPen);
        QRadialGradient sg(c + QPointF(-rad * 0.3, -rad * 0.3), rad * 1.3);
        sg.setColorAt(0, QColor(40, 70, 150));
        sg.setColorAt(0.7, QColor(22, 40, 100));
        sg.setColorAt(1, QColor(10, 18, 50));
        p.setBrush(sg);
        p.drawEllipse(c, rad, rad);
        // minus stripe on the sleeve
        p.setBrush(QColor(176, 188, 210));
        p.drawPie(QRectF(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad), -20 * 16, -50 * 16);
        p.setBrush(sg);
        p.drawEllipse(c, rad * 0.86, rad * 0.86);
        // rolled edge
        QRadialGradient rg(c, rad * 0.86);
        rg.setColorAt(0.85, QColor(20, 36, 90));
        rg.setColorAt(0.93, QColor(80, 110, 190));
        rg.setColorAt(1, QColor(14, 24, 64));
        p.setBrush(rg);
        p.drawEllipse(c, rad * 0.86, rad * 0.86);
        // lid
        QLinearGradient lg(c + QPointF(-rad, -rad), c + QPointF(rad, rad));
        lg.setColorAt(0, QColor(240, 240, 238));
        lg.setColorAt(0.5, QColor(190, 192, 194));
        lg.setColorAt(1, QColor(130, 132, 136));
        p.setBrush(lg);
        p.drawEllipse(c, rad * 0.7, rad * 0.7);
        p.setPen(QPen(QColor(110, 112, 116), 1.0, Qt::SolidLine, Qt::RoundCap));
        const double k = rad * 0.48;
        p.drawLine(c + QPointF(-k, -k * 0.0), c + QPointF(k, 0));
        p.drawLine(c + QPointF(0, -k), c + QPointF(0, k));
        p.drawLine(c + QPointF(-k * 0.7, -k * 0.7), c + QPointF(k * 0.7, k * 0.7));
        p.setPen(QPen(QColor(250, 250, 248, 150), 0.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-k, -0.8), c + QPointF(k, -0.8));
        p.drawLine(c + QPointF(-0.8, -k), c + QPointF(-0.8, k));
        p.setPen(Qt::NoPen);
    });
}

// SOT-223 regulator: three legs on one side, the wide tab on the other.
void addSot223(Scene& sc, QPointF c) {
    QRectF body(c.x() - 15.5, c.y() - 8.5, 31, 17);
    QRectF tab(c.x() - 7.5, c.y() - 16, 15, 7.5);
    sc.cu.padRect(QRectF(c.x() - 9, c.y() - 20, 18, 10), 0.6);
    for (double dx : {-11.0, 0.0, 11.0}) sc.cu.padRect(QRectF(c.x() + dx - 2.7, c.y() + 10, 5.4, 8), 0.6);
    sc.silkText(QPointF(c.x() - 24, c.y()), "U8", 6, -90);
    sc.add(rectPath(body, 1), 3.0, [=](QPainter& p) {
        gullLead(p, QPointF(c.x(), body.top()), QPointF(c.x(), c.y() - 17.5), 14);
        for (double dx : {-11.0, 0.0, 11.0}) gullLead(p, QPointF(c.x() + dx, body.bottom()), QPointF(c.x() + dx, c.y() + 16.5), 3.4);
        (void)tab;
        epoxyBody(p, body, 1.2);
        drawText(p, c + QPointF(0, -2), "AMS1117", 5.2, kMarking, false);
        drawText(p, c + QPointF(0, 4.5), "5.0 2231", 4.0, kMarking, false);
    });
}

// SMA rectifier diode, cathode band towards the regulator.
void addSma(Scene& sc, QPointF c) {
    QRectF body(c.x() - 6, c.y() - 10.5, 12, 21);
    sc.cu.padRect(QRectF(c.x() - 4.2, c.y() - 15, 8.4, 7), 0.6);
    sc.cu.padRect(QRectF(c.x() - 4.2, c.y() + 8, 8.4, 7), 0.6);
    sc.silkLine({{c.x() - 7.5, c.y() - 12}, {c.x() + 7.5, c.y() - 12}}, 1.4);
    sc.silkText(QPointF(c.x() - 13, c.y()), "D1", 6, -90);
    sc.add(rectPath(body, 1), 2.6, [=](QPainter& p) {
        p.setPen(Qt::NoPen);
        for (double s : {-1.0, 1.0}) {
            QRectF t(c.x() - 3.2, s < 0 ? body.top() - 3.2 : body.bottom() - 0.5, 6.4, 3.7);
            p.setBrush(metal(t.topLeft(), t.topRight(), 0.35));
            p.drawRect(t);
        }
        epoxyBody(p, body, 1.0);
        p.setBrush(QColor(150, 150, 152, 170));
        p.drawRect(QRectF(body.left() + 1.2, body.top() + 2.8, body.width() - 2.4, 2.2));
        drawText(p, c + QPointF(0, 2), "SS14", 4.0, kMarking, false, 90);
    });
}

// Tantalum chip capacitor: the only yellow thing on the board.
void addTantalum(Scene& sc, QPointF c, const QString& ref) {
    QRectF body(c.x() - 4.2, c.y() - 8, 8.4, 16);
    sc.cu.padRect(QRectF(c.x() - 5, c.y() - 10.5, 10, 6.5), 0.6);
    sc.cu.padRect(QRectF(c.x() - 5, c.y() + 4, 10, 6.5), 0.6);
    sc.silkText(QPointF(c.x() - 11, c.y()), ref, 5.5, -90);
    sc.add(rectPath(body, 0.8), 3, [=](QPainter& p) {
        p.setPen(Qt::NoPen);
        for (double s : {-1.0, 1.0}) {
            QRectF t(c.x() - 3.2, s < 0 ? body.top() - 1.5 : body.bottom() - 1.0, 6.4, 2.5);
            p.setBrush(metal(t.topLeft(), t.topRight(), 0.4));
            p.drawRect(t);
        }
        QLinearGradient g(body.topLeft(), body.bottomRight());
        g.setColorAt(0, QColor(246, 196, 70));
        g.setColorAt(0.5, QColor(224, 164, 34));
        g.setColorAt(1, QColor(170, 116, 16));
        p.setBrush(g);
        p.drawRoundedRect(body, 1.0, 1.0);
        p.setBrush(QColor(120, 70, 20, 220));
        p.drawRect(QRectF(body.left() + 0.8, body.top() + 1.0, body.width() - 1.6, 2.2));
        drawText(p, c + QPointF(0, 2), "107A", 3.6, QColor(110, 70, 16, 220), true, 90);
    });
}

// 6 mm tactile switch.
void addSwitch(Scene& sc, QPointF c) {
    QRectF body(c.x() - 14, c.y() - 14, 28, 28);
    for (double sx : {-1.0, 1.0})
        for (double sy : {-1.0, 1.0}) sc.cu.padRect(QRectF(c.x() + sx * 17 - 3.5, c.y() + sy * 10 - 3, 7, 6), 0.6);
    sc.silkRect(body.adjusted(-2, -2, 2, 2));
    sc.silkText(QPointF(c.x(), body.top() - 8), "RESET", 6.5);
    sc.add(rectPath(body, 1), 7, [=](QPainter& p) {
        p.setPen(Qt::NoPen);
        for (double sx : {-1.0, 1.0})
            for (double sy : {-1.0, 1.0}) gullLead(p, QPointF(c.x() + sx * 14, c.y() + sy * 10), QPointF(c.x() + sx * 19.5, c.y() + sy * 10), 2.8);
        QLinearGradient g(body.topLeft(), body.bottomRight());
        g.setColorAt(0, QColor(40, 40, 44));
        g.setColorAt(1, QColor(14, 14, 16));
        p.setBrush(g);
        p.drawRect(body);
        QRectF lid = body.adjusted(1.2, 1.2, -1.2, -1.2);
        QLinearGradient lg(lid.topLeft(), lid.bottomRight());
        lg.setColorAt(0, QColor(232, 232, 230));
        lg.setColorAt(0.5, QColor(186, 188, 190));
        lg.setColorAt(1, QColor(130, 132, 136));
        p.setBrush(lg);
        p.drawRect(lid);
        p.setBrush(QColor(100, 102, 106));
        for (double sx : {-1.0, 1.0})
            for (double sy : {-1.0, 1.0}) p.drawEllipse(c + QPointF(sx * 9.5, sy * 9.5), 1.4, 1.4);
        QRadialGradient bg(c + QPointF(-2.5, -2.5), 10);
        bg.setColorAt(0, QColor(70, 70, 74));
        bg.setColorAt(0.6, QColor(26, 26, 28));
        bg.setColorAt(1, QColor(8, 8, 10));
        p.setBrush(QColor(90, 92, 96));
        p.drawEllipse(c, 9.0, 9.0);
        p.setBrush(bg);
        p.drawEllipse(c, 7.8, 7.8);
    });
}

// Long single-inline resistor network, black with a pin-1 dot.
void addSip(Scene& sc, double cx, double cy, const QString& ref) {
    QRectF body(cx - 56, cy - 6.5, 112, 13);
    for (int k = 0; k < 9; ++k) sc.cu.padRound(QPointF(cx - 48 + 12 * k, cy), 3.8);
    sc.silkRect(body.adjusted(-1.8, -1.8, 1.8, 1.8), 0.8);
    sc.silkLine({{body.left() + 12, body.top() - 1.8}, {body.left() + 12, body.bottom() + 1.8}}, 0.8);
    sc.silkText(QPointF(body.right() + 10, cy), ref, 5.4, -90);
    sc.add(rectPath(body, 2), 9, [=](QPainter& p) {
        QLinearGradient g(body.topLeft(), body.bottomLeft());
        g.setColorAt(0, QColor(70, 70, 74));
        g.setColorAt(0.3, QColor(38, 38, 42));
        g.setColorAt(1, QColor(12, 12, 14));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(body, 3, 3);
        p.setBrush(QColor(255, 255, 255, 18));
        p.drawRoundedRect(QRectF(body.left() + 3, body.top() + 1.5, body.width() - 6, 3), 1.5, 1.5);
        p.setBrush(QColor(200, 200, 196, 200));
        p.drawEllipse(QPointF(body.left() + 6, cy), 1.6, 1.6);
        drawText(p, QPointF(cx + 4, cy + 0.5), "4609X-101-103LF", 5.8, QColor(176, 176, 172, 200), false);
    });
}

// ---------------------------------------------------------------------------
// Board layout and routing.  Coordinates are photo pixels.

const QRectF kBoard(18, 24, 564, 670);
const double kDipX[3] = {150, 300, 450};
const double kDipY = 218, kSipY = 150;
const QPointF kMcu(300, 392);

double mcuPin(int i) { return -28.2 + 3.76 * i; }   // offset of QFP-64 pin i along a side

void layout(Scene& sc) {
    Copper& cu = sc.cu;

    // Mounting holes, tinned, in the four corners.
    for (QPointF h : {QPointF(38, 44), QPointF(562, 44), QPointF(38, 674), QPointF(562, 674)}) {
        cu.padRound(h, 10.5);
        cu.keepout(QRectF(h.x() - 14, h.y() - 14, 28, 28));
    }

    addDsub(sc);

    // ---- input section: connector -> resistor networks -> buffers -> bus
    for (int n = 0; n < 24; ++n) {
        int g = n / 8, k = n % 8 + 1;
        double s = 140 + n * (320.0 / 23.0);
        double t = kDipX[g] - 48 + 12 * k;
        cu.tracePath(fan(QPointF(s, 90), QPointF(t, kSipY), 142), 2.2);
    }
    const char* mk1[3] = {"74HC245N", "74HC245N", "74HC245N"};
    for (int g = 0; g < 3; ++g) {
        double c = kDipX[g];
        addSip(sc, c, kSipY, QString("RN%1").arg(g + 1));
        sc.dip(QPointF(c, kDipY), 10, mk1[g], g == 1 ? "2231  CHN" : "2227  CHN", QString("U%1").arg(g + 1));
        for (int k = 1; k <= 8; ++k)
            cu.tracePath(fan(QPointF(c - 48 + 12 * k, kSipY), QPointF(c - 54 + 12 * k, kDipY - 18), 190), 2.0);
        // common pin of the network and buffer control pins
        cu.trace({{c - 48, kSipY}, {c - 48, 168}}, 2.0);
        cu.via({c - 48, 170});
        cu.trace({{c - 54, kDipY - 18}, {c - 60, 192}, {c - 66, 192}}, 1.8);
        cu.via({c - 68, 192});
        cu.trace({{c + 54, kDipY - 18}, {c + 61, 193}, {c + 70, 193}, {c + 75, 198}, {c + 75, 214}}, 2.4);
        sc.chip(QPointF(c + 75, kDipY), 9.6, 6, true, 'C', QString("C%1").arg(g + 1), QPointF(0, 16));
        cu.trace({{c + 75, 222}, {c + 75, 232}}, 2.4);
        cu.via({c + 75, 234});
        for (int m = 0; m < 10; ++m) {
            cu.trace({{c - 54 + 12 * m, kDipY + 18}, {c - 54 + 12 * m, 246}}, 1.8);
            cu.via({c - 54 + 12 * m, 248});
        }
    }
    // 8-bit data bus shared by the three buffers
    for (int k = 0; k < 8; ++k) {
        double y = 262 + 4.6 * k;
        double x0 = kDipX[0] - 54 + 12 * (k + 1), x1 = kDipX[2] - 54 + 12 * (k + 1);
        cu.trace({{x0, y}, {x1, y}}, 1.6);
        for (int g = 0; g < 3; ++g) cu.via({kDipX[g] - 54 + 12 * (k + 1), y}, 2.3);
        // tap down to the controller, left of the middle buffer
        double vx = 204 + 6 * (7 - k);
        cu.via({vx, y}, 2.3);
        double py = kMcu.y() + mcuPin(k);
        cu.via({vx, 308.0 + (k % 2) * 5}, 2.3);
        double yStart = std::max(318.0 + (k % 2) * 5, py - (252 - vx));
        cu.tracePath({{vx, 308 + (k % 2) * 5.0}, {vx, yStart}, {252, yStart + (252 - vx)}, {252, py}, {kMcu.x() - 38, py}}, 1.3);
    }

    // ---- controller
    sc.qfp(kMcu, 16, 66, "USB-DI24", "FW 1.2", "2231 A");
    // decoupling around it
    sc.chip(QPointF(348, 346), 7.7, 3.8, false, 'C', "C5", QPointF(0, -6));
    cu.trace({{kMcu.x() + mcuPin(13), 352}, {kMcu.x() + mcuPin(13), 346}, {344.8, 346}}, 1.4);
    cu.trace({{351.2, 346}, {358, 346}}, 1.4);
    cu.via({360, 346});
    sc.chip(QPointF(252, 440), 7.7, 3.8, false, 'C', "C6", QPointF(-12, 0));
    cu.trace({{kMcu.x() + mcuPin(1), 432}, {kMcu.x() + mcuPin(1), 440}, {255.2, 440}}, 1.4);
    cu.trace({{248.8, 440}, {244, 440}}, 1.4);
    cu.via({242, 440});
    sc.chip(QPointF(350, 440), 7.7, 3.8, false, 'C', "C7", QPointF(12, 0));
    cu.trace({{kMcu.x() + mcuPin(14), 432}, {kMcu.x() + mcuPin(14), 440}, {346.8, 440}}, 1.4);
    cu.trace({{353.2, 440}, {358, 440}}, 1.4);
    cu.via({360, 440});

    // crystal and load capacitors
    addCrystal(sc, QPointF(380, 392));
    cu.trace({{kMcu.x() + 38, kMcu.y() + mcuPin(7)}, {352, kMcu.y() + mcuPin(7)}, {363, 379}, {380, 379}, {380, 380}}, 1.4);
    cu.trace({{kMcu.x() + 38, kMcu.y() + mcuPin(8)}, {352, kMcu.y() + mcuPin(8)}, {363, 405}, {380, 405}}, 1.4);
    sc.chip(QPointF(406, 372), 7.7, 3.8, false, 'C', "C8", QPointF(0, -6));
    sc.chip(QPointF(406, 412), 7.7, 3.8, false, 'C', "C9", QPointF(0, 7));
    cu.trace({{380, 380.3}, {392, 380.3}, {400, 372.3}, {402.8, 372.3}}, 1.4);
    cu.trace({{380, 403.7}, {392, 403.7}, {400, 411.7}, {402.8, 411.7}}, 1.4);
    for (double y : {372.0, 412.0}) { cu.trace({{409.2, y}, {415, y}}, 1.4); cu.via({417, y}); }

    // serial latch to the right of the crystal, reached over the top
    sc.soic(QPointF(480, 392), 8, true, "74HC595D", "2218", "U7", QPointF(0, -34));
    for (int j = 0; j < 5; ++j) {
        double px = kMcu.x() + mcuPin(11 + j);
        double ty = 392 - 21.35 + 6.1 * j;
        double yh = 330 - 4.5 * j;
        cu.tracePath({{px, 352}, {px, yh + (340 - px) * 0.0 + 8}, {px + 8, yh}, {440 - 4.5 * j, yh},
                      {440 - 4.5 * j + (ty - yh) * 0.6, ty - (ty - yh) * 0.4}, {466, ty}}, 1.4);
    }
    for (int j = 0; j < 8; ++j) {
        double ty = 392 - 21.35 + 6.1 * j;
        cu.trace({{494, ty}, {504, ty}}, 1.4);
        if (j % 2 == 0) cu.via({507, ty});
        else { cu.trace({{504, ty}, {512, ty}}, 1.4); cu.via({515, ty}); }
    }
    for (int j = 5; j < 8; ++j) {
        double ty = 392 - 21.35 + 6.1 * j;
        cu.trace({{466, ty}, {456, ty}}, 1.4);
        cu.via({453 - (j - 5) * 0.0, ty});
    }
    sc.chip(QPointF(480, 432), 7.7, 3.8, false, 'C', "C15", QPointF(0, 7));
    cu.trace({{483.2, 432}, {494, 432}, {494, 423}}, 1.4);
    cu.trace({{476.8, 432}, {468, 432}}, 1.4);
    cu.via({466, 432});

    // EEPROM and its pull-ups, bottom left of the controller
    sc.soic(QPointF(218, 478), 4, false, "24LC64", "I/SN 19", "U6", QPointF(0, 20));
    for (int j = 0; j < 4; ++j) {
        double px = 218 - 9.15 + 6.1 * j;
        double mx = kMcu.x() + mcuPin(j + 2);
        const double yTurn = 463.8, yRun = 458.0 - 4 * (3 - j);
        cu.tracePath({{px, yTurn}, {px, yRun}, {mx - 6, yRun}, {mx, yRun - 6}, {mx, 432}}, 1.4);
    }
    sc.chip(QPointF(186, 470), 7.7, 3.8, true, 'R', "R1", QPointF(-8, 0));
    sc.chip(QPointF(194, 470), 7.7, 3.8, true, 'R', "", {});
    cu.trace({{186, 466.8}, {186, 458}}, 1.4);
    cu.trace({{194, 466.8}, {194, 458}}, 1.4);
    cu.via({186, 456});
    cu.via({194, 452});
    for (int j = 0; j < 4; ++j) {
        double px = 218 - 9.15 + 6.1 * j;
        cu.trace({{px, 490.2}, {px, 498}}, 1.4);
        cu.via({px, 500.0 + (j % 2) * 4});
    }

    // programming header (unpopulated) and reset button on the left
    for (int r = 0; r < 3; ++r)
        for (int cc = 0; cc < 2; ++cc) {
            QPointF h(94 + 12 * cc, 400 + 12 * r);
            if (r == 0 && cc == 0) cu.padRect(QRectF(h.x() - 4, h.y() - 4, 8, 8), 0.3);
            else cu.padRound(h, 4.0);
        }
    sc.silkRect(QRectF(85, 391, 30, 42), 0.8);
    sc.silkText(QPointF(100, 384), "PROG", 6.5);
    sc.silkText(QPointF(80, 400), "1", 5.5);
    for (int r = 0; r < 3; ++r) {
        double y = 400 + 12 * r;
        double py = kMcu.y() + mcuPin(10 + 2 * r);
        const double xb = 230.0 - 6 * r;
        cu.tracePath({{106, y}, {xb, y}, {xb + std::abs(py - y), py}, {kMcu.x() - 38, py}}, 1.5);
    }
    for (int r = 0; r < 3; ++r) {
        double y = 400 + 12 * r;
        cu.trace({{94, y}, {70, y}}, 1.5);
        cu.via({68, y});
    }
    addSwitch(sc, QPointF(100, 470));
    cu.trace({{117, 460}, {140, 460}, {150, 450}, {150, 436}}, 1.5);
    cu.via({150, 434});
    cu.trace({{83, 480}, {64, 480}}, 1.5);
    cu.via({62, 480});

    // ---- USB: series resistors on D+/D-, bus power to the jumper
    const double dm = kMcu.x() + mcuPin(7), dp = kMcu.x() + mcuPin(8);
    cu.trace({{dm, 432}, {dm, 462}, {292, 468}, {292, 496.2}}, 1.6);
    cu.trace({{dp, 432}, {dp, 462}, {308, 468}, {308, 496.2}}, 1.6);
    sc.chip(QPointF(292, 500), 7.7, 3.8, true, 'R', "R4", QPointF(-9, 0));
    sc.chip(QPointF(308, 500), 7.7, 3.8, true, 'R', "R5", QPointF(9, 0));
    cu.trace({{292, 503.8}, {292, 520}, {264, 548}, {264, 604}}, 1.6);
    cu.trace({{308, 503.8}, {308, 512}, {272, 548}, {272, 604}}, 1.6);
    cu.trace({{256, 604}, {256, 590}, {248, 582}}, 2.4);
    cu.via({246, 580}, 3.0);
    cu.trace({{280, 604}, {280, 592}, {292, 580}, {316, 580}, {321, 585}, {321, 660}, {330, 669}, {345, 669}}, 4.0);
    addUsbB(sc);
    sc.chip(QPointF(212, 640), 9.6, 6, true, 'C', "C13", QPointF(-10, 0));
    cu.trace({{212, 636}, {212, 626}}, 2.4);
    cu.via({212, 623}, 3.0);
    cu.trace({{212, 644}, {212, 654}}, 2.4);
    cu.via({212, 657}, 3.0);
    // bus power filter on the right of the USB socket (ferrite, bulk cap)
    sc.chip(QPointF(336, 560), 9.6, 6, true, 'R', "FB1", QPointF(12, 0));
    cu.trace({{336, 556}, {336, 540}, {330, 534}}, 2.4);
    cu.via({328, 532}, 3.0);
    cu.trace({{336, 564}, {336, 574}, {330, 580}, {316, 580}}, 2.4);

    // jumper: middle pin is the board supply
    addJumper(sc);
    cu.trace({{345, 657}, {364, 657}}, 3.0);
    cu.via({367, 657}, 3.2);

    // ---- DC input: jack -> diode -> regulator, VEXT to the jumper
    addJack(sc);
    addSma(sc, QPointF(473.5, 580));
    cu.trace({{473.5, 611}, {473.5, 592}}, 4.5);
    addSot223(sc, QPointF(473.5, 530));
    cu.trace({{473.5, 568}, {473.5, 560}, {484.5, 549}, {484.5, 545}}, 4.5);
    cu.trace({{484.5, 552}, {512, 552}, {528, 568}}, 4.5);
    addElectrolytic(sc, QPointF(530, 590), 17, "C11", QPointF(24, -18));
    cu.trace({{462.5, 545}, {462.5, 556}, {456, 562}}, 3.0);
    cu.via({453, 564}, 3.0);
    cu.trace({{497.75, 646.5}, {512, 646.5}, {520, 638}}, 3.5);
    cu.via({522, 636}, 3.2);
    // regulator output over the tab to the tantalum and on to VEXT
    cu.trace({{473.5, 512}, {473.5, 500}, {426, 500}, {418, 508}, {418, 520}}, 4.0);
    addTantalum(sc, QPointF(418, 528), "C12");
    cu.trace({{418, 536}, {418, 546}}, 3.0);
    cu.via({418, 549}, 3.0);
    cu.trace({{426, 500}, {380, 500}, {372, 508}, {372, 606}, {352, 626}, {345, 633}, {345, 645}}, 3.2);

    // test points between the jumper and the jack
    cu.padRound(QPointF(396, 600), 4.5);
    cu.padRound(QPointF(420, 600), 4.5);
    sc.silkText(QPointF(396, 590), "GND", 5.2);
    sc.silkText(QPointF(420, 590), "5V", 5.2);
    sc.silk.push_back([](QPainter& p) {
        p.setPen(QPen(kSilk, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(396, 600), 6.5, 6.5);
        p.drawEllipse(QPointF(420, 600), 6.5, 6.5);
    });
    cu.trace({{420, 604.5}, {420, 620}, {412, 628}}, 2.0);
    cu.via({410, 630}, 2.8);

    // ---- power LED
    addLed(sc);
    sc.chip(QPointF(134, 596), 7.7, 3.8, true, 'R', "R3", QPointF(-9, 0));
    cu.trace({{134, 592.2}, {134, 580}}, 1.8);
    cu.via({134, 577}, 2.8);
    cu.trace({{134, 599.8}, {134, 640}, {127.9, 646}, {127.9, 666}}, 1.8);
    cu.trace({{140.1, 666}, {152, 666}, {158, 660}}, 1.8);
    cu.via({160, 658}, 2.8);

    // ---- a few stray passives near the buffers' control pins
    for (int g = 0; g < 3; ++g) {
        double c = kDipX[g];
        sc.chip(QPointF(c - 70, 236), 7.7, 3.8, true, 'R', QString("R%1").arg(10 + g), QPointF(-8, 0));
        cu.trace({{c - 70, 232.2}, {c - 70, 226}, {c - 68, 224}, {c - 68, 194}}, 1.5);
        cu.trace({{c - 70, 239.8}, {c - 70, 248}}, 1.5);
        cu.via({c - 70, 251});
    }

    // supply supervisor on the right, holding the controller in reset
    sc.soic(QPointF(532, 300), 4, false, "809S", "T 2208", "U9", QPointF(-22, 0));
    for (int j = 0; j < 4; ++j) {
        double px = 532 - 9.15 + 6.1 * j;
        cu.trace({{px, 304.2}, {px, 312}}, 1.4);
        cu.trace({{px, 312.2}, {px, 320}}, 1.4);
        cu.via({px, 322.5 + (j % 2) * 4});
        cu.trace({{px, 287.8}, {px, 280}}, 1.4);
        cu.via({px, 277.5 - (j % 2) * 4});
    }
    sc.chip(QPointF(562, 300), 7.7, 3.8, true, 'C', "C16", QPointF(0, -10));
    cu.trace({{562, 303.8}, {562, 312}}, 1.4);
    cu.via({562, 314});
    sc.chip(QPointF(470, 472), 7.7, 3.8, false, 'R', "R6", QPointF(0, 7));
    sc.chip(QPointF(500, 472), 7.7, 3.8, false, 'R', "R7", QPointF(0, 7));
    sc.chip(QPointF(530, 472), 7.7, 3.8, false, 'C', "C17", QPointF(0, 7));
    for (double x : {470.0, 500.0, 530.0}) {
        cu.trace({{x - 3.2, 472}, {x - 10, 472}}, 1.4);
        cu.via({x - 12, 472});
        cu.trace({{x + 3.2, 472}, {x + 8, 472}, {x + 8, 462}}, 1.4);
        cu.via({x + 8, 460});
    }
    // input protection: clamp capacitors on the left, next to the first buffer
    for (int i = 0; i < 4; ++i) {
        double y = 296 + 14 * i;
        sc.chip(QPointF(56, y), 7.7, 3.8, false, i % 2 ? 'R' : 'C', i == 0 ? "C20" : "", QPointF(0, -7));
        cu.trace({{59.2, y}, {68, y}, {72, y - 4}}, 1.4);
        cu.via({74, y - 6});
        cu.trace({{52.8, y}, {46, y}}, 1.4);
        cu.via({44, y});
    }

    // fiducials for the pick-and-place camera
    for (QPointF f : {QPointF(40, 118), QPointF(560, 500)}) {
        cu.padRound(f, 2.6);
        cu.keepout(QRectF(f.x() - 6, f.y() - 6, 12, 12));
    }

    // ---- board-level silkscreen
    sc.silkText(QPointF(40, 548), "USB DIGITAL INPUT", 13.5, 0, Qt::AlignLeft);
    sc.silkText(QPointF(41, 565), "24 CH  OPTO-LESS  5V TTL", 7.5, 0, Qt::AlignLeft);
    sc.silkText(QPointF(41, 578), "REV 1.2", 7.5, 0, Qt::AlignLeft);
    sc.silkRect(QRectF(34, 534, 196, 52), 1.0);
    sc.silkText(QPointF(523, 662), "94V-0", 5.8);
}

// ---------------------------------------------------------------------------
// Painting the photograph.

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

// ---------------------------------------------------------------------------
// Encoders.

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

// ---------------------------------------------------------------------------
// Small pictures.

// DC jack polarity: GND to the outer sleeve (a C open to the right), the
// centre pin to +9V.
QImage paintPowerJack() {
    QImage img(112, 48, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QPointF c(57, 24);
    const double r = 12.5;
    p.setPen(QPen(Qt::black, 2.4, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 40 * 16, 280 * 16);
    p.drawLine(QPointF(31, c.y()), QPointF(c.x() - r, c.y()));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(c, 4.2, 4.2);
    p.setPen(QPen(Qt::black, 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c, QPointF(83, c.y()));
    drawText(p, QPointF(16, c.y()), "GND", 11, Qt::black, true);
    drawText(p, QPointF(97.5, c.y()), "+9V", 11, Qt::black, true);
    p.end();
    return img;
}

// Application icon: a chip on a piece of green board with a gear in front.
// Drawn on a 256 grid and scaled, with detail thinned out at small sizes.
// `vga` paints flat colours of the 16-colour palette without smoothing, so
// the 4-bit icon needs no dithering and keeps clean edges.
QImage paintIcon(int size, bool vga = false) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, !vga);
    auto brush = [vga](const QGradient& g, QRgb flat) { return vga ? QBrush(QColor(flat)) : QBrush(g); };
    p.scale(size / 256.0, size / 256.0);
    const bool tiny = size <= 16, small = size <= 32;
    // board
    QRectF board(14, 14, 228, 228);
    QLinearGradient bg(board.topLeft(), board.bottomRight());
    bg.setColorAt(0, QColor(52, 168, 88));
    bg.setColorAt(1, QColor(18, 98, 50));
    p.setPen(QPen(vga ? QColor(0, 0, 0) : QColor(10, 60, 30), tiny ? 14 : 6));
    p.setBrush(brush(bg, qRgb(0, 128, 0)));
    p.drawRoundedRect(board, 40, 40);
    // traces running off the chip
    if (!tiny) {
        p.setPen(QPen(vga ? QColor(0, 255, 0) : QColor(150, 225, 150), small ? 12 : 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(100, 60), QPointF(100, 40)}));
        p.drawPolyline(QPolygonF({QPointF(150, 60), QPointF(150, 46), QPointF(170, 30)}));
        p.drawPolyline(QPolygonF({QPointF(60, 110), QPointF(36, 110)}));
        p.drawPolyline(QPolygonF({QPointF(60, 150), QPointF(44, 150), QPointF(32, 162)}));
        p.setPen(Qt::NoPen);
        p.setBrush(vga ? QColor(255, 255, 0) : QColor(240, 200, 80));
        for (QPointF d : {QPointF(100, 36), QPointF(172, 28), QPointF(32, 110), QPointF(30, 164)})
            p.drawEllipse(d, small ? 11 : 9, small ? 11 : 9);
    }
    // chip
    QRectF chip(62, 62, 112, 112);
    const int legs = tiny ? 2 : (small ? 3 : 5);
    p.setPen(Qt::NoPen);
    p.setBrush(vga ? QColor(192, 192, 192) : QColor(215, 218, 220));
    for (int i = 0; i < legs; ++i) {
        double o = chip.left() + chip.width() * (i + 1) / (legs + 1);
        double lw = tiny ? 22 : (small ? 16 : 10);
        p.drawRect(QRectF(o - lw / 2, chip.top() - 14, lw, 14));
        p.drawRect(QRectF(chip.left() - 14, o - lw / 2, 14, lw));
        p.drawRect(QRectF(o - lw / 2, chip.bottom(), lw, 14));
        p.drawRect(QRectF(chip.right(), o - lw / 2, 14, lw));
    }
    QLinearGradient cg(chip.topLeft(), chip.bottomRight());
    cg.setColorAt(0, QColor(70, 70, 76));
    cg.setColorAt(1, QColor(14, 14, 18));
    p.setBrush(brush(cg, qRgb(0, 0, 0)));
    p.drawRoundedRect(chip, 10, 10);
    if (!small) {
        p.setBrush(QColor(110, 110, 118));
        p.drawEllipse(QPointF(84, 84), 8, 8);
    }
    // gear
    const QPointF gc(178, 178);
    const double ro = 62, ri = 48, rh = 19;
    const int teeth = 8;
    QPainterPath gear;
    for (int i = 0; i < teeth * 4; ++i) {
        double a = (i - 0.5) * 2 * M_PI / (teeth * 4);
        double rr = (i % 4 == 0 || i % 4 == 1) ? ro : ri;
        QPointF pt = gc + QPointF(std::cos(a), std::sin(a)) * rr;
        if (i == 0) gear.moveTo(pt); else gear.lineTo(pt);
    }
    gear.closeSubpath();
    QPainterPath holeP;
    holeP.addEllipse(gc, rh, rh);
    gear = gear.subtracted(holeP);
    QLinearGradient gg(gc - QPointF(ro, ro), gc + QPointF(ro, ro));
    gg.setColorAt(0, QColor(255, 214, 90));
    gg.setColorAt(1, QColor(214, 130, 20));
    p.setPen(QPen(vga ? QColor(128, 128, 0) : QColor(110, 60, 0), tiny || vga ? 12 : 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(brush(gg, qRgb(255, 255, 0)));
    p.drawPath(gear);
    p.end();
    return img;
}

}   // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; no display is required to paint images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::filesystem::path out = argc > 1 ? argv[1] : "template/assets";
    std::error_code ec;
    std::filesystem::create_directories(out, ec);

    bool ok = true;
    auto say = [&](bool good, const std::filesystem::path& f) {
        std::printf("%s %s\n", good ? "wrote" : "FAILED", f.string().c_str());
        ok = ok && good;
    };

    say(writeJpeg(paintBoard(), (out / "board.jpg").string()), out / "board.jpg");
    say(writeBmp24(paintPowerJack(), (out / "powerjack.bmp").string()), out / "powerjack.bmp");
    for (int s : {16, 32, 48, 64, 128, 256}) {
        auto f = out / ("icon-" + std::to_string(s) + ".png");
        say(paintIcon(s).save(QString::fromStdString(f.string()), "PNG"), f);
    }
    say(writeIco16(paintIcon(32, true), (out / "icon.ico").string()), out / "icon.ico");
    return ok ? 0 : 1;
}
