// The board as a scene: copper, parts and silkscreen are collected first and
// painted later in layers, plus the materials the parts are made of.
#pragma once

#include "Paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace assets {

// Colours of the board.
inline const QColor kTinLight(236, 236, 230);
inline const QColor kTin(190, 192, 190);
inline const QColor kTinDark(118, 120, 122);
inline const QColor kSilk(238, 240, 232);
inline const QColor kMarking(150, 150, 152, 150);

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

// A part is painted twice: once as a silhouette into a shadow layer, then for
// real.  `height` sets how far the shadow falls (light comes from top left).
struct Part {
    QPainterPath silhouette;
    double height;
    std::function<void(QPainter&)> paint;
};

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
              QPointF refOff = {});
    // Through-hole DIP with two rows of pins.
    void dip(QPointF c, int pinsPerRow, const QString& mark1, const QString& mark2, const QString& ref);
    // Small outline IC; pins along the long sides (horizontal body when !vertical).
    void soic(QPointF c, int pinsPerSide, bool vertical, const QString& mark1, const QString& mark2,
              const QString& ref, QPointF refOff);
    // Square quad flat package, `perSide` gull-wing leads on each side.
    void qfp(QPointF c, int perSide, double body, const QString& m1, const QString& m2, const QString& m3);
};

// Vertical, then 45 degrees, then vertical again, with the slant ending at yEnd:
// fanned-out buses routed this way never cross each other.
std::vector<QPointF> fan(QPointF a, QPointF b, double yEnd);

QPainterPath rectPath(QRectF r, double radius = 0);

// Polygon with its corners rounded off by radius r.
QPainterPath roundedPolygon(const QPolygonF& poly, double r);

// Matte black epoxy body of an IC.
void epoxyBody(QPainter& p, QRectF r, double radius = 1.2);

// Bright tinned metal with a highlight along `dir`.
QLinearGradient metal(QPointF a, QPointF b, double hi = 0.35);

// Gull-wing lead seen from above.
void gullLead(QPainter& p, QPointF from, QPointF to, double w);

}   // namespace assets
