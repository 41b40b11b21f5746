#include "engine/FadeChart.h"

#include "engine/PlainFadeHost.h"
#include "engine/SegmentState.h"

#include <gtest/gtest.h>

namespace {

const PlainFadeHost RedBlueGreen({255, 0, 0}, {0, 0, 255}, {0, 255, 0});

} // namespace

TEST(FadeChartColors, GradientBandsOfBothPrecisions)
{
    const struct
    {
        ChartPattern pattern;
        ChartPrecision precision;
        int band; // counted from 1
        Rgb color;
    } cases[] = {
        {ChartPattern::TwoColors, ChartPrecision::Single, 1, {255, 0, 0}},
        {ChartPattern::TwoColors, ChartPrecision::Single, 2, {252, 0, 3}},
        {ChartPattern::TwoColors, ChartPrecision::Single, 80, {3, 0, 252}},
        {ChartPattern::TwoColors, ChartPrecision::Double, 2, {252, 0, 3}},
        {ChartPattern::ThreeColors, ChartPrecision::Single, 40, {6, 0, 249}},
        {ChartPattern::ThreeColors, ChartPrecision::Single, 41, {0, 0, 255}},
        {ChartPattern::ThreeColors, ChartPrecision::Double, 41, {0, 0, 255}},
        {ChartPattern::ThreeColors, ChartPrecision::Double, 80, {0, 249, 6}},
    };
    for (const auto &c : cases) {
        SegmentState segments;
        const auto bands = FadeChartColors(c.pattern, c.precision, RedBlueGreen, segments);
        EXPECT_EQ(SplitColor(bands[c.band - 1]), c.color) << "band " << c.band;
    }
}

TEST(FadeChartColors, RepeatingChartsLeaveTheCycleWhereTheyFoundIt)
{
    const struct
    {
        ChartPattern pattern;
        Rgb band22; // the second segment's start
        Rgb band42;
        Rgb band62;
    } cases[] = {
        {ChartPattern::Repeater, {0, 0, 255}, {255, 0, 0}, {0, 0, 255}},
        {ChartPattern::TCRepeater, {0, 0, 255}, {0, 255, 0}, {0, 0, 255}},
    };
    for (const auto &c : cases) {
        SegmentState segments;
        const auto first =
            FadeChartColors(c.pattern, ChartPrecision::Single, RedBlueGreen, segments);
        EXPECT_EQ(segments.StageIndex, 0);
        EXPECT_EQ(FadeChartColors(c.pattern, ChartPrecision::Double, RedBlueGreen, segments),
                  first);
        EXPECT_EQ(SplitColor(first[0]), (Rgb {255, 0, 0}));
        EXPECT_EQ(SplitColor(first[20]), (Rgb {0, 0, 255})); // only the first segment arrives
        EXPECT_EQ(SplitColor(first[21]), c.band22);
        EXPECT_EQ(SplitColor(first[41]), c.band42);
        EXPECT_EQ(SplitColor(first[61]), c.band62);
    }
}
