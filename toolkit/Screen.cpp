#include "toolkit/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

int TScreen::Width() const
{
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 0;
}

int TScreen::Height() const
{
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : 0;
}

TRect TScreen::WorkArea() const
{
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s)
        return TRect{};
    const QRect a = s->availableGeometry();
    return Bounds(a.x(), a.y(), a.width(), a.height());
}

int TScreen::PixelsPerInch() const
{
    QScreen* s = QGuiApplication::primaryScreen();
    const int dpi = s ? int(std::lround(s->logicalDotsPerInch())) : 96;
    return dpi > 0 ? dpi : 96;
}

void TScreen::AddForm(TForm* form)
{
    FForms.push_back(form);
}

void TScreen::RemoveForm(TForm* form)
{
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
}
