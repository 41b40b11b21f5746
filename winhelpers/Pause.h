#pragma once

#include <functional>

// Seconds on a clock that never runs backwards, so a wait also ends across midnight.
using MonotonicClock = std::function<double()>;

double SteadySeconds();

// The shortest wait: what is pending, a repaint among it, runs once.
inline constexpr double Moment = 1e-90;

// Returns after the given number of seconds on the clock, running the event loop meanwhile:
// events are handled as they come, and the thread sleeps while none do. A positive wait
// processes the pending events at least once, however fine the clock; zero or a negative wait
// returns at once.
void Pause(double seconds, const MonotonicClock &clock = SteadySeconds);
