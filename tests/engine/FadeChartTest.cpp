#include "engine/FadeChart.h"

#include "engine/PlainFadeHost.h"
#include "engine/SegmentState.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const PlainFadeHost RedBlueGreen({255, 0, 0}, {0, 0, 255}, {0, 255, 0});

} // namespace

TEST(FadeChartColors, GradientBandsOfBothPrecisions)
{
    // Each row: pattern, precision, band counted from 1, its colour.
    const std::tuple<ChartPattern, ChartPrecision, int, Rgb> cases[] = {
        {ChartPattern::TwoColors, ChartPrecision::Single, 1, {255, 0, 0}},
        {ChartPattern::TwoColors, ChartPrecision::Single, 2, {252, 0, 3}},
        {ChartPattern::TwoColors, ChartPrecision::Single, 80, {3, 0, 252}},
        {ChartPattern::TwoColors, ChartPrecision::Double, 2, {252, 0, 3}},
        {ChartPattern::ThreeColors, ChartPrecision::Single, 40, {6, 0, 249}},
        {ChartPattern::ThreeColors, ChartPrecision::Single, 41, {0, 0, 255}},
        {ChartPattern::ThreeColors, ChartPrecision::Double, 41, {0, 0, 255}},
        {ChartPattern::ThreeColors, ChartPrecision::Double, 80, {0, 249, 6}},
    };
    for (const auto &[pattern, precision, band, color] : cases) {
        SegmentState segments;
        const auto bands = FadeChartColors(pattern, precision, RedBlueGreen, segments);
        EXPECT_EQ(SplitColor(bands[band - 1]), color) << "band " << band;
    }
}

TEST(FadeChartColors, RepeatingChartsLeaveTheCycleWhereTheyFoundIt)
{
    // Each row: pattern, the colours of bands 22 (the second segment's start), 42 and 62.
    const std::tuple<ChartPattern, Rgb, Rgb, Rgb> cases[] = {
        {ChartPattern::Repeater, {0, 0, 255}, {255, 0, 0}, {0, 0, 255}},
        {ChartPattern::TCRepeater, {0, 0, 255}, {0, 255, 0}, {0, 0, 255}},
    };
    for (const auto &[pattern, band22, band42, band62] : cases) {
        SegmentState segments;
        const auto first = FadeChartColors(pattern, ChartPrecision::Single, RedBlueGreen, segments);
        EXPECT_EQ(segments.StageIndex, 0);
        EXPECT_EQ(FadeChartColors(pattern, ChartPrecision::Double, RedBlueGreen, segments), first);
        EXPECT_EQ(SplitColor(first[0]), (Rgb {255, 0, 0}));
        EXPECT_EQ(SplitColor(first[20]), (Rgb {0, 0, 255})); // only the first segment arrives
        EXPECT_EQ(SplitColor(first[21]), band22);
        EXPECT_EQ(SplitColor(first[41]), band42);
        EXPECT_EQ(SplitColor(first[61]), band62);
    }
}
