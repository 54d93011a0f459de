#pragma once
// Helpers shared by the toolkit tests: forms that clean up after themselves,
// pointer and button input through Qt, and exception capture.
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "common/Wait.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/SurfaceWidget.h"
#include "toolkit/WinApi.h"

namespace tk_test {

// A form deleted at the end of the test; tests in one process must not leave
// windows behind that would catch the pointer later.
struct FormDeleter {
    void operator()(TForm* f) const { delete f; }
};
using FormPtr = std::unique_ptr<TForm, FormDeleter>;

inline FormPtr MakeForm(int left, int top, int clientWidth, int clientHeight)
{
    FormPtr form(new TForm(nullptr));
    form->SetBounds(left, top, clientWidth, clientHeight);
    form->SetClientSize(clientWidth, clientHeight);
    return form;
}

// The client surface has been painted at least once.
inline bool SurfacePainted(TWinControl* control)
{
    auto* surface = dynamic_cast<TkSurfaceWidget*>(control->ClientHost());
    return surface && surface->Painted();
}

// Shows the form and lets its first paint run (its client area may be
// covered by children entirely, so no particular surface is waited for).
inline bool ShowAndWait(TForm* form)
{
    form->Show();
    bool exposed = WaitFor([form] {
        QWindow* w = form->Handle()->windowHandle();
        return w && w->isExposed();
    });
    DrainEvents(30);
    return exposed;
}

// Moves the pointer to a corner of the screen that no test window covers and
// lets the resulting enter and leave events run.
inline void ParkPointer()
{
    SetCursorPos(1020, 764);
    WaitFor([] { return GetCursorPos() == TPoint{1020, 764}; });
    DrainEvents(50);
}

// Sends a mouse button event to a widget at a point in its coordinates.
inline void SendMouse(QWidget* widget, QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton)
{
    QPointF local(x, y);
    QPointF global = widget->mapToGlobal(local);
    Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Collects what reaches Application->OnException while it lives.
class ExceptionLog {
public:
    ExceptionLog()
    {
        Application->OnException = [this](TObject* sender, const std::exception& e) {
            Senders.push_back(sender);
            Messages.push_back(e.what());
        };
    }
    ~ExceptionLog() { Application->OnException = nullptr; }
    ExceptionLog(const ExceptionLog&) = delete;
    ExceptionLog& operator=(const ExceptionLog&) = delete;

    std::vector<TObject*> Senders;
    std::vector<std::string> Messages;
};

// Answers every message box itself while it lives, recording the texts.
class MessageBoxLog {
public:
    explicit MessageBoxLog(int answer = IDOK)
    {
        SetMessageBoxHandler([this, answer](const std::string& text, const std::string&, unsigned flags) {
            Texts.push_back(text);
            Flags.push_back(flags);
            return answer;
        });
    }
    ~MessageBoxLog() { SetMessageBoxHandler(nullptr); }
    MessageBoxLog(const MessageBoxLog&) = delete;
    MessageBoxLog& operator=(const MessageBoxLog&) = delete;

    std::vector<std::string> Texts;
    std::vector<unsigned> Flags;
};

} // namespace tk_test

// Readable failure messages for Qt rectangles.
inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}
