// The parts of the board photograph and where they sit.  Each add* function
// puts a part's pads into the copper, its print into the silkscreen and its
// body into the scene.  The four parts the window puts rings over must stay
// inside the rectangles listed in main.cpp.
#pragma once

#include "Scene.h"

namespace assets {

// Large parts along the edges (EdgeParts.cpp).
void addDsub(Scene& sc);
void addUsbB(Scene& sc);
void addJumper(Scene& sc);
void addJack(Scene& sc);
void addLed(Scene& sc);

// Smaller parts (BoardParts.cpp).
void addCrystal(Scene& sc, QPointF c);
void addElectrolytic(Scene& sc, QPointF c, double rad, const QString& ref, QPointF refOff);
void addSot223(Scene& sc, QPointF c);
void addSma(Scene& sc, QPointF c);
void addTantalum(Scene& sc, QPointF c, const QString& ref);
void addSwitch(Scene& sc, QPointF c);
void addSip(Scene& sc, double cx, double cy, const QString& ref);

// Places every part and routes the copper between them (BoardLayout.cpp).
void layout(Scene& sc);

}   // namespace assets
