#pragma once

#include <QAccessible>

class QWidget;

// What assistive technology reads of the object: its name, description or value.
QString AccessibleText(QObject *object, QAccessible::Text text);

// Tab, from the first of the controls named (by object name, separated by spaces) on, visits
// exactly them in turn and comes round to the first again. Each has an accessible name, a list
// one that is not its entry, and shows that it has the focus (it looks different with it than
// without); a button or a list is described in one line, its tooltip; a list's entry is the
// selected item of its drop-down, and the list takes the focus when assistive technology asks.
// The window must be active.
void ExpectKeyboardTour(QWidget &window, const QString &controls);
