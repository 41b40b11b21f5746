#include "winhelpers/GradientSettings.h"

namespace {

constexpr qint16 BandCount = 50;

struct Components
{
    int red;
    int green;
    int blue;
};

Components split(ColorValue value)
{
    const int blue = value / 65536;
    const int green = (value - 65536 * blue) / 256;
    const int red = value - 256 * green - 65536 * blue;
    return {red, green, blue};
}

int bandStep(int start, int end, int steps)
{
    return static_cast<int>(double(end - start) / steps);
}

} // namespace

GradientSettings &SharedGradientSettings()
{
    static GradientSettings settings;
    return settings;
}

void PrepareGradient(GradientSettings &settings)
{
    if (settings.GradientSteps == 0)
        settings.GradientSteps = BandCount;
    if (settings.GradientEnd == 0)
        settings.GradientEnd = RGB(0, 0, 32);
    const Components start = split(settings.GradientStart);
    const Components end = split(settings.GradientEnd);
    settings.StartRed = start.red;
    settings.StartGreen = start.green;
    settings.StartBlue = start.blue;
    settings.EndRed = end.red;
    settings.EndGreen = end.green;
    settings.EndBlue = end.blue;
    settings.BandStepRed = bandStep(start.red, end.red, settings.GradientSteps);
    settings.BandStepGreen = bandStep(start.green, end.green, settings.GradientSteps);
    settings.BandStepBlue = bandStep(start.blue, end.blue, settings.GradientSteps);
}

std::vector<GradientBand> GradientBands(const GradientSettings &settings, int height)
{
    const int steps = settings.GradientSteps;
    std::vector<GradientBand> bands;
    if (steps <= 0)
        return bands;
    bands.reserve(steps);
    const int band = height / steps;
    int y1 = 0;
    int y2 = y1 + band;
    Rgb color {settings.StartRed, settings.StartGreen, settings.StartBlue};
    for (int i = 1; i <= steps; ++i) {
        if (i == steps)
            y2 = height - 1;
        bands.push_back({y1, y2, color});
        y1 = y2 - 1;
        y2 += band;
        color.red += settings.BandStepRed;
        color.green += settings.BandStepGreen;
        color.blue += settings.BandStepBlue;
    }
    return bands;
}
