#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstring>

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

// Nearest whole number, ties to the even neighbour (127.5 → 128, 126.5 → 126). The value must
// round to an int.
inline int RoundHalfEven(double value)
{
    // Adding 1.5 × 2^52 leaves no bits for a fraction, so the sum is rounded in the current
    // rounding mode, which is to nearest with ties to even unless a caller changed it (nothing
    // in this program does); every value that rounds to an int is far below 2^51.
    constexpr double shift = 0x1.8p52;
    return static_cast<int>((value + shift) - shift);
}

// The six uppercase hex digits of a colour in red, green, blue order ("FF8000").
QString Hex6(ColorValue value);
// Hex6 with a leading "#", as the colour boxes show it.
QString HColor1(ColorValue value);
using HexPairTable = std::array<std::array<char16_t, 2>, 256>;

// The two hex digits of every byte, so a colour is written in three copies.
constexpr HexPairTable MakeHexPairs(const char16_t (&digits)[17])
{
    HexPairTable pairs {};
    for (std::size_t byte = 0; byte < pairs.size(); ++byte)
        pairs[byte] = {digits[byte >> 4], digits[byte & 0xF]};
    return pairs;
}
inline constexpr HexPairTable HexPairs = MakeHexPairs(u"0123456789ABCDEF");
inline constexpr HexPairTable LowerHexPairs = MakeHexPairs(u"0123456789abcdef");

// Writes the six digits of Hex6 (in the case of the table) to out, for builders that fill their
// own buffer.
inline void WriteHex6(ColorValue value, char16_t *out, const HexPairTable &pairs = HexPairs)
{
    std::memcpy(out, pairs[value & 0xFF].data(), sizeof(char16_t) * 2);
    std::memcpy(out + 2, pairs[(value >> 8) & 0xFF].data(), sizeof(char16_t) * 2);
    std::memcpy(out + 4, pairs[(value >> 16) & 0xFF].data(), sizeof(char16_t) * 2);
}
