#pragma once

#include "winhelpers/Pause.h"

#include <QString>

class Dialogs;
class RandomSource;

// What every window borrows from the program: its dialogs, its one random source, the clock
// its pauses run on and the program's private folder for the preview page.
struct Services
{
    Services(Dialogs &programDialogs, RandomSource &programRandom)
        : dialogs(programDialogs)
        , random(programRandom)
    { }

    Dialogs &dialogs;
    RandomSource &random;
    MonotonicClock clock = SteadySeconds;
    QString previewFolder; // empty: there is none, and nothing can be previewed
};
