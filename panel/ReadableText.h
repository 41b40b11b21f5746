#pragma once

#include "engine/ColorValue.h"

// The contrast ratio of two colours as the Web Content Accessibility Guidelines define it, from
// 1 (alike) to 21 (black and white).
double ContrastRatio(ColorValue first, ColorValue second);

// Black or white, whichever stands out more on the background; either way the contrast is at
// least 4.5, enough for small text.
ColorValue ReadableTextColor(ColorValue background);
