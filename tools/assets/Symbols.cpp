#include "Symbols.h"

#include "Paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QSvgGenerator>

#include <cmath>

namespace assets {

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
static void drawIcon(QPainter& p, int size, bool vga) {
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
}

QImage paintIcon(int size, bool vga) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    drawIcon(p, size, vga);
    p.end();
    return img;
}

// The same drawing at its full 256 design, recorded as vector paths and
// gradients: the icon for any size a desktop asks for.
bool writeIconSvg(const std::string& path) {
    QSvgGenerator svg;
    svg.setFileName(QString::fromStdString(path));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle("Board Settings");
    svg.setDescription("A chip on a piece of green board with a gear in front");
    QPainter p;
    if (!p.begin(&svg)) return false;
    drawIcon(p, 256, false);
    return p.end();
}

}   // namespace assets
