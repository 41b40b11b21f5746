#pragma once

#include <QString>
#include <QtGlobal>

// A colour as the markup, the colour boxes and the chart use it: red + 256 × green
// + 65536 × blue, red in the lowest byte, each component 0..255.
using ColorValue = qint32;

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Rgb &, const Rgb &) = default;
};

constexpr ColorValue RGB(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

constexpr ColorValue RGB(Rgb color)
{
    return RGB(color.red, color.green, color.blue);
}

constexpr Rgb SplitColor(ColorValue value)
{
    return {value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF};
}

// Nearest whole number, ties to the even neighbour (127.5 → 128, 126.5 → 126).
int RoundHalfEven(double value);

// The six uppercase hex digits of a colour in red, green, blue order ("FF8000").
QString Hex6(ColorValue value);
// Hex6 with a leading "#", as the colour boxes show it.
QString HColor1(ColorValue value);
// Writes the six digits of Hex6 to out, for builders that fill their own buffer.
void WriteHex6(ColorValue value, char16_t *out);
