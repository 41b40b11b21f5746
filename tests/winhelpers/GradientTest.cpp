#include "winhelpers/GradientBackground.h"
#include "winhelpers/GradientSettings.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

GradientSettings prepared(ColorValue start, ColorValue end)
{
    GradientSettings settings;
    settings.GradientStart = start;
    settings.GradientEnd = end;
    PrepareGradient(settings);
    return settings;
}

struct GradientCase
{
    ColorValue start;
    Rgb steps;
    Rgb lastBand;
};

class GradientColors : public testing::TestWithParam<GradientCase>
{
};

TEST_P(GradientColors, StepsAndLastBandFollowFromStartToDefaultEnd)
{
    const GradientSettings settings = prepared(GetParam().start, 0);
    EXPECT_EQ(settings.GradientEnd, RGB(0, 0, 32));
    EXPECT_EQ(settings.GradientSteps, 50);
    EXPECT_EQ((Rgb {settings.BandStepRed, settings.BandStepGreen, settings.BandStepBlue}),
              GetParam().steps);
    const std::vector<GradientBand> bands = GradientBands(settings, 360);
    ASSERT_EQ(bands.size(), 50U);
    EXPECT_EQ(bands.front().color, SplitColor(GetParam().start));
    EXPECT_EQ(bands.back().color, GetParam().lastBand);
}

INSTANTIATE_TEST_SUITE_P(Windows, GradientColors,
                         testing::Values(GradientCase {RGB(0, 158, 158), {0, -3, -2}, {0, 11, 60}},
                                         GradientCase {RGB(0, 190, 180), {0, -3, -2}, {0, 43, 82}},
                                         GradientCase {
                                             RGB(255, 255, 255), {-5, -5, -4}, {10, 10, 59}}));

TEST(GradientColors, KeepsAChosenEndColour)
{
    const GradientSettings settings = prepared(RGB(0, 0, 0), RGB(100, 200, 255));
    EXPECT_EQ(settings.GradientEnd, RGB(100, 200, 255));
    EXPECT_EQ((Rgb {settings.BandStepRed, settings.BandStepGreen, settings.BandStepBlue}),
              (Rgb {2, 4, 5}));
}

struct BandRowsCase
{
    int height;
    std::vector<std::pair<int, std::pair<int, int>>> bands; // index → rows
};

class GradientRows : public testing::TestWithParam<BandRowsCase>
{
};

TEST_P(GradientRows, BandsOverlapAndTheLastReachesTheBottom)
{
    const std::vector<GradientBand> bands =
        GradientBands(prepared(RGB(0, 190, 180), 0), GetParam().height);
    for (const auto &[index, rows] : GetParam().bands) {
        SCOPED_TRACE(index);
        EXPECT_EQ(bands.at(index).top, rows.first);
        EXPECT_EQ(bands.at(index).bottom, rows.second);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Heights, GradientRows,
    testing::Values(BandRowsCase {360,
                                  {{0, {0, 7}}, {1, {6, 14}}, {2, {13, 21}}, {49, {342, 359}}}},
                    BandRowsCase {30, {{0, {0, 0}}, {48, {-1, 0}}, {49, {-1, 29}}}},
                    BandRowsCase {266, {{0, {0, 5}}, {49, {244, 265}}}}));

QRgb pixel(QWidget &window, int x, int y)
{
    return window.grab().toImage().pixel(x, y);
}

TEST(PaintGradient, PaintsTheBandsIntoTheRetainedBackground)
{
    QWidget window;
    window.resize(200, 360);
    PaintGradient(window, prepared(RGB(0, 190, 180), 0));
    EXPECT_EQ(pixel(window, 100, 0), qRgb(0, 190, 180));
    EXPECT_EQ(pixel(window, 199, 359), qRgb(0, 43, 82));
    // A later repaint shows the same picture without painting the gradient again.
    window.repaint();
    EXPECT_EQ(pixel(window, 0, 0), qRgb(0, 190, 180));
}

TEST(PaintGradient, UsesTheColoursOfWhicheverWindowPreparedLast)
{
    GradientSettings &shared = SharedGradientSettings();
    const GradientSettings saved = shared;
    QWidget first;
    first.resize(100, 100);
    shared.GradientStart = RGB(0, 158, 158);
    shared.GradientEnd = 0;
    PrepareGradient();
    shared.GradientStart = RGB(10, 20, 30);
    PrepareGradient();
    PaintGradient(first);
    EXPECT_EQ(pixel(first, 50, 0), qRgb(10, 20, 30));
    shared = saved;
}

} // namespace
