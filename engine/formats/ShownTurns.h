#pragma once

#include "engine/FadeGenerator.h"

#include <QList>
#include <QString>

#include <optional>

// One turn of a fade as a format shows it: a letter, in its colour (none in "No Fade") and at
// its wave height, or a line break. In the 256-colour palette the colour is the palette index.
struct ShownTurn
{
    std::optional<ColorValue> color;
    QString letter; // empty for a line break
    WaveHeight wave = WaveHeight::Level;

    friend bool operator==(const ShownTurn &, const ShownTurn &) = default;
};

// The colour that six hex digits write, red first, in either case.
ColorValue ColorOfHex6(QStringView hex);

// Reads the turns back from the markup of one of the formats that write each letter whole, as
// a reader of that format would; none when the markup breaks the format's rules. HTML must
// parse as XML once its line breaks are closed.
std::optional<QList<ShownTurn>> ReadShownTurns(OutputFormat format, const QString &markup);
