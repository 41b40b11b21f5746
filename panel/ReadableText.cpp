#include "panel/ReadableText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr ColorValue Black = RGB(0, 0, 0);
constexpr ColorValue White = RGB(255, 255, 255);

double linear(int component)
{
    const double value = component / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(ColorValue color)
{
    const Rgb rgb = SplitColor(color);
    return 0.2126 * linear(rgb.red) + 0.7152 * linear(rgb.green) + 0.0722 * linear(rgb.blue);
}

} // namespace

double ContrastRatio(ColorValue first, ColorValue second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

ColorValue ReadableTextColor(ColorValue background)
{
    return ContrastRatio(background, Black) >= ContrastRatio(background, White) ? Black : White;
}
