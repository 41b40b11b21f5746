#pragma once

#include "engine/FadeGenerator.h"

#include <QList>
#include <QString>

// A named set of fade settings to come back to: the fade type, its colours (the stops of Stops
// Fade, else colours 1 to 3), the letter count, the styles, face, size, output format and
// colour space. An empty face or size leaves the one in use as it is.
struct Preset
{
    QString name;
    int fadeMode = FadeMode::Normal;
    QList<Rgb> colors;
    int count = 5;
    FadeOptions options;
    OutputFormat format = OutputFormat::Page;
    ColorSpace space = ColorSpace::Srgb;

    friend bool operator==(const Preset &, const Preset &) = default;
};
