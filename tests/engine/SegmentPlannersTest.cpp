#include "engine/SegmentPlanners.h"

#include "engine/PlainFadeHost.h"
#include "engine/RandomSource.h"

#include <gtest/gtest.h>

namespace {

const Rgb Red {255, 0, 0};
const Rgb Blue {0, 0, 255};
const Rgb Green {0, 255, 0};

Rgb runningColor(const SegmentState &state)
{
    return {int(state.FadeR), int(state.FadeG), int(state.FadeB)};
}

// The colour a segment ends at: its start plus howMuch steps.
Rgb segmentEnd(const SegmentState &state, double howMuch)
{
    return {RoundHalfEven(state.FadeR + howMuch * state.StepR),
            RoundHalfEven(state.FadeG + howMuch * state.StepG),
            RoundHalfEven(state.FadeB + howMuch * state.StepB)};
}

} // namespace

TEST(ColorX, AlternatesBetweenColourOneAndColourTwo)
{
    const PlainFadeHost colors(Red, Blue, Green);
    SegmentState state;

    ColorX(state, colors, 4);
    EXPECT_EQ(runningColor(state), Red);
    EXPECT_DOUBLE_EQ(state.StepR, -63.75);
    EXPECT_DOUBLE_EQ(state.StepG, 0);
    EXPECT_DOUBLE_EQ(state.StepB, 63.75);
    EXPECT_EQ(state.StageIndex, 1);

    ColorX(state, colors, 4);
    EXPECT_EQ(runningColor(state), Blue);
    EXPECT_DOUBLE_EQ(state.StepR, 63.75);
    EXPECT_DOUBLE_EQ(state.StepB, -63.75);
    EXPECT_EQ(state.StageIndex, 0);
}

TEST(ColorX3, VisitsOneTwoThreeTwoOneAndEndsWhereItBegan)
{
    const PlainFadeHost colors(Red, Blue, Green);
    SegmentState state;
    const Rgb segments[][2] = {{Red, Blue}, {Blue, Green}, {Green, Blue}, {Blue, Red}};
    for (const auto &segment : segments) {
        ColorX3(state, colors, 20);
        EXPECT_EQ(runningColor(state), segment[0]);
        EXPECT_EQ(segmentEnd(state, 20), segment[1]);
    }
    EXPECT_EQ(state.StageIndex, 0);
}

TEST(ColorX2, FromStageTwoUsesTheCallersEndpointsAndDrawsNothing)
{
    RandomSource random(42);
    RandomSource untouched(42);
    SegmentState state;
    state.FromR = 10, state.FromG = 20, state.FromB = 30;
    state.ToR = 40, state.ToG = 50, state.ToB = 60;
    state.StageIndex = 2;

    ColorX2(state, random, 10);

    EXPECT_EQ(runningColor(state), (Rgb {10, 20, 30}));
    EXPECT_EQ(segmentEnd(state, 10), (Rgb {40, 50, 60}));
    EXPECT_EQ(state.StageIndex, 1);
    EXPECT_EQ(random.next(), untouched.next());
}

TEST(ColorX2, FromStageOneStartsAtTheOldTargetAndDrawsANewOne)
{
    RandomSource random(7);
    for (int run = 0; run < 200; ++run) {
        SegmentState state;
        state.ToR = 40, state.ToG = 50, state.ToB = 60;
        state.StageIndex = qint16(run % 2);

        ColorX2(state, random, 3);

        EXPECT_EQ(runningColor(state), (Rgb {40, 50, 60}));
        for (const qint16 target : {state.ToR, state.ToG, state.ToB}) {
            EXPECT_GE(target, 1);
            EXPECT_LE(target, 255);
        }
        EXPECT_EQ(state.StageIndex, run % 2 ? 0 : 1);
    }
}

TEST(RandomSource, RepeatsWithTheSameSeedAndClockAndStaysBelowOne)
{
    const auto frozenClock = [] {
        return quint64(1234);
    };
    RandomSource first(99, frozenClock);
    RandomSource second(99, frozenClock);
    for (int i = 0; i < 1000; ++i) {
        if (i % 10 == 0) {
            first.reseedFromClock();
            second.reseedFromClock();
        }
        const float u = first.next();
        EXPECT_EQ(u, second.next());
        EXPECT_GE(u, 0.0f);
        EXPECT_LT(u, 1.0f);
    }
}

TEST(RandomSource, ReseedingOnAStoppedClockStillGivesNewNumbers)
{
    RandomSource random(5, [] { return quint64(0); });
    random.reseedFromClock();
    const float first = random.next();
    random.reseedFromClock();
    EXPECT_NE(random.next(), first);
}
