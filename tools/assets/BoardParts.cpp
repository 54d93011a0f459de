// Smaller parts: crystal, capacitors, regulator, diode, switch, resistor network.

#include "BoardParts.h"

#include <QRadialGradient>

namespace assets {

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

}   // namespace assets
