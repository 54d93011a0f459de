#include "Scene.h"

#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace assets {

// Vertical, then 45 degrees, then vertical again, with the slant ending at yEnd:
// fanned-out buses routed this way never cross each other.
std::vector<QPointF> fan(QPointF a, QPointF b, double yEnd) {
    const double dx = b.x() - a.x();
    double yStart = yEnd - std::abs(dx);
    if (yStart < a.y()) yStart = a.y();
    return {a, QPointF(a.x(), yStart), QPointF(b.x(), yStart + std::abs(dx)), b};
}

QPainterPath rectPath(QRectF r, double radius) {
    QPainterPath s;
    if (radius > 0) s.addRoundedRect(r, radius, radius); else s.addRect(r);
    return s;
}

// Matte black epoxy: a slightly brighter rim where the moulded edge rounds
// off, a flat top, and a faint sheen from the light.
void epoxyBody(QPainter& p, QRectF r, double radius) {
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
QLinearGradient metal(QPointF a, QPointF b, double hi) {
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
// Generic parts.

// Two-terminal chip (resistor / ceramic capacitor).  len along the axis.
void Scene::chip(QPointF c, double len, double wid, bool vertical, char kind, const QString& ref,
                 QPointF refOff) {
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

void Scene::dip(QPointF c, int pinsPerRow, const QString& mark1, const QString& mark2, const QString& ref) {
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
void Scene::soic(QPointF c, int pinsPerSide, bool vertical, const QString& mark1, const QString& mark2,
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

void Scene::qfp(QPointF c, int perSide, double body, const QString& m1, const QString& m2, const QString& m3) {
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

}   // namespace assets
