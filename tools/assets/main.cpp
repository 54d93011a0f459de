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
//   icon.svg        the same icon as vector drawing, for any other size.
//   icon.ico        32 x 32, 16-colour icon for old-style launchers.
//
// There is no camera original: the "photo" is painted with QPainter at twice
// the size and scaled down, then given sensor noise and a light vignette.
// Everything is deterministic (fixed seed), so rerunning gives identical files:
//
//   cmake --build build --target make_assets && build/tools/make_assets template/assets
//
// Sources: Paint.h (canvas, random source, blur, text), Scene.h (copper,
// parts and silkscreen collected before painting), BoardParts.h with
// EdgeParts.cpp, BoardParts.cpp and BoardLayout.cpp (the parts and where they
// sit), BoardPhoto.cpp (painting the photograph), Symbols.cpp (jack symbol,
// icon) and Encoders.cpp (JPEG, BMP, ICO).

#include "BoardPhoto.h"
#include "Encoders.h"
#include "Symbols.h"

#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

using namespace assets;

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
    say(writeIconSvg((out / "icon.svg").string()), out / "icon.svg");
    say(writeIco16(paintIcon(32, true), (out / "icon.ico").string()), out / "icon.ico");
    return ok ? 0 : 1;
}
