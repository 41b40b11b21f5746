#pragma once

#include "engine/ColorValue.h"

class QWidget;

// Where a loading window comes into view.
enum class Arrival {
    Centred, // in the middle of the screen
    AboveScreen, // held just above the screen, centred horizontally, until it slides in
    SlideIn, // from above the screen down to the middle
    SlideInToBottom, // from above the screen down onto its bottom edge
};

// The load every window shares: the shared gradient from the given colour down to the default
// dark blue, painted on the window, which is then shown and brought to where it arrives.
void ShowLoadedWindow(QWidget &window, ColorValue gradientStart, Arrival arrival);
