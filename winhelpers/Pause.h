#pragma once

#include <functional>

// Seconds on a clock that never runs backwards, so a wait also ends across midnight.
using MonotonicClock = std::function<double()>;

double SteadySeconds();

// Returns after the given number of seconds, processing pending window events meanwhile. A
// positive wait processes the events at least once, however fine the clock; zero or a negative
// wait returns at once.
void Pause(double seconds, const MonotonicClock &clock = SteadySeconds);
