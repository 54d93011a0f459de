#include "toolkit/MessageWindow.h"

#include <QTimer>

#include "toolkit/Application.h"

namespace {
bool gRefuseTimers = false;
}

TMessageWindow::TMessageWindow(TWndMethod wndProc) : FWndProc(std::move(wndProc)) {}

TMessageWindow::~TMessageWindow() = default;

bool TMessageWindow::SetTimer(unsigned id, unsigned milliseconds)
{
    if (gRefuseTimers)
        return false;
    auto& timer = FTimers[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, [this, id] {
            TMessage m{WM_TIMER, intptr_t(id), 0, 0};
            Application->Guard(nullptr, [&] { Send(m); });
        });
    }
    timer->start(int(milliseconds));
    return true;
}

void TMessageWindow::KillTimer(unsigned id)
{
    auto it = FTimers.find(id);
    if (it != FTimers.end())
        it->second->stop();
}

bool TMessageWindow::TimerActive(unsigned id) const
{
    auto it = FTimers.find(id);
    return it != FTimers.end() && it->second->isActive();
}

void TMessageWindow::Send(TMessage& message)
{
    if (FWndProc)
        FWndProc(message);
    else
        message.Result = DefWindowProc(message);
}

intptr_t TMessageWindow::DefWindowProc(const TMessage&)
{
    return 0;
}

void TMessageWindow::SetRefuseTimers(bool refuse)
{
    gRefuseTimers = refuse;
}
