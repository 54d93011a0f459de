#include "common/Wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QTimer>

bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return condition();
        // A short real wait, so the loop blocks and idle handling runs as in the program.
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
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
