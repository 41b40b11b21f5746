#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

class PictureBox;
class QComboBox;

// Runs the tests of a window test binary in user folders of their own, away from the user's and
// from what earlier runs left, with an application object around them. What must happen before
// the application object is made runs first.
int RunGuiTests(int argc, char **argv, void (*beforeApplication)() = nullptr);

// The window's control of that name; the test fails when the window has none.
template<typename Control = QWidget>
Control *FindControl(const QObject &window, const QString &name)
{
    auto *found = window.findChild<Control *>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

// The entries of a list box, first to last.
QStringList ItemTexts(const QComboBox &list);

// Double-clicks the widget with the left button and lets the button go: QTest leaves it down
// after a double click, and a later move would drag with it.
void DoubleClick(QWidget *widget);

// What the user sees in the middle of a fade chart's band (1..80, from the left).
QColor ChartBand(const PictureBox &chart, int band);

// Asks the window to close as the window system does when the user closes it, which Qt refuses
// for a window that a modal dialog blocks.
void CloseAsTheWindowSystemDoes(QWidget &window);

// Once a visible dialog of the given type has appeared among the application's windows, runs
// act on it; for answering a dialog whose run does not return until it is answered.
void WhenDialogShows(const QMetaObject &type, std::function<void(QWidget &dialog)> act);
