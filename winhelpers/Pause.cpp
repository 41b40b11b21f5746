#include "winhelpers/Pause.h"

#include <QCoreApplication>

#include <chrono>

double SteadySeconds()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(now).count();
}

void Pause(double seconds, const MonotonicClock &clock)
{
    if (!(seconds > 0))
        return;
    const double start = clock();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } while (clock() - start < seconds);
}
