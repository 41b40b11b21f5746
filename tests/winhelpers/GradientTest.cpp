#include "winhelpers/GradientBackground.h"
#include "winhelpers/GradientSettings.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <tuple>

namespace {

GradientSettings prepared(ColorValue start, ColorValue end)
{
    GradientSettings settings {.GradientStart = start, .GradientEnd = end};
    PrepareGradient(settings);
    return settings;
}

TEST(GradientColors, StepFromStartToEndInFiftyBands)
{
    // An end of black stands for the default dark blue.
    const std::tuple<ColorValue, ColorValue, ColorValue, Rgb, Rgb> cases[] = {
        {RGB(0, 158, 158), 0, RGB(0, 0, 32), {0, -3, -2}, {0, 11, 60}},
        {RGB(255, 255, 255), 0, RGB(0, 0, 32), {-5, -5, -4}, {10, 10, 59}},
        {RGB(0, 0, 0), RGB(100, 200, 255), RGB(100, 200, 255), {2, 4, 5}, {98, 196, 245}}};
    for (const auto &[start, end, preparedEnd, steps, lastBand] : cases) {
        SCOPED_TRACE(start);
        const GradientSettings settings = prepared(start, end);
        EXPECT_EQ(settings.GradientEnd, preparedEnd);
        EXPECT_EQ(settings.GradientSteps, 50);
        EXPECT_EQ((Rgb {settings.BandStepRed, settings.BandStepGreen, settings.BandStepBlue}),
                  steps);
        const std::vector<GradientBand> bands = GradientBands(settings, 360);
        ASSERT_EQ(bands.size(), 50U);
        EXPECT_EQ(bands.front().color, SplitColor(start));
        EXPECT_EQ(bands.back().color, lastBand);
    }
}

TEST(GradientRows, BandsOverlapAndTheLastReachesTheBottom)
{
    // Window height, band, its top and bottom rows.
    const std::tuple<int, int, int, int> cases[] = {
        {360, 0, 0, 7},  {360, 1, 6, 14},  {360, 2, 13, 21}, {360, 49, 342, 359}, {30, 0, 0, 0},
        {30, 48, -1, 0}, {30, 49, -1, 29}, {266, 0, 0, 5},   {266, 49, 244, 265}};
    const GradientSettings settings = prepared(RGB(0, 190, 180), 0);
    for (const auto &[height, index, top, bottom] : cases) {
        const GradientBand band = GradientBands(settings, height).at(index);
        EXPECT_EQ(std::pair(band.top, band.bottom), std::pair(top, bottom))
            << "height " << height << ", band " << index;
    }
}

QRgb pixel(QWidget &window, int x, int y)
{
    return window.grab().toImage().pixel(x, y);
}

TEST(PaintGradient, PaintsTheLastPreparedBandsIntoTheRetainedBackground)
{
    QWidget window;
    window.resize(200, 360);
    PaintGradient(window, prepared(RGB(0, 190, 180), 0));
    EXPECT_EQ(pixel(window, 100, 0), qRgb(0, 190, 180));
    EXPECT_EQ(pixel(window, 199, 359), qRgb(0, 43, 82));
    // A later repaint shows the same picture without painting the gradient again.
    window.repaint();
    EXPECT_EQ(pixel(window, 0, 0), qRgb(0, 190, 180));

    // Without settings of its own a window paints the shared ones, as last prepared.
    GradientSettings &shared = SharedGradientSettings();
    const GradientSettings saved = shared;
    shared.GradientStart = RGB(0, 158, 158);
    shared.GradientEnd = 0;
    PrepareGradient();
    shared.GradientStart = RGB(10, 20, 30);
    PrepareGradient();
    PaintGradient(window);
    EXPECT_EQ(pixel(window, 50, 0), qRgb(10, 20, 30));
    shared = saved;
}

} // namespace
