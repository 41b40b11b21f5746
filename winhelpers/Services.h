#pragma once

#include "winhelpers/Pause.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class Dialogs;
class RandomSource;

// What every window borrows from the program: its dialogs, its one random source, the clock
// its pauses run on, the main window, which the windows know only as a widget, and the
// program's private folder for the preview page.
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
    QString previewFolder; // empty: there is none, and nothing can be previewed
};
