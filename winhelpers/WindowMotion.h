#pragma once

#include <vector>

class QWidget;

// How far a window moves per step when it slides, in twips.
inline constexpr int SlideStep = 400;

// Where a window of the given extent stands centred on a screen of the given extent (twips);
// a window larger than the screen gets a negative position.
int CentredPosition(double screenExtent, double windowExtent);

// The tops a window passes through when it slides down from top to where it rests (the centre,
// for SlideIn); the last entry is the resting top.
std::vector<int> SlideInTops(int top, int rest);

// The tops a window passes through when it slides down from top until it is below the screen.
std::vector<int> SlideOutTops(int top, int screenHeight);

// Centres the window horizontally on its screen.
void CentreHorizontally(QWidget &window);

// Centres the window on its screen.
void CentreOnScreen(QWidget &window);

// Places the window just above its screen's top edge.
void PlaceAboveScreen(QWidget &window);

// Places the window above its screen, centred horizontally, and keeps it there, even when a
// window manager frames it later, until it next slides.
void HoldAboveScreen(QWidget &window);

// Slides the window down until its top reaches the vertical centre.
void SlideIn(QWidget &window);

// Slides the window down until its bottom edge rests on the bottom of its screen.
void SlideInToBottom(QWidget &window);

// Slides the window down until it is below the screen; it stays there.
void SlideOut(QWidget &window);

// Returns the window to its normal state, neither minimised nor maximised, and slides it out.
void RestoreAndSlideOut(QWidget &window);

// Brings the hidden main window back from above the screen.
void ReturnMainWindow(QWidget &mainWindow);

// Keeps the window above all others, or with onTop false makes it an ordinary window again; a
// shown window changes in place.
void StayOnTop(QWidget &window, bool onTop = true);
