#pragma once

#include "engine/ColorValue.h"
#include "engine/formats/MarkupColors.h"

#include <QList>

#include <optional>

// How far a fitted Stops Fade may show a letter's colour from the colour read: in each channel.
inline constexpr int StopsFitTolerance = 2;

// The colours that the turns of a Stops Fade of the message show, none for a line break.
QList<std::optional<Rgb>> StopsTurnColors(const QString &message, const QList<Rgb> &stops);

// The fewest stops, 2 to MaximumStops, whose Stops Fade of the message shows every coloured
// turn within StopsFitTolerance of its colour; none when no such number of stops does.
std::optional<QList<Rgb>> FitStops(const ColoredMessage &colored);
