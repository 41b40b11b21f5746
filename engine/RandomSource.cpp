#include "engine/RandomSource.h"

#include <chrono>

namespace {

constexpr quint64 golden = 0x9E3779B97F4A7C15ULL;

// One step of SplitMix64: advances the state and returns a well-mixed word.
quint64 splitMix(quint64 &state)
{
    quint64 z = (state += golden);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

quint64 RandomSource::monotonicNanoseconds()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<quint64>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

RandomSource::RandomSource(quint64 seed, Clock clock)
    : m_seed(seed)
    , m_state(seed)
    , m_clock(std::move(clock))
{ }

float RandomSource::next()
{
    // The top 24 bits fill a float's mantissa exactly, so the result is below 1.
    return static_cast<float>(splitMix(m_state) >> 40) * 0x1.0p-24f;
}

void RandomSource::reseedFromClock()
{
    quint64 mixed = m_clock() ^ (m_seed + golden * ++m_reseeds);
    m_state = splitMix(mixed);
}
