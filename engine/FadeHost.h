#pragma once

#include "engine/UserColors.h"

#include <QString>

// What a fading window lends the generator for one run: its colours, its progress display and
// its input box. Tests and the command-line fader stand in for the window.
class FadeHost : public UserColors
{
public:
    // Sets one of the nine colour bars (1..9, red, green, blue of colours 1, 2, 3), as the
    // mystery modes and the chat line's white guard do; the window's displays follow at once.
    virtual void setChannel(int bar, int value) = 0;

    // Shows that a fade is being generated and lets the window repaint once.
    virtual void showProgress() { }

    // Asks for the letter count of the segment modes; an empty answer means cancelled.
    virtual QString askCount(const QString &prompt, const QString &title,
                             const QString &defaultText) = 0;
};
