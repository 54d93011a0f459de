#include "toolkit/WinApi.h"

#include <QCursor>
#include <QMessageBox>
#include <QPushButton>

#include "toolkit/Canvas.h"
#include "toolkit/QtBridge.h"

namespace {
TMessageBoxHandler gMessageBoxHandler;
}

TPoint GetCursorPos()
{
    QPoint p = QCursor::pos();
    return TPoint{p.x(), p.y()};
}

void SetCursorPos(int x, int y)
{
    QCursor::setPos(x, y);
}

void BitBlt(TCanvas& dst, int x, int y, int w, int h, const TCanvas& src, int sx, int sy)
{
    dst.CopyRect(Bounds(x, y, w, h), src, Bounds(sx, sy, w, h));
}

void SetMessageBoxHandler(TMessageBoxHandler handler)
{
    gMessageBoxHandler = std::move(handler);
}

int MessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    if (gMessageBoxHandler)
        return gMessageBoxHandler(text, caption, flags);
    QMessageBox box;
    box.setText(ToQString(text));
    box.setWindowTitle(ToQString(caption));
    switch (flags & 0xF0) {
    case MB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    if (flags & MB_TOPMOST)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    struct Choice {
        QPushButton* button;
        int id;
    };
    std::vector<Choice> choices;
    auto add = [&](const char* label, QMessageBox::ButtonRole role, int id) {
        choices.push_back({box.addButton(QString::fromLatin1(label), role), id});
    };
    switch (flags & 0xF) {
    case MB_OKCANCEL: add("OK", QMessageBox::AcceptRole, IDOK); add("Cancel", QMessageBox::RejectRole, IDCANCEL); break;
    case MB_YESNO: add("&Yes", QMessageBox::YesRole, IDYES); add("&No", QMessageBox::NoRole, IDNO); break;
    case MB_RETRYCANCEL: add("&Retry", QMessageBox::AcceptRole, IDRETRY); add("Cancel", QMessageBox::RejectRole, IDCANCEL); break;
    default: add("OK", QMessageBox::AcceptRole, IDOK); break;
    }
    size_t def = (flags & MB_DEFBUTTON2) && choices.size() > 1 ? 1 : 0;
    box.setDefaultButton(choices[def].button);
    box.setEscapeButton(choices.back().button);
    box.exec();
    for (const Choice& c : choices)
        if (box.clickedButton() == c.button)
            return c.id;
    return IDCANCEL;
}
