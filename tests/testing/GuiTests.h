#pragma once

// Runs the tests of a window test binary in user folders of their own, away from the user's and
// from what earlier runs left, with an application object around them. What must happen before
// the application object is made runs first.
int RunGuiTests(int argc, char **argv, void (*beforeApplication)() = nullptr);

class QWidget;

// Double-clicks the widget with the left button and lets the button go: QTest leaves it down
// after a double click, and a later move would drag with it.
void DoubleClick(QWidget *widget);
