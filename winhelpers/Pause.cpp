#include "winhelpers/Pause.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

// The longest the event loop runs before the clock is read again.
constexpr double LongestRound = 1;

// Runs the event loop for about the given time (to the nearest millisecond), asleep while there
// is nothing to do. However short the time, what is pending runs once.
void runEventsFor(double seconds)
{
    QEventLoop loop;
    const auto milliseconds =
        std::chrono::milliseconds(std::lround(std::min(seconds, LongestRound) * 1000));
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

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
    double elapsed = 0;
    do {
        runEventsFor(seconds - elapsed);
        elapsed = clock() - start;
    } while (elapsed < seconds);
}
