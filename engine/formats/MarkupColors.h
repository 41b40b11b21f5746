#pragma once

#include "engine/FadeGenerator.h"

#include <QList>
#include <QString>

#include <optional>

// A message read back from coloured markup: its letters, line breaks as CR LF, and the colour
// that each turn of a fade of it shows, none for a line break or a letter without colour.
struct ColoredMessage
{
    QString message;
    QList<std::optional<Rgb>> turnColors;
};

// Reads the letters and their colours from markup in a format Tintra writes, or, without a
// format, from any of them and the forms other tools write: <font color=…>, <span
// style="color:…">, [color=…], <#rrggbb>, &#rrggbb, &x&r&r&g&g&b&b, IRC's ^C and ^D codes and
// the terminal's 24-bit colours. None when no letter has a colour, or when the markup breaks
// the rules of the format named; formats of palette colours (the terminal's 256, Discord's)
// are not read.
std::optional<ColoredMessage> ReadColoredMessage(const QString &markup,
                                                 std::optional<OutputFormat> format);
