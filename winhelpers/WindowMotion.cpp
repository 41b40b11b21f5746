#include "winhelpers/WindowMotion.h"

#include "engine/ColorValue.h"
#include "winhelpers/AboveScreenHold.h"
#include "winhelpers/Twips.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

// The screen and the window's outer frame, in twips, relative to the screen's top-left corner.
struct Placement
{
    double dpi;
    QRect screen;
    QRectF screenTwips;
    QRectF frameTwips;
};

Placement placementOf(const QWidget &window)
{
    const double dpi = LogicalDpi(window);
    const QRect screen = window.screen()->geometry();
    const QRect frame = window.frameGeometry().translated(-screen.topLeft());
    return {dpi, screen, PixelsToTwips(QRect(QPoint(0, 0), screen.size()), dpi),
            PixelsToTwips(frame, dpi)};
}

void moveTo(QWidget &window, const Placement &placement, double leftTwips, double topTwips)
{
    window.move(placement.screen.left() + TwipsToPixels(leftTwips, placement.dpi),
                placement.screen.top() + TwipsToPixels(topTwips, placement.dpi));
}

// Slides the window down in steps from where it is to the top that rest gives for its placement.
template<typename Rest> void slideDownTo(QWidget &window, Rest &&rest)
{
    AboveScreenHold::release(window);
    const Placement placement = placementOf(window);
    const double left = placement.frameTwips.left();
    for (const int top : SlideInTops(RoundHalfEven(placement.frameTwips.top()), rest(placement)))
        moveTo(window, placement, left, top);
}

} // namespace

int CentredPosition(double screenExtent, double windowExtent)
{
    return RoundHalfEven(screenExtent - windowExtent) / 2;
}

std::vector<int> SlideInTops(int top, int rest)
{
    std::vector<int> tops;
    do {
        top += SlideStep;
        tops.push_back(top);
    } while (top < rest);
    tops.push_back(rest);
    return tops;
}

std::vector<int> SlideOutTops(int top, int screenHeight)
{
    std::vector<int> tops;
    do {
        top += SlideStep;
        tops.push_back(top);
    } while (top <= screenHeight + 100);
    return tops;
}

void CentreHorizontally(QWidget &window)
{
    const Placement placement = placementOf(window);
    moveTo(window, placement,
           CentredPosition(placement.screenTwips.width(), placement.frameTwips.width()),
           placement.frameTwips.top());
}

void CentreOnScreen(QWidget &window)
{
    const Placement placement = placementOf(window);
    moveTo(window, placement,
           CentredPosition(placement.screenTwips.width(), placement.frameTwips.width()),
           CentredPosition(placement.screenTwips.height(), placement.frameTwips.height()));
}

void PlaceAboveScreen(QWidget &window)
{
    const Placement placement = placementOf(window);
    moveTo(window, placement, placement.frameTwips.left(), -placement.frameTwips.height());
}

void HoldAboveScreen(QWidget &window)
{
    AboveScreenHold::hold(window, [](QWidget &held) {
        PlaceAboveScreen(held);
        CentreHorizontally(held);
    });
}

void SlideIn(QWidget &window)
{
    slideDownTo(window, [](const Placement &placement) {
        return CentredPosition(placement.screenTwips.height(), placement.frameTwips.height());
    });
}

void SlideInToBottom(QWidget &window)
{
    slideDownTo(window, [](const Placement &placement) {
        return RoundHalfEven(placement.screenTwips.height() - placement.frameTwips.height());
    });
}

void SlideOut(QWidget &window)
{
    AboveScreenHold::release(window);
    const Placement placement = placementOf(window);
    const double left = placement.frameTwips.left();
    for (const int top : SlideOutTops(RoundHalfEven(placement.frameTwips.top()),
                                      RoundHalfEven(placement.screenTwips.height())))
        moveTo(window, placement, left, top);
}

void RestoreAndSlideOut(QWidget &window)
{
    window.setWindowState(window.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    SlideOut(window);
}

void ReturnMainWindow(QWidget &mainWindow)
{
    PlaceAboveScreen(mainWindow);
    CentreHorizontally(mainWindow);
    mainWindow.show();
    SlideIn(mainWindow);
}

void StayOnTop(QWidget &window, bool onTop)
{
    const Qt::WindowFlags flags = window.windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (QWindow *handle = window.windowHandle()) {
        // setWindowFlags would hide the window and replace its native window.
        window.overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        window.setWindowFlags(flags);
    }
}
