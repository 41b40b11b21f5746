#include "winhelpers/WindowLoad.h"

#include "winhelpers/GradientBackground.h"
#include "winhelpers/GradientSettings.h"
#include "winhelpers/WindowMotion.h"

#include <QWidget>

namespace {

void place(QWidget &window, Arrival arrival)
{
    if (arrival == Arrival::Centred) {
        CentreOnScreen(window);
    } else {
        PlaceAboveScreen(window);
        CentreHorizontally(window);
    }
}

} // namespace

void ShowLoadedWindow(QWidget &window, ColorValue gradientStart, Arrival arrival)
{
    GradientSettings &gradient = SharedGradientSettings();
    gradient.GradientStart = gradientStart;
    gradient.GradientEnd = 0;
    PrepareGradient();
    PaintGradient(window);
    place(window, arrival);
    window.show();
    // The window frame's size is known only once the window is shown, so it is placed again.
    place(window, arrival);
    switch (arrival) {
    case Arrival::Centred:
        break;
    case Arrival::AboveScreen:
        // Some window managers frame the window a while later still.
        HoldAboveScreen(window);
        break;
    case Arrival::SlideIn:
        SlideIn(window);
        break;
    case Arrival::SlideInToBottom:
        SlideInToBottom(window);
        break;
    }
}
