#pragma once

#include <QAccessible>
#include <QString>

#include <vector>

class QWidget;

// What assistive technology reads of the object: its name, description or value.
QString AccessibleText(QObject *object, QAccessible::Text text);

// A stop of Tab's tour of a window: the control's object name and the name it is announced by.
struct TourStop
{
    QString control;
    QString name;
};

// Tab, from the first control on, visits exactly these controls in turn and comes round to the
// first again. Each shows that it has the focus (it looks different with it than without) and is
// announced by its name; a list also has a description, and a list or a button a tooltip of one
// line. The window must be the active one.
void ExpectKeyboardTour(QWidget &window, const std::vector<TourStop> &tour);
