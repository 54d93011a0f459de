#include "common/Wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QAbstractEventDispatcher>
#include <QEventLoop>

bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents();
    }
    return true;
}

void DrainEvents(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs && QCoreApplication::instance()) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (!QCoreApplication::instance()->eventDispatcher()->processEvents(QEventLoop::AllEvents))
            break;
    }
}
