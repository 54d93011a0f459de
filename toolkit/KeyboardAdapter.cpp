#include "toolkit/KeyboardAdapter.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "toolkit/Application.h"
#include "toolkit/WinControl.h"

int VirtualKeyOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_F1: return VK_F1;
    default: break;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    return 0;
}

TkKeyboardAdapter::TkKeyboardAdapter(TWinControl* control, QObject* widget) : QObject(widget), FControl(control)
{
    widget->installEventFilter(this);
}

bool TkKeyboardAdapter::eventFilter(QObject*, QEvent* event)
{
    TWinControl* c = FControl;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* e = static_cast<QKeyEvent*>(event);
        const int key = VirtualKeyOf(e->key());
        if (!key)
            return false;
        // Holding Enter or Space down presses nothing again.
        if (e->isAutoRepeat() && (key == VK_RETURN || key == VK_SPACE))
            return true;
        TShiftState shift = 0;
        if (e->modifiers() & Qt::ShiftModifier || e->key() == Qt::Key_Backtab)
            shift |= ssShift;
        if (e->modifiers() & Qt::AltModifier)
            shift |= ssAlt;
        if (e->modifiers() & Qt::ControlModifier)
            shift |= ssCtrl;
        bool handled = false;
        Application->Guard(c, [&] { handled = c->KeyPressed(key, shift); });
        return handled;
    }
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        Application->Guard(c, [&] {
            c->FocusEntered(reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason,
                            reason == Qt::BacktabFocusReason, reason == Qt::MouseFocusReason);
        });
        break;
    }
    case QEvent::FocusOut:
        Application->Guard(c, [&] { c->FocusLeft(); });
        break;
    default:
        break;
    }
    return false;
}
