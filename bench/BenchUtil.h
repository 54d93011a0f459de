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
