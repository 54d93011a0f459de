// Board layout and routing.  Coordinates are photo pixels.

#include "BoardParts.h"

#include <algorithm>
#include <cmath>

namespace assets {

namespace {

const double kDipX[3] = {150, 300, 450};
const double kDipY = 218, kSipY = 150;
const QPointF kMcu(300, 392);

double mcuPin(int i) { return -28.2 + 3.76 * i; }   // offset of QFP-64 pin i along a side

}   // namespace

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

}   // namespace assets
