#pragma once

#include "engine/ColorValue.h"

// A colour in OKLab: perceived lightness L and the opponent axes a (green to red) and b (blue
// to yellow), in which equal steps look about equally large.
struct OkLab
{
    double L = 0;
    double a = 0;
    double b = 0;
};

OkLab ToOkLab(Rgb color);

// The sRGB colour nearest to lab: components rounded ties-to-even and kept within 0..255.
Rgb FromOkLab(const OkLab &lab);
