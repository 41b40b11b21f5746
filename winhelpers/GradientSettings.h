#pragma once

#include "engine/ColorValue.h"

#include <QtGlobal>

#include <vector>

// The background gradient every window wears. There is one record for the whole program, so
// whichever window prepared it last decides the colours every window is painted with.
struct GradientSettings
{
    ColorValue GradientStart = 0;
    ColorValue GradientEnd = 0; // 0 (black) stands for RGB(0, 0, 32)
    qint16 GradientSteps = 0;
    int StartRed = 0;
    int StartGreen = 0;
    int StartBlue = 0;
    int EndRed = 0;
    int EndGreen = 0;
    int EndBlue = 0;
    int BandStepRed = 0;
    int BandStepGreen = 0;
    int BandStepBlue = 0;
};

GradientSettings &SharedGradientSettings();

// Fills the derived fields from GradientStart and GradientEnd.
void PrepareGradient(GradientSettings &settings = SharedGradientSettings());

// One horizontal band; both rows are included, and a band may overlap the one above it.
struct GradientBand
{
    int top = 0;
    int bottom = 0;
    Rgb color;

    friend bool operator==(const GradientBand &, const GradientBand &) = default;
};

// The bands that cover an inner area of the given pixel height, top band first. The last band
// always reaches the bottom row, whatever the rounding of the band height.
std::vector<GradientBand> GradientBands(const GradientSettings &settings, int height);
