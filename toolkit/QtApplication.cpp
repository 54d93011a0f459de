#include "toolkit/QtApplication.h"

#include <QEvent>

#include "toolkit/Application.h"

TkQtApplication::TkQtApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TkQtApplication::notify(QObject* receiver, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut: {
        KeyboardScope scope;
        return QApplication::notify(receiver, event);
    }
    default:
        return QApplication::notify(receiver, event);
    }
}

bool TApplication::HandlingKeyboard() const
{
    return TkQtApplication::HandlingKeyboard();
}
