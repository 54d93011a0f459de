#include "toolkit/FormFrame.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShortcut>

#include "toolkit/Application.h"
#include "toolkit/Form.h"

TkFormFrame::TkFormFrame(TForm* form) : FForm(form)
{
    // F1 asks for help wherever the focus is in the window.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    QObject::connect(help, &QShortcut::activated, this, [this] { Application->Guard(FForm, [this] { FForm->Help(); }); });
}

bool TkFormFrame::event(QEvent* event)
{
    TForm* f = FForm;
    switch (event->type()) {
    case QEvent::WindowActivate:
        Application->Guard(f, [f] { Application->SetActiveForm(f); });
        break;
    case QEvent::WindowDeactivate:
        Application->Guard(f, [f] { Application->FormDeactivated(f); });
        break;
    case QEvent::Move:
    case QEvent::Resize: {
        bool r = QWidget::event(event);
        Application->Guard(f, [f] { f->FrameGeometryChanged(); });
        return r;
    }
    case QEvent::WindowStateChange: {
        bool r = QWidget::event(event);
        Application->Guard(f, [f] {
            f->FrameGeometryChanged();
            f->FrameStateChanged();
        });
        return r;
    }
    default:
        break;
    }
    return QWidget::event(event);
}

void TkFormFrame::closeEvent(QCloseEvent* event)
{
    // The form decides: hiding or ending the program happens in Close.
    event->ignore();
    Application->Guard(FForm, [this] { FForm->Close(); });
}

void TkFormFrame::keyPressEvent(QKeyEvent* event)
{
    bool handled = false;
    Application->Guard(FForm, [&] { handled = FForm->FrameKey(event->key()); });
    if (!handled)
        QWidget::keyPressEvent(event);
}
