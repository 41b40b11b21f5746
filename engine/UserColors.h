#pragma once

#include "engine/ColorValue.h"

// The three colours the user picked, read where they are kept (the main window keeps them in
// its scroll bars). Colour 1 is bars 1-3, colour 2 bars 4-6, colour 3 bars 7-9 (red, green,
// blue).
class UserColors
{
public:
    virtual ~UserColors() = default;

    // which: 1, 2 or 3.
    virtual Rgb color(int which) const = 0;
};
