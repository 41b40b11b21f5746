#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

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
