#pragma once

#include <QtGlobal>

#include <functional>

// The program's one random generator: uniform reals 0 ≤ u < 1, re-seeded from a clock where the
// fades ask for it. Both the seed and the clock are injectable, so runs can be repeated.
class RandomSource
{
public:
    using Clock = std::function<quint64()>;

    // Nanoseconds on the monotonic clock.
    static quint64 monotonicNanoseconds();

    explicit RandomSource(quint64 seed, Clock clock = monotonicNanoseconds);

    float next();

    // Every re-seed gives a new sequence, even when the clock has not moved since the last one.
    void reseedFromClock();

private:
    quint64 m_seed;
    quint64 m_state;
    quint64 m_reseeds = 0;
    Clock m_clock;
};
