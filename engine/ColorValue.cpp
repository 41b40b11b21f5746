#include "engine/ColorValue.h"

#include <cmath>

int RoundHalfEven(double value)
{
    // nearbyint rounds in the current mode, which is round-to-nearest-even unless a caller
    // changed it; nothing in this program does.
    return static_cast<int>(std::nearbyint(value));
}

void WriteHex6(ColorValue value, char16_t *out)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    const Rgb color = SplitColor(value);
    for (const int component : {color.red, color.green, color.blue}) {
        *out++ = char16_t(digits[component >> 4]);
        *out++ = char16_t(digits[component & 0xF]);
    }
}

QString Hex6(ColorValue value)
{
    QString text(6, Qt::Uninitialized);
    WriteHex6(value, reinterpret_cast<char16_t *>(text.data()));
    return text;
}

QString HColor1(ColorValue value)
{
    return QLatin1Char('#') + Hex6(value);
}
