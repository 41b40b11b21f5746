#include "engine/SegmentPlanners.h"

#include "engine/RandomSource.h"
#include "engine/UserColors.h"

#include <cmath>

void ColorX(SegmentState &state, const UserColors &colors, double howMuch)
{
    if (state.StageIndex == 0) {
        state.StageIndex = 1;
        SetSegment(state, colors.color(1), colors.color(2), howMuch);
    } else {
        state.StageIndex = 0;
        SetSegment(state, colors.color(2), colors.color(1), howMuch);
    }
}

namespace {

qint16 RandomComponent(RandomSource &random)
{
    // 1..255: a random target is never 0.
    return static_cast<qint16>(std::floor(double(random.next()) * 255 + 1));
}

} // namespace

void ColorX2(SegmentState &state, RandomSource &random, double howMuch)
{
    if (state.StageIndex == 0 || state.StageIndex == 1) {
        state.FromR = state.ToR;
        state.FromG = state.ToG;
        state.FromB = state.ToB;
        state.ToR = RandomComponent(random);
        state.ToG = RandomComponent(random);
        state.ToB = RandomComponent(random);
        state.StageIndex = state.StageIndex == 0 ? 1 : 0;
    } else {
        state.StageIndex = 1;
    }
    SetSegment(state, {state.FromR, state.FromG, state.FromB}, {state.ToR, state.ToG, state.ToB},
               howMuch);
}

void ColorX3(SegmentState &state, const UserColors &colors, double howMuch)
{
    // StageIndex on entry → the segment's start and end colours.
    static constexpr int stages[4][2] = {{1, 2}, {2, 3}, {3, 2}, {2, 1}};
    const int stage = state.StageIndex & 3;
    state.StageIndex = static_cast<qint16>((stage + 1) % 4);
    SetSegment(state, colors.color(stages[stage][0]), colors.color(stages[stage][1]), howMuch);
}
