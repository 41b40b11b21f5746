#pragma once

#include "winhelpers/Pause.h"

#include <QPointer>
#include <QWidget>

class Dialogs;
class RandomSource;

// What every window borrows from the program: its dialogs, its one random source, the clock
// its pauses run on, and the main window, which the windows know only as a widget.
struct Services
{
    Services(Dialogs &dialogs, RandomSource &random)
        : dialogs(dialogs)
        , random(random)
    { }

    Dialogs &dialogs;
    RandomSource &random;
    MonotonicClock clock = SteadySeconds;
    QPointer<QWidget> mainWindow; // set at start-up, for ReturnMainWindow
};
