#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

// Processes events until the condition holds (10 s at most).
inline bool PumpUntil(const std::function<bool()>& condition)
{
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return condition();
}

// Lets whatever is queued (paints, posted calls, deferred deletes) run.
inline void DrainPending()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, 0);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}
