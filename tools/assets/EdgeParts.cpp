// The big parts along the edges of the board.

#include "BoardParts.h"

#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace assets {

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

}   // namespace assets
